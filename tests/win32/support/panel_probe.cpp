// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/panel_probe.h"

#include <regex>

#include "support/window_probe.h"
#include "ttl/win32/wide_text.h"

namespace helio::test {

namespace {

// "    1,502  W  10  0000 1010  code 8 + strobe B"
const std::regex& write_line() {
    static const std::regex pattern("^ *\\d+[.,]\\d{3}  W +(\\d+)  .*");
    return pattern;
}

}  // namespace

std::vector<std::string> utf8_lines(HWND list) {
    std::vector<std::string> lines;
    for (const std::wstring& line : list_lines(list)) {
        lines.push_back(win32::to_utf8(line));
    }
    return lines;
}

std::vector<std::int32_t> written_values(const std::vector<std::string>& transcript) {
    std::vector<std::int32_t> values;
    for (const std::string& line : transcript) {
        if (std::smatch match; std::regex_match(line, match, write_line())) {
            values.push_back(std::stoi(match[1].str()));
        }
    }
    return values;
}

}  // namespace helio::test
