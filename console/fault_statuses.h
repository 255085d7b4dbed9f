// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ttl/errors.h"

namespace helio {

/// A failing status the I/O component may answer with, as the maintainer picks it to make
/// the simulated component fail.
struct named_status {
    status_code code;
    std::string_view name;
    std::string_view meaning;  ///< French, UTF-8
};

inline constexpr std::array<named_status, 5> fault_statuses{{
    {static_cast<status_code>(0x80004005), "E_FAIL", "erreur non spécifiée"},
    {static_cast<status_code>(0x80070005), "E_ACCESSDENIED", "accès refusé"},
    {static_cast<status_code>(0x8001010E), "RPC_E_WRONG_THREAD", "appel depuis un autre thread"},
    {static_cast<status_code>(0x80040154), "REGDB_E_CLASSNOTREG", "classe non enregistrée"},
    {static_cast<status_code>(0x80070057), "E_INVALIDARG", "paramètre incorrect"},
}};

/// "0x80070005 E_ACCESSDENIED (accès refusé)", as the list offers it.
std::string status_choice_text(const named_status& status);

/// The failing status in what the maintainer typed or picked: a name of the list, or up
/// to eight hexadecimal digits with or without "0x", optionally followed by other words
/// (so a line of the list reads back as its code). Empty when the text names no status,
/// or a status that does not fail (a failure has bit 31 set).
std::optional<status_code> parse_failure_status(std::string_view text);

}  // namespace helio
