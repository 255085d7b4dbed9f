// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "console/line_monitor.h"
#include "instrument/instrument.h"
#include "ttl/clock.h"

namespace helio {

/// A change on the lines during an action: a write (each one, the same byte again
/// included, for it is a step of the protocol), or a read whose byte differs from the
/// action's last read (the first read of the action included).
struct line_change {
    bool written;
    std::int32_t value;
    /// Since the change before; none for the action's first.
    std::optional<clock::duration> since_previous;
};

/// One action, from its start to its end, as the lines saw it.
struct recorded_press {
    std::uint64_t serial = 0;  ///< counts the actions since start, from 1
    std::string label;         ///< the action's label, as the instrument tells it
    action_origin origin = action_origin::window;
    std::optional<std::int32_t> output_before;  ///< the lines as they were when it began
    std::optional<std::int32_t> input_before;
    std::vector<line_change> changes{};
    std::size_t left_out = 0;  ///< changes past the most kept
    bool ended = false;
};

/// The accesses of the latest actions, each from its start to its end, for the timing view.
/// It reads no clock: a change takes the time the line monitor stamped its access with, so
/// that watching adds nothing to a wait, whose reads cost a compare each.
class press_recorder final : private event_listener {
  public:
    static constexpr std::size_t presses_kept = 20;
    /// A press is a few dozen changes at most: a wait is one.
    static constexpr std::size_t changes_kept = 48;

    /// `monitor` listens to `device` already, and so is told of each access first.
    press_recorder(instrument& device, const line_monitor& monitor);
    ~press_recorder() override;

    press_recorder(const press_recorder&) = delete;
    press_recorder& operator=(const press_recorder&) = delete;

    /// Oldest first; the last one may still be running.
    const std::deque<recorded_press>& presses() const { return presses_; }

  private:
    void on_event(const instrument_event& event) override;
    void begin(const instrument_event& event);
    void record(bool written, std::int32_t value);
    std::optional<clock::time_point> stamp_of(bool written, std::int32_t value) const;

    instrument& device_;
    const line_monitor& monitor_;
    std::deque<recorded_press> presses_;
    bool running_ = false;
    std::optional<clock::time_point> previous_;  ///< of the last change
    std::optional<std::int32_t> last_output_;
    std::optional<std::int32_t> last_input_;
    std::optional<std::int32_t> press_input_;  ///< the action's last read
    std::uint64_t serial_ = 0;
};

}  // namespace helio
