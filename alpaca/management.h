// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "alpaca/device_member.h"

namespace helio::alpaca {

/// The versions of the Alpaca API the server speaks.
nlohmann::json api_versions();

/// The management description of the server as a whole; `location` says where it runs
/// (the computer's name).
nlohmann::json server_description(std::string_view location);

/// The configured devices: name, type, number and the unique id of each.
nlohmann::json configured_devices(const std::vector<served_device>& devices);

/// The browser pages: "/setup" (the whole server) and "/setup/v1/{type}/{number}/setup"
/// (one device; nothing to set, the page says what it is). Nothing for any other path.
std::optional<std::string> setup_page(std::string_view path,
                                      const std::vector<served_device>& devices);

}  // namespace helio::alpaca
