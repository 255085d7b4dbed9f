// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/error_values.h"

#include <functional>
#include <map>

namespace helio::alpaca {

nlohmann::json value_of_error(std::string_view member) {
    // The GET members that can answer an error: those that need the device connected,
    // and those of a switch Id.
    static const std::map<std::string_view, nlohmann::json, std::less<>> empty_values{
        {"canasync", false},
        {"canwrite", false},
        {"devicestate", nlohmann::json::array()},
        {"focusoffsets", nlohmann::json::array()},
        {"getswitch", false},
        {"getswitchdescription", ""},
        {"getswitchname", ""},
        {"getswitchvalue", 0.0},
        {"maxswitch", 0},
        {"maxswitchvalue", 0.0},
        {"minswitchvalue", 0.0},
        {"names", nlohmann::json::array()},
        {"position", 0},
        {"statechangecomplete", false},
        {"switchstep", 0.0},
    };
    const auto found = empty_values.find(member);
    return found == empty_values.end() ? nlohmann::json() : found->second;
}

}  // namespace helio::alpaca
