// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/command_line_split.h"

#include <algorithm>

namespace helio {

namespace {

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

/// Where the program's name ends: at the next quote if it starts with one, whatever comes
/// between, at the first blank otherwise.
std::size_t after_program_name(std::wstring_view line) {
    if (!line.empty() && line.front() == L'"') {
        const std::size_t closing = line.find(L'"', 1);
        return closing == std::wstring_view::npos ? line.size() : closing + 1;
    }
    std::size_t end = 0;
    while (end < line.size() && !is_blank(line[end])) {
        ++end;
    }
    return end;
}

/// One argument from `at`, left after it. `quotes` counts the quotes of a run: 1 inside a
/// quoted part, and a third quote in a row is a literal one.
std::wstring next_argument(std::wstring_view line, std::size_t& at) {
    std::wstring argument;
    int quotes = 0;
    while (at < line.size() && !(quotes == 0 && is_blank(line[at]))) {
        if (line[at] == L'\\') {
            const std::size_t end = std::min(line.find_first_not_of(L'\\', at), line.size());
            const std::size_t run = end - at;
            at = end;
            const bool before_quote = at < line.size() && line[at] == L'"';
            argument.append(before_quote ? run / 2 : run, L'\\');
            if (before_quote && run % 2 == 1) {
                argument += L'"';  // escaped
                ++at;
            }
            continue;
        }
        if (line[at] != L'"') {
            argument += line[at++];
            continue;
        }
        ++quotes;
        for (++at; at < line.size() && line[at] == L'"'; ++at) {
            if (++quotes == 3) {
                argument += L'"';
                quotes = 0;
            }
        }
        if (quotes == 2) {
            quotes = 0;
        }
    }
    return argument;
}

}  // namespace

std::vector<std::wstring> split_command_line(std::wstring_view line) {
    std::vector<std::wstring> arguments;
    std::size_t at = after_program_name(line);
    while (true) {
        while (at < line.size() && is_blank(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            return arguments;
        }
        arguments.push_back(next_argument(line, at));
    }
}

}  // namespace helio
