// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "console/line_monitor.h"
#include "console/virtual_instrument.h"

/// What the panel's changing labels say, from the models, for every view. UTF-8.
namespace helio {

/// A byte as its lamps' value label shows it: "10", or "—" before the first access.
std::string byte_value_text(std::optional<std::int32_t> value);

/// "Attente d'un mécanisme : « lames » en position après 0,840 s", or "... : aucune".
std::string wait_label_text(const line_monitor& monitor);

/// "Accès au port : 7 écriture(s), 1 lecture(s)".
std::string access_counts_text(const line_monitor& monitor);

/// "Armée : le prochain accès échouera avec 0x80070005.", or that none is armed.
std::string armed_fault_text(const instrument_snapshot& state);

/// "Aucune violation.", or "2 violation(s) depuis le démarrage."
std::string violation_count_text(std::uint64_t seen);

/// Where `scale` stands in travel_choices, if it is one of them.
std::optional<std::size_t> travel_choice_index(double scale);

}  // namespace helio
