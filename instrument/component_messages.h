// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ttl/component_registration.h"
#include "ttl/errors.h"

/// What the operator is told, in French, when the I/O component cannot be reached: the
/// faults a maintainer meets when the component is missing or badly installed, each with
/// what to do about it. UTF-8.
namespace helio {

/// Why a press failed when no instance of the component could be made: what is wrong, the
/// call that failed with its code and the system's text, and what to do.
std::string creation_message(const creation_error& error);

/// What the console says once at start when the registry shows that the component cannot
/// be reached; nothing when it looks installed.
std::optional<std::string> registration_warning(const component_registration& found);

/// Put before Form1's title while the component is known to be out of reach, where a
/// narrow title bar and the task bar still show it; the panel (F12) holds the whole message.
inline constexpr std::string_view unreachable_title_warning = "Composant d'E/S indisponible (F12)";

/// Told in the panel when the component's class object could not be had (`error`): every
/// access then goes through CoCreateInstance, which is slower but makes the same calls.
std::string class_object_fallback_note(const io_error& error);

}  // namespace helio
