// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <oaidl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "console/panel_texts.h"
#include "support/console_process.h"
#include "support/every_button_script.h"
#include "support/window_probe.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

/// The program under test, given on the command line (a Linux path is on drive Z:).
std::wstring program_path;

/// One line of the stand-in component's journal: "write 3 port 91 value 8 aux 0 type 16387".
struct journal_entry {
    std::string kind;
    unsigned instance = 0;
    long port = 0;
    long value = 0;
    unsigned type = 0;
};

std::vector<journal_entry> parse_journal(const std::vector<std::string>& lines) {
    std::vector<journal_entry> entries;
    for (const std::string& line : lines) {
        char kind[32] = {};
        journal_entry entry;
        long aux = 0;
        std::sscanf(line.c_str(), "%31s %u port %ld value %ld aux %ld type %u", kind,
                    &entry.instance, &entry.port, &entry.value, &aux, &entry.type);
        entry.kind = kind;
        entries.push_back(entry);
    }
    return entries;
}

/// heliograph-console.exe as the operator starts it, the stand-in component registered in
/// the prefix and keeping a journal of every call, the mechanisms twenty times faster.
class ConsoleProgramTest : public ::testing::Test {
  protected:
    ConsoleProgramTest() {
        DeleteFileW(trace_path.c_str());
        DeleteFileW(journal_path.c_str());
        SetEnvironmentVariableW(L"HELIO_STANDIN_JOURNAL", journal_path.c_str());
        SetEnvironmentVariableW(L"HELIO_STANDIN_TRAVEL_SCALE", L"0.05");
    }

    std::wstring trace_argument() const { return L"--trace \"" + trace_path + L"\""; }
    std::vector<std::string> trace_without_reads() const {
        std::ifstream trace{std::filesystem::path(trace_path)};
        return test::trace_without_reads(trace);
    }

    void play(const test::console_process& console, const test::scripted_press& press) {
        if (!press.typed.empty()) {
            console.type(win32::to_utf16(press.typed));
        }
        console.click(press.control);
    }

    const std::wstring trace_path = test::temporary_path(L"helio-trace.txt");
    const std::wstring journal_path = test::temporary_path(L"helio-standin-journal.txt");
};

/// Where the run of the script leaves its trace, VCD recording and presses for the Linux
/// readers to read back (tests/vcd/read_back.py), if the test is given a folder for them.
std::wstring recording_folder() {
    const DWORD length = GetEnvironmentVariableW(L"HELIO_RECORDING_DIR", nullptr, 0);
    std::wstring folder(length, L'\0');
    GetEnvironmentVariableW(L"HELIO_RECORDING_DIR", folder.data(), length);
    folder.resize(length == 0 ? 0 : length - 1);
    return folder;
}

void keep_for_read_back(const std::wstring& trace, const std::wstring& vcd) {
    const std::filesystem::path folder = recording_folder();
    if (folder.empty()) {
        return;
    }
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(trace, folder / "trace.txt",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(vcd, folder / "run.vcd",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream presses(folder / "presses.txt");
    for (const test::scripted_press& press : test::every_button_script()) {
        for (const std::int32_t value : press.writes()) {
            presses << value << ' ';
        }
        presses << '\n';
    }
}

TEST_F(ConsoleProgramTest, EveryButtonGoesThroughTheRegisteredComponentWithTheScriptsBytes) {
    const std::wstring vcd_path = test::temporary_path(L"helio-lines.vcd");
    test::console_process console(program_path, trace_argument() + L" --vcd \"" + vcd_path + L"\"");
    ASSERT_NE(console.wait_for_window(), nullptr);
    for (const test::scripted_press& press : test::every_button_script()) {
        play(console, press);
    }
    EXPECT_EQ(console.close(), 0u);
    EXPECT_EQ(trace_without_reads(), test::every_button_trace());
    keep_for_read_back(trace_path, vcd_path);

    std::vector<journal_entry> calls = parse_journal(test::read_lines(journal_path));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, "class-object") << "asked for at the first access";
    calls.erase(calls.begin());
    EXPECT_EQ(std::ranges::count(calls, std::string("class-object"), &journal_entry::kind), 0)
        << "and never again";
    ASSERT_EQ(calls.size() % 3, 0u) << "new, one call, release";
    std::vector<std::string> written;
    for (std::size_t i = 0; i < calls.size(); i += 3) {
        EXPECT_EQ(calls[i].kind, "new");
        EXPECT_EQ(calls[i + 2].kind, "release");
        EXPECT_EQ(calls[i + 1].instance, calls[i].instance);
        EXPECT_EQ(calls[i + 2].instance, calls[i].instance);
        EXPECT_EQ(calls[i + 1].port, 91);
        if (calls[i + 1].kind == "write") {
            EXPECT_EQ(calls[i + 1].type, unsigned{VT_BYREF | VT_I4});
            written.push_back("W " + std::to_string(calls[i + 1].value));
        } else {
            EXPECT_EQ(calls[i + 1].kind, "read");
        }
    }
    std::vector<std::string> expected = test::every_button_trace();
    std::erase_if(expected, [](const std::string& event) { return !event.starts_with("W "); });
    EXPECT_EQ(written, expected) << "the bytes the component received";
}

TEST_F(ConsoleProgramTest, RefusedTheClassObjectTheConsoleSaysSoOnceAndTheAccessesGoOn) {
    SetEnvironmentVariableW(L"HELIO_STANDIN_REFUSE_CLASS_OBJECT", L"80004002");
    test::console_process console(program_path, trace_argument());
    SetEnvironmentVariableW(L"HELIO_STANDIN_REFUSE_CLASS_OBJECT", nullptr);
    ASSERT_NE(console.wait_for_window(), nullptr) << "no fault to tell in the title";
    console.click("Command9");
    console.click("Command9");
    EXPECT_EQ(console.close(), 0u);
    EXPECT_THAT(test::read_lines(trace_path),
                ElementsAre(StartsWith("E La fabrique de classe du composant d'entrées-sorties "
                                       "n'a pas pu être obtenue (CoGetClassObject, code "
                                       "0x80004002"),
                            "W 0", "W 0"));
    std::vector<std::string> kinds;
    std::ranges::transform(parse_journal(test::read_lines(journal_path)), std::back_inserter(kinds),
                           &journal_entry::kind);
    EXPECT_THAT(kinds, ElementsAre("class-object-refused", "class-object", "new", "write",
                                   "release", "class-object", "new", "write", "release"))
        << "CoCreateInstance for every access, each its own object";
}

/// How many child windows of `window` bear `caption`.
int children_captioned(HWND window, std::string_view caption) {
    const std::wstring text = win32::to_utf16(caption);
    int found = 0;
    for (HWND child = FindWindowExW(window, nullptr, nullptr, text.c_str()); child != nullptr;
         child = FindWindowExW(window, child, nullptr, text.c_str())) {
        ++found;
    }
    return found;
}

TEST_F(ConsoleProgramTest, SimulateOpensThePanelBesideForm1AndRunsOnTheBuiltInHeliographAlone) {
    test::console_process console(program_path, L"--simulate " + trace_argument());
    HWND form = console.wait_for_window();
    ASSERT_NE(form, nullptr);
    HWND panel = console.wait_for_window(win32::to_utf16(panel_titles::simulator), 10000);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_GE(test::window_rect(panel).left, test::window_rect(form).right)
        << "beside Form1, not over it";
    EXPECT_EQ(GetForegroundWindow(), form) << "the operator's window keeps the focus";
    EXPECT_EQ(children_captioned(panel, panel_captions::sighting_button), 1)
        << "with the virtual instrument";

    // From a fresh start the blades are at the line centre already: no real-time travel.
    const auto& script = test::every_button_script();
    std::vector<std::string> expected;
    for (const std::size_t step : {std::size_t{0}, std::size_t{8}, std::size_t{11}}) {
        play(console, script[step]);
        expected.insert(expected.end(), script[step].trace.begin(), script[step].trace.end());
    }
    EXPECT_EQ(console.close(), 0u) << "closing Form1 ends the console, panel and all";
    EXPECT_EQ(trace_without_reads(), expected);
    EXPECT_THAT(test::read_lines(journal_path), IsEmpty());
}

TEST_F(ConsoleProgramTest, OnTheInstrumentThePanelIsTheMonitorAloneAndWaitsForF12) {
    test::console_process console(program_path, L"");
    ASSERT_NE(console.wait_for_window(), nullptr);
    const std::wstring title = win32::to_utf16(panel_titles::real_device);
    EXPECT_EQ(console.wait_for_window(title, 500), nullptr) << "absent at start";
    console.press_key(VK_F12);
    HWND panel = console.wait_for_window(title, 10000);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(children_captioned(panel, panel_captions::sighting_button), 0)
        << "no virtual instrument on the instrument";
    EXPECT_EQ(console.close(), 0u);
    EXPECT_THAT(test::read_lines(journal_path), IsEmpty())
        << "opening the panel made no call to the component";
}

TEST_F(ConsoleProgramTest, AnUnknownArgumentIsRefusedWithTheUsage) {
    test::console_process console(program_path, L"--bogus");
    EXPECT_EQ(console.wait_for_exit(), 2u);
    EXPECT_THAT(console.standard_error(), HasSubstr("unknown argument: --bogus"));
    EXPECT_THAT(console.standard_error(), HasSubstr("--simulate"));
}

TEST_F(ConsoleProgramTest, ATraceFileThatCannotBeMadeStopsTheProgramBeforeAnyAccess) {
    test::console_process console(program_path, L"--trace Z:\\no\\such\\folder\\trace.txt");
    EXPECT_EQ(console.wait_for_exit(), 1u);
    EXPECT_THAT(console.standard_error(), HasSubstr("cannot open trace file"));
    EXPECT_THAT(test::read_lines(journal_path), IsEmpty());
}

}  // namespace
}  // namespace helio

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s [gtest options] PATH-OF-heliograph-console.exe\n", argv[0]);
        return 2;
    }
    helio::program_path = helio::test::windows_path(argv[1]);
    return RUN_ALL_TESTS();
}
