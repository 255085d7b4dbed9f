// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "simulator/blade_mechanism.h"
#include "simulator/mirror_mechanism.h"
#include "simulator/violation_log.h"
#include "ttl/clock.h"

namespace helio::sim {

/// The heliograph's mechanism controller as seen from its TTL lines. It latches commands
/// and setpoint halves on the rising edge of the strobes, moves the mirror and the blades
/// in real time, and reports their state on the input lines:
///   bit 0 sighting button active, bit 1 mirror at sighting, bit 2 mirror at CCD,
///   bit 3 blades in position.
class heliograph_controller {
  public:
    explicit heliograph_controller(const clock& time);

    heliograph_controller(const heliograph_controller&) = delete;
    heliograph_controller& operator=(const heliograph_controller&) = delete;

    // The TTL side.
    void write_outputs(std::int32_t value);
    std::uint8_t read_inputs() const;
    std::uint8_t output_lines() const { return outputs_; }
    void report_wrong_port(std::int32_t port);

    // The operator's sighting button (input bit 0); active when the simulation starts.
    void set_sighting_button(bool active) { sighting_button_ = active; }
    bool sighting_button() const { return sighting_button_; }

    // Maintenance: travel times scaled (0 makes every move instant) and stuck mechanisms.
    void set_travel_scale(double scale) { travel_scale_ = scale < 0 ? 0 : scale; }
    double travel_scale() const { return travel_scale_; }
    mirror_mechanism& mirror() { return mirror_; }
    const mirror_mechanism& mirror() const { return mirror_; }
    blade_mechanism& blades() { return blades_; }
    const blade_mechanism& blades() const { return blades_; }

    int pusher_actuations() const { return pusher_actuations_; }
    /// The setpoint code the controller last assembled from its two halves.
    int last_setpoint() const { return last_setpoint_; }
    violation_log& violations() { return violations_; }
    const violation_log& violations() const { return violations_; }
    const clock& time() const { return clock_; }

  private:
    void check_strobe_transition(std::int32_t value, std::uint8_t lines);
    void latch(std::uint8_t lines);
    void run_command(std::uint8_t lines);
    void latch_low_part(std::uint8_t lines);
    void latch_high_part(std::uint8_t lines);
    void actuate_pusher(std::uint8_t lines);
    void report(violation_kind kind, std::string description, std::int32_t value);
    clock::duration scaled(clock::duration nominal) const;

    const clock& clock_;
    mirror_mechanism mirror_;
    blade_mechanism blades_;
    violation_log violations_;
    std::uint8_t outputs_ = 0;
    bool sighting_button_ = true;
    double travel_scale_ = 1.0;
    int low_bits_ = blade_mechanism::initial_code & 7;
    bool low_bits_fresh_ = false;
    int last_setpoint_ = blade_mechanism::initial_code;
    int pusher_actuations_ = 0;
};

}  // namespace helio::sim
