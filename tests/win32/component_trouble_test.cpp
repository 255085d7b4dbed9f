// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// heliograph-console.exe on a PC where the I/O component cannot be reached: never
// registered, registered for programs of the other bitness only, registered with its DLL
// since deleted (as regsvr32 would leave it). Runs in a prefix of its own, a 64-bit one so that
// both registry views exist, whose registry each case arranges before it starts the console.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "console/panel_texts.h"
#include "support/console_process.h"
#include "support/window_probe.h"
#include "ttl/win32/wide_text.h"

namespace helio {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using win32::to_utf16;
using win32::to_utf8;

/// What the test program was given: the console, and the stand-in component built for
/// programs of the other bitness.
std::wstring console_path;
std::wstring other_standin_path;

constexpr int program_bits = sizeof(void*) * 8;
constexpr int other_bits = program_bits == 64 ? 32 : 64;
constexpr wchar_t class_name[] = L"{E715B92B-25F9-11D1-9330-444553540000}";

REGSAM view_of(int bits) {
    return bits == 64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

/// Takes the component's class out of the registry view of programs of `bits`.
void unregister(int bits) {
    HKEY classes = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID", 0, KEY_ALL_ACCESS | view_of(bits), &classes) ==
        ERROR_SUCCESS) {
        RegDeleteTreeW(classes, class_name);
        RegCloseKey(classes);
    }
}

/// Registers `server` for the class in the view of programs of `bits`, as that bitness's
/// regsvr32 would; the other bitness's regsvr32 may not run on the test machine.
void register_in_view(int bits, const std::wstring& server) {
    const std::wstring key_name = std::wstring(L"CLSID\\") + class_name + L"\\InprocServer32";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key_name.c_str(), 0, nullptr, 0,
                              KEY_WRITE | view_of(bits), nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring model = L"Apartment";
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                   static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
    RegSetValueExW(key, L"ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model.c_str()),
                   static_cast<DWORD>((model.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

/// One way the component can be out of reach: how the registry is left, and the sentence
/// the operator reads for it at start and at every press.
struct trouble {
    const char* name;
    std::function<std::string()> arrange;  ///< hands back the sentence
};

const std::vector<trouble>& troubles() {
    static const std::vector<trouble> cases{
        {"never registered",
         [] {
             return "Le composant d'entrées-sorties n'est pas enregistré sur ce PC : classe "
                    "{E715B92B-25F9-11D1-9330-444553540000} inconnue";
         }},
        {"registered for the other bitness only",
         [] {
             register_in_view(other_bits, other_standin_path);
             return "Le composant d'entrées-sorties n'est enregistré que pour les programmes " +
                    std::to_string(other_bits) + " bits (" + to_utf8(other_standin_path) +
                    ") : cette console " + std::to_string(program_bits) +
                    " bits ne peut pas le charger";
         }},
        {"registered, its DLL deleted",
         [] {
             const std::wstring gone = test::temporary_path(L"heliograph_io_standin_deleted.dll");
             register_in_view(program_bits, gone);
             return "Le fichier du composant d'entrées-sorties est introuvable : " + to_utf8(gone);
         }},
    };
    return cases;
}

class ComponentTroubleTest : public ::testing::TestWithParam<std::size_t> {
  protected:
    ComponentTroubleTest() {
        unregister(32);
        unregister(64);
        DeleteFileW(trace_path.c_str());
    }
    ~ComponentTroubleTest() override {
        unregister(32);
        unregister(64);
    }

    const std::wstring trace_path = test::temporary_path(L"helio-trouble-trace.txt");
};

TEST_P(ComponentTroubleTest, SaidAtStartAndAtEveryPressAndTheConsoleGoesOn) {
    const trouble& c = troubles()[GetParam()];
    const std::string what = c.arrange();
    test::console_process console(console_path, L"--trace \"" + trace_path + L"\"");
    const std::wstring title =
        L"Composant d'E/S indisponible (F12) \u2014 COMMANDES TTL HELIOGRAPHE";
    ASSERT_NE(console.wait_for_window(title), nullptr) << c.name << ": the title says so";

    const std::string visee = to_utf8(console.click_answering_message_box("Command1"));
    std::printf("%s, the operator reads:\n%s\n", c.name, visee.c_str());
    EXPECT_THAT(visee, StartsWith(what + " (CoGetClassObject, code 0x")) << c.name;
    EXPECT_THAT(visee, EndsWith(".\nLa commande est abandonnée.")) << c.name;
    EXPECT_EQ(to_utf8(console.click_answering_message_box("Command9")), visee)
        << c.name << ": every press says the same";

    std::string one_line = visee;
    std::ranges::replace(one_line, '\n', ' ');
    console.press_key(VK_F12);
    HWND panel = console.wait_for_window(to_utf16(panel_titles::real_device), 10000);
    ASSERT_NE(panel, nullptr) << c.name << ": F12 opens the monitor";
    Sleep(300);  // the panel catches up with the monitor on its timer
    // On the instrument the transcript is the panel's only list.
    const std::vector<std::string> transcript =
        test::utf8_lines(FindWindowExW(panel, nullptr, L"LISTBOX", nullptr));
    EXPECT_EQ(console.close(), 0u) << c.name;

    const std::vector<std::string> trace = test::read_lines(trace_path);
    ASSERT_EQ(trace.size(), 3u) << c.name << ": no access ever went through";
    EXPECT_THAT(trace[0], StartsWith("E " + what + ". Aucune commande n'atteindra l'instrument."))
        << c.name << ": once at start, before any press";
    EXPECT_EQ(trace[1], "E " + one_line) << c.name;
    EXPECT_EQ(trace[2], "E " + one_line) << c.name;
    ASSERT_EQ(transcript.size(), 3u) << c.name;
    EXPECT_THAT(transcript[0], HasSubstr("E  " + trace[0].substr(2))) << c.name;
    EXPECT_THAT(transcript[2], HasSubstr("E  " + one_line)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(EveryTrouble, ComponentTroubleTest,
                         ::testing::Range(std::size_t{0}, troubles().size()));

}  // namespace
}  // namespace helio

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: %s [gtest options] heliograph-console.exe OTHER-BITNESS-STANDIN.dll\n",
                     argv[0]);
        return 2;
    }
    helio::console_path = helio::test::windows_path(argv[1]);
    helio::other_standin_path = helio::test::windows_path(argv[2]);
    return RUN_ALL_TESTS();
}
