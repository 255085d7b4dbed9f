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

// "    1,503  R   1  0000 0001  bouton  ×48211"
const std::regex& read_line() {
    static const std::regex pattern("^ *\\d+[.,]\\d{3}  R +(\\d+)  .*?(?:\xC3\x97(\\d+))?$");
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

std::vector<read_run> read_runs(const std::vector<std::string>& transcript) {
    std::vector<read_run> runs;
    for (const std::string& line : transcript) {
        if (std::smatch match; std::regex_match(line, match, read_line())) {
            const std::uint64_t count = match[2].matched ? std::stoull(match[2].str()) : 1;
            runs.emplace_back(std::stoi(match[1].str()), count);
        }
    }
    return runs;
}

std::vector<read_run> runs_of(const std::vector<std::string>& events) {
    std::vector<read_run> runs;
    for (const std::string& event : events) {
        if (!event.starts_with("R ")) {
            runs.emplace_back(-1, 0);  // anything else ends a run
            continue;
        }
        const int value = std::stoi(event.substr(2));
        if (!runs.empty() && runs.back().first == value) {
            ++runs.back().second;
        } else {
            runs.emplace_back(value, 1);
        }
    }
    std::erase_if(runs, [](const read_run& run) { return run.first < 0; });
    return runs;
}

}  // namespace helio::test
