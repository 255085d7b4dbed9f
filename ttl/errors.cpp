// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/errors.h"

#include <cstdio>
#include <utility>

namespace helio {

std::string status_hex(status_code code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX",
                  static_cast<unsigned long>(static_cast<std::uint32_t>(code)));
    return text;
}

io_error::io_error(status_code code, std::string operation, std::string system_text)
    : heliograph_error("I/O component " + operation + " failed with status " + status_hex(code) +
                       (system_text.empty() ? "" : ": " + system_text)),
      code_(code),
      operation_(std::move(operation)),
      system_text_(std::move(system_text)) {}

creation_error::creation_error(status_code code, std::string call, std::string system_text,
                               std::optional<component_registration> registration)
    : io_error(code, std::move(call), std::move(system_text)),
      registration_(std::move(registration)) {}

conversion_error::conversion_error(std::string value_text)
    : heliograph_error("cannot convert '" + value_text + "' to a 32-bit integer"),
      value_text_(std::move(value_text)) {}

overflow_error::overflow_error(const std::string& what)
    : heliograph_error("arithmetic overflow: " + what) {}

bounds_error::bounds_error(std::int32_t index, std::int32_t low, std::int32_t high)
    : heliograph_error("subscript " + std::to_string(index) + " out of range " +
                       std::to_string(low) + ".." + std::to_string(high)),
      index_(index) {}

}  // namespace helio
