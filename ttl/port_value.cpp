// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/port_value.h"

#include <sstream>

namespace helio {

namespace {

struct describer {
    std::string operator()(empty_value) const { return "VT_EMPTY"; }
    std::string operator()(null_value) const { return "VT_NULL"; }
    std::string operator()(bool v) const { return v ? "VT_BOOL True" : "VT_BOOL False"; }
    std::string operator()(std::uint8_t v) const { return "VT_UI1 " + std::to_string(v); }
    std::string operator()(std::int16_t v) const { return "VT_I2 " + std::to_string(v); }
    std::string operator()(std::int32_t v) const { return "VT_I4 " + std::to_string(v); }
    std::string operator()(float v) const { return "VT_R4 " + real_text(v); }
    std::string operator()(double v) const { return "VT_R8 " + real_text(v); }
    std::string operator()(const std::string& v) const { return "VT_BSTR '" + v + "'"; }

    static std::string real_text(double v) {
        std::ostringstream out;
        out << v;
        return out.str();
    }
};

}  // namespace

std::string describe(const port_value& value) {
    return std::visit(describer{}, value);
}

}  // namespace helio
