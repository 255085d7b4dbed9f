// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "simulator/heliograph_controller.h"
#include "simulator/simulated_component_factory.h"
#include "simulator/violation_log.h"
#include "ttl/clock.h"
#include "ttl/errors.h"

namespace helio {

/// The simulated heliograph as the panel shows it. Taking one makes no port access.
struct instrument_snapshot {
    sim::mirror_place mirror = sim::mirror_place::ccd;
    sim::mirror_place mirror_target = sim::mirror_place::ccd;
    bool mirror_stuck = false;
    double blade_code = 0;
    int blade_target = 0;
    bool blades_in_position = true;
    bool blades_stuck = false;
    int pusher_actuations = 0;
    bool sighting_button = true;
    double travel_scale = 1;
    std::optional<status_code> armed_fault{};  ///< the status the next access will fail with
};

/// A setting of the mechanisms' speed: the factor on every nominal travel time.
struct travel_choice {
    double scale;
    std::string_view label;  ///< French, UTF-8
};

inline constexpr std::array<travel_choice, 5> travel_choices{{
    {0.0, "instantanée"},
    {0.1, "10 fois plus rapide"},
    {0.5, "2 fois plus rapide"},
    {1.0, "nominale"},
    {3.0, "3 fois plus lente"},
}};

/// The simulated heliograph seen and steered from the maintainer's panel: its mechanisms,
/// the operator's sighting button, the fault switches, the travel speed, and the breaches
/// of the protocol its controller notices. Nothing here goes through the port.
class virtual_instrument final {
  public:
    explicit virtual_instrument(sim::simulated_component_factory& factory);

    virtual_instrument(const virtual_instrument&) = delete;
    virtual_instrument& operator=(const virtual_instrument&) = delete;

    instrument_snapshot snapshot() const;

    void set_sighting_button(bool active) { controller().set_sighting_button(active); }
    void set_mirror_stuck(bool stuck) { controller().mirror().set_stuck(stuck); }
    void set_blades_stuck(bool stuck) { controller().blades().set_stuck(stuck); }
    void set_travel_scale(double scale) { controller().set_travel_scale(scale); }

    /// Makes the next port access, whichever it is, fail with `status`.
    void fail_next_access(status_code status);
    void cancel_fault();

    /// The breaches the controller saw: the newest, and how many in all.
    const sim::violation_log& violations() const { return factory_.controller().violations(); }

  private:
    sim::heliograph_controller& controller() { return factory_.controller(); }

    sim::simulated_component_factory& factory_;
    std::optional<status_code> armed_status_;
};

/// "en position de visée", "en mouvement vers la position CCD", "BLOQUÉ — ...".
std::string mirror_text(const instrument_snapshot& state);

/// "code 178 (+0,5 Å)", "en mouvement : code 153 → 178 (+0,5 Å)", "BLOQUÉES — ...".
std::string blades_text(const instrument_snapshot& state, std::string_view decimal_separator);

/// "jamais actionné", "actionné 1 fois", "actionné 3 fois".
std::string pusher_text(const instrument_snapshot& state);

/// One breach, its time counted from `origin`: "    1,234  <description> (octet 10)".
std::string violation_line(const sim::violation& found, clock::time_point origin,
                           std::string_view decimal_separator);

}  // namespace helio
