// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/simulated_console.h"
#include "support/worked_numbers.h"
#include "ttl/protocol.h"

namespace helio::test {

/// One press as the operator and the instrument lived it.
struct press_record {
    bool handled = false;  ///< the model took the press and ran the handler
    bool busy_after = false;
    std::vector<std::string> errors;
    std::vector<std::string> lines;
    std::uint64_t accesses = 0;  ///< port accesses attempted, failed ones included
    int writes = 0;              ///< writes that reached the port
    std::uint8_t outputs_before = 0;
    std::uint8_t outputs_after = 0;
    bool sighting_button_before = false;
    int pusher_actuations = 0;
    std::uint64_t live_instances_after = 0;
    std::vector<sim::violation> breaches;

    bool ended_normally() const { return errors.empty(); }
};

/// The whole console on the simulated heliograph, on simulated time: every reading of the
/// clock moves it by `step`, so a minute's wait costs no real time. GO reads the entry as
/// on an English PC; the host recorder holds what the operator was shown during the last
/// press, the log's lines included.
struct console_rig : simulated_console {
    explicit console_rig(clock::duration step = std::chrono::milliseconds(1),
                         double travel_scale = 0.0)
        : simulated_console(make_sim()
                                .step(step)
                                .travel_scale(travel_scale)
                                .decimal_separator(".")
                                .numbers(english_us_numbers)) {}

    void type(std::string_view text) { model.Text1_Change(text); }
    press_record press(std::string_view control) {
        host.clear();
        ports.clear();
        press_record record;
        const std::uint64_t breaches_before = controller.violations().seen();
        const std::uint64_t accesses_before = factory.accesses();
        const int pushes_before = controller.pusher_actuations();
        record.outputs_before = controller.output_lines();
        record.sighting_button_before = controller.sighting_button();

        record.handled = model.press(control);

        record.busy_after = model.busy() || host.started != host.finished;
        record.errors = host.errors;
        record.lines = host.lines;
        record.accesses = factory.accesses() - accesses_before;
        record.writes = static_cast<int>(ports.writes.size());
        record.outputs_after = controller.output_lines();
        record.pusher_actuations = controller.pusher_actuations() - pushes_before;
        record.live_instances_after = factory.live_instances();
        const auto& kept = controller.violations().newest();
        const auto fresh = static_cast<std::ptrdiff_t>(
            std::min<std::uint64_t>(controller.violations().seen() - breaches_before, kept.size()));
        record.breaches.assign(kept.end() - fresh, kept.end());
        return record;
    }
};

/// Where a press starts from: the console as it starts, or with the mirror sent to sighting.
inline void as_started(console_rig&) {}
inline void mirror_at_sighting(console_rig& rig) {
    rig.press("Command1");
}

/// The controller's complaints that a press may cause and still be correct: a strobe lowered
/// while the data change, which latches nothing (latching needs a rising strobe), in two
/// places only. A sequence starts by presenting its data with the strobes low: when a
/// strobe was left high (its release failed, and the operator was told), that first write
/// changes the data under it. And a press that fails with a strobe raised lowers it with
/// one write of 0, the data going with it. Nothing else is excused.
inline bool only_excused_breaches(const press_record& press) {
    const bool strobe_left_high = (press.outputs_before & protocol::strobe_mask) != 0;
    for (std::size_t i = 0; i < press.breaches.size(); ++i) {
        const sim::violation& breach = press.breaches[i];
        const bool inherited = i == 0 && strobe_left_high;
        const bool release =
            i + 1 == press.breaches.size() && !press.errors.empty() && breach.output_value == 0;
        if (breach.kind != sim::violation_kind::data_changed_while_strobed ||
            !(inherited || release)) {
            return false;
        }
    }
    return true;
}

/// The operator's message says a strobe stays raised.
inline bool tells_lines_not_released(const std::string& message) {
    return message.find("n'ont pas pu être remises à 0") != std::string::npos;
}

/// Every error the console can show the operator names what went wrong; this one means an
/// exception escaped the console's own error types.
inline bool is_internal_error(const std::string& message) {
    return message.starts_with("Erreur interne");
}

}  // namespace helio::test
