// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "reliability/console_rig.h"

#include "ttl/protocol.h"

namespace helio::test {

press_record console_rig::press(std::string_view control) {
    host.clear();
    ports.clear();
    press_record record;
    const auto& violations = controller.monitor().violations();
    const std::size_t breaches_before = violations.size();
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
    record.breaches.assign(violations.begin() + static_cast<std::ptrdiff_t>(breaches_before),
                           violations.end());
    return record;
}

bool only_excused_breaches(const press_record& press) {
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

bool tells_lines_not_released(const std::string& message) {
    return message.find("n'ont pas pu être remises à 0") != std::string::npos;
}

bool is_internal_error(const std::string& message) {
    return message.starts_with("Erreur interne");
}

}  // namespace helio::test
