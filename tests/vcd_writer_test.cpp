// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "console/line_monitor.h"
#include "console/trace_writer.h"
#include "console/vcd_writer.h"
#include "support/every_button_script.h"
#include "support/simulated_console.h"

namespace helio {
namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

/// A stream buffer that counts its flushes: the recording is to be on disk after each press.
struct counted_flushes : std::stringbuf {
    int flushes = 0;
    int sync() override {
        ++flushes;
        return std::stringbuf::sync();
    }
};

/// The console on the simulator with its trace, its VCD recording and the panel's monitor.
struct recorded_console : test::simulated_console {
    explicit recorded_console(const test::sim_builder& wanted) : simulated_console(wanted) {}

    void play_every_button() {
        test::play_every_button(model, [this](const test::scripted_press& press) {
            if (!press.typed.empty()) {
                model.Text1_Change(press.typed);
            }
            model.press(press.control);
        });
    }
    /// The output byte's changes in the recording: when, in ns, and the byte.
    std::vector<std::pair<long long, int>> output_changes() const {
        std::vector<std::pair<long long, int>> found;
        std::istringstream in(recorded.str());
        long long now = 0;
        for (std::string token; in >> token;) {
            if (token[0] == '#') {
                now = std::stoll(token.substr(1));
            } else if (token[0] == 'r' && in >> std::ws && in.peek() == 'I') {
                found.emplace_back(now, std::stoi(token.substr(1)));
            }
        }
        return found;
    }

    /// The bytes whose lines, as the 1-bit variables give them, are another byte.
    std::vector<std::string> bytes_unlike_their_lines() const {
        std::vector<std::string> unlike;
        std::map<char, int> lines;
        std::istringstream in(recorded.str());
        for (std::string token; in >> token;) {
            if ((token[0] == '0' || token[0] == '1') && token.size() == 2) {
                lines[token[1]] = token[0] - '0';
            } else if (token[0] == 'r' && in >> std::ws && (in.peek() == 'I' || in.peek() == 'R')) {
                const char first = in.peek() == 'I' ? 'A' : 'J';
                int value = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    value |= lines[static_cast<char>(first + bit)] << bit;
                }
                if (value != std::stoi(token.substr(1))) {
                    unlike.push_back(token + " " + static_cast<char>(in.peek()) + " has lines " +
                                     std::to_string(value));
                }
            }
        }
        return unlike;
    }

    std::ostringstream trace_text;
    trace_writer trace{trace_text, device};
    counted_flushes recorded;
    std::ostream recording{&recorded};
    vcd_writer vcd{recording, device, {.program = "heliograph-console 9.8.7", .date = "today"}};
    line_monitor monitor{device};
};

TEST(VcdRecording, EachPressIsFlushedAndIdenticalReadsAddNothing) {
    recorded_console console(test::make_sim().step(50us).decimal_separator("."));
    const std::string header = console.recorded.str();
    for (const char* part : {"heliograph-console 9.8.7", "today", "$timescale 1 ns $end",
                             "$scope module sortie $end", "$scope module entree $end"}) {
        EXPECT_THAT(header, HasSubstr(part));
    }
    console.model.press("Command1");
    const int flushes = console.recorded.flushes;
    const std::size_t size = console.recorded.str().size();
    EXPECT_LT(size - header.size(), 400u) << "a press adds a few hundred bytes";
    for (int i = 0; i < 10000; ++i) {
        console.port.get_ttl();
    }
    EXPECT_EQ(console.recorded.str().size(), size) << "the same input, read again";
    console.model.press("Command2");
    EXPECT_EQ(console.recorded.flushes, flushes + 1) << "once, at the end of the press";
    EXPECT_THAT(console.bytes_unlike_their_lines(), ::testing::IsEmpty());
    const std::string recorded = console.recorded.str();
    const std::string after_end = recorded.substr(recorded.rfind("s- S\n") + 5);
    EXPECT_TRUE(after_end.size() > 2 && after_end.front() == '#' && after_end.back() == '\n' &&
                after_end.find_first_not_of("0123456789", 1) == after_end.size() - 1)
        << after_end;
}

TEST(VcdRecording, EachStrobeIsAsWideAsThePanelShowsIt) {
    // Real time: the strobe's width is the spin's, which only the steady clock measures.
    recorded_console console(test::make_sim().real_time().instant());
    for (const char* control : {"Command1", "Command6", "Command8"}) {
        console.model.press(control);
    }
    std::vector<long long> recorded;
    long long rose = -1;
    for (const auto& [when, value] : console.output_changes()) {
        if ((value & 3) != 0 && rose < 0) {
            rose = when;
        } else if ((value & 3) == 0 && rose >= 0) {
            recorded.push_back(when - rose);
            rose = -1;
        }
    }
    std::vector<long long> shown;  // from the raising write's line to the S line
    const auto& lines = console.monitor.transcript();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].what == transcript_entry::kind::spin) {
            shown.push_back((lines[i].when - lines[i - 1].when).count());
        }
    }
    ASSERT_EQ(recorded.size(), 5u) << "VISEE's pulse, then two for each setpoint";
    ASSERT_EQ(shown.size(), recorded.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_GE(recorded[i], shown[i]) << "the strobe falls after the spin, strobe " << i;
        EXPECT_LT(recorded[i] - shown[i], 1'000'000) << "within the panel's millisecond";
    }
}

#ifdef HELIO_VCD_READ_BACK
TEST(VcdRecording, ReadersNobodyHereWroteReadEveryPressOfTheScript) {
    recorded_console console(test::make_sim().step(50us).decimal_separator("."));
    console.play_every_button();
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "helio-vcd-read-back";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "run.vcd") << console.recorded.str();
    std::ofstream(folder / "trace.txt") << console.trace_text.str();
    std::ofstream presses(folder / "presses.txt");
    for (const test::scripted_press& press : test::every_button_script()) {
        for (const std::int32_t value : press.writes()) {
            presses << value << ' ';
        }
        presses << '\n';
    }
    presses.close();
    const std::string command = HELIO_VCD_READ_BACK " " + (folder / "run.vcd").string() + " " +
                                (folder / "trace.txt").string() + " " +
                                (folder / "presses.txt").string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
#endif

}  // namespace
}  // namespace helio
