// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_labels.h"

#include <algorithm>

#include "console/transcript_text.h"

namespace helio {

std::string byte_value_text(std::optional<std::int32_t> value) {
    return value ? std::to_string(*value) : "—";
}

std::string wait_label_text(const line_monitor& monitor) {
    const std::string wait = monitor.last_wait()
                                 ? wait_summary(*monitor.last_wait(), monitor.decimal_separator())
                                 : "aucune";
    return "Attente d'un mécanisme : " + wait;
}

std::string access_counts_text(const line_monitor& monitor) {
    return "Accès au port : " + std::to_string(monitor.writes()) + " écriture(s), " +
           std::to_string(monitor.reads()) + " lecture(s)";
}

std::string armed_fault_text(const instrument_snapshot& state) {
    if (!state.armed_fault) {
        return "Aucune panne d'accès armée.";
    }
    return "Armée : le prochain accès échouera avec " + status_hex(*state.armed_fault) + ".";
}

std::string violation_count_text(std::uint64_t seen) {
    if (seen == 0) {
        return "Aucune violation.";
    }
    return std::to_string(seen) + " violation(s) depuis le démarrage.";
}

std::optional<std::size_t> travel_choice_index(double scale) {
    const auto choice = std::ranges::find(travel_choices, scale, &travel_choice::scale);
    if (choice == travel_choices.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(choice - travel_choices.begin());
}

}  // namespace helio
