// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line_split.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace helio {
namespace {

using arguments = std::vector<std::wstring>;

/// Command lines as the Explorer, a shortcut or a prompt hands them to the console, and the
/// arguments after the program's name.
const struct {
    std::wstring line;
    arguments expected;
} command_lines[] = {
    {L"heliograph-console.exe", {}},
    {L"h.exe --simulate  --trace\tC:\\t.txt ", {L"--simulate", L"--trace", L"C:\\t.txt"}},
    {L"\"C:\\Program Files\\h.exe\" --trace \"C:\\Mes essais\\t.txt\"",
     {L"--trace", L"C:\\Mes essais\\t.txt"}},
    {L"\"C:\\a b\\h.exe\"--help", {L"--help"}},  // the name ends at its closing quote
    {L"\"C:\\a b\\h.exe --help", {}},            // the name runs to the end
    {L"h.exe C:\\dossier\\ \"C:\\dossier\\\\\" x", {L"C:\\dossier\\", L"C:\\dossier\\", L"x"}},
    {L"h.exe a\\\\\\\\\"b c\" d", {L"a\\\\b c", L"d"}},  // 2n backslashes, then a quote
    {L"h.exe a\\\\\\\"b c", {L"a\\\"b", L"c"}},          // 2n+1: a quote in the text
    {L"h.exe a\\\\b", {L"a\\\\b"}},                      // none before a quote: as typed
    {L"h.exe \"\" x", {L"", L"x"}},
    {L"h.exe \"a\"\"b\" c", {L"a\"b c"}},  // "" in quotes: one quote, and the quotes end
    {L"h.exe \"\"\"a\"\"\" b", {L"\"a\"", L"b"}},
    {L"h.exe ab\"c d\"e", {L"abc de"}},
    {L"h.exe \"a b", {L"a b"}},
    {L"h.exe \\\"\"\" x", {L"\"", L"x"}},  // an escaped quote, then an empty quoted part
};

TEST(CommandLineSplit, EachArgumentAsTheSystemSplitsIt) {
    for (const auto& command : command_lines) {
        EXPECT_EQ(split_command_line(command.line), command.expected)
            << "the console must read the arguments Windows gives the program";
#ifdef _WIN32
        int count = 0;
        LPWSTR* split = CommandLineToArgvW(command.line.c_str(), &count);
        ASSERT_NE(split, nullptr);
        const arguments by_system(split + 1, split + count);
        LocalFree(split);
        EXPECT_EQ(by_system, command.expected) << "the case must be the system's own splitting";
#endif
    }
}

}  // namespace
}  // namespace helio
