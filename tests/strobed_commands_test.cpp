// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "sequences/strobed_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/scripted_sequence.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using ::testing::ElementsAreArray;

/// A sequence, the input states it reads in turn, and what it must send and log, and say.
struct sequence_case {
    const char* what;
    bool (*run)(sequence_context&);  ///< the sequence; true when it declined to act
    std::vector<port_value> reads;
    std::vector<std::string> events;
    std::vector<std::string> lines;
    bool refused = false;
};

bool visee(sequence_context& context) {
    position_visee(context);
    return false;
}
bool ccd(sequence_context& context) {
    position_ccd(context);
    return false;
}
bool pusher(sequence_context& context) {
    return actuate_pusher(context) == pusher_result::refused;
}

TEST(StrobedCommands, EachSendsItsCommandOnlyWhenNeededAndWaitsForItsOwnBit) {
    const char* const positioned = "Visee positionnee";
    const sequence_case cases[] = {
        {"sighting already there", visee, {2}, {"R 2"}, {positioned}},
        {"sighting, bit 1 only",
         visee,
         {0, 0, 1 | 4 | 8 | 16, 253, 2 | 4},
         {"R 0", "W 8", "W 10", "S1", "W 8", "W 0", "R 0", "R 29", "R 253", "R 6"},
         {positioned}},
        {"CCD, bit 2 only",
         ccd,
         {1 | 2 | 8, 1 | 2 | 8, 251, 4},
         {"R 11", "W 16", "W 18", "S1", "W 16", "W 0", "R 11", "R 251", "R 4"},
         {"CCD positionnee"}},
        {"CCD already there", ccd, {4 | 8}, {"R 12"}, {"CCD positionnee"}},
        {"pusher, sighting button inactive",
         pusher,
         {2 | 4 | 8},
         {"R 14"},
         {"Bouton de visee NON active"},
         true},
        {"pusher, mirror at sighting",
         pusher,
         {1 | 2},
         {"R 3", "R 3", "W 32", "W 34", "S1", "W 32", "W 0"},
         {"Bouton de visee active", positioned}},
        {"pusher, mirror brought to sighting first",
         pusher,
         {1, 1, 1, 1 | 2},
         {"R 1", "R 1", "W 8", "W 10", "S1", "W 8", "W 0", "R 1", "R 3", "W 32", "W 34", "S1",
          "W 32", "W 0"},
         {"Bouton de visee active", positioned}},
        {"pusher, the button dropping while the mirror travels: the pulse goes, as decided",
         pusher,
         {1, 0, 0, 2},
         {"R 1", "R 0", "W 8", "W 10", "S1", "W 8", "W 0", "R 0", "R 2", "W 32", "W 34", "S1",
          "W 32", "W 0"},
         {"Bouton de visee active", positioned}},
    };
    for (const sequence_case& c : cases) {
        test::scripted_sequence run(/*with_reads=*/true);
        run.factory.script_reads(c.reads);
        EXPECT_EQ(c.run(run.context), c.refused) << c.what;
        EXPECT_THAT(run.ports.events, ElementsAreArray(c.events)) << c.what;
        EXPECT_THAT(run.ports.lines, ElementsAreArray(c.lines)) << c.what;
    }
}

}  // namespace
}  // namespace helio
