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

/// A sequence, the input states it reads in turn, and what it must send and log.
struct sequence_case {
    const char* what;
    void (*run)(sequence_context&);
    std::vector<port_value> reads;
    std::vector<std::string> events;
    std::vector<std::string> lines;
};

TEST(StrobedCommands, EachSendsItsCommandOnlyWhenNeededAndWaitsForItsOwnBit) {
    const char* const visee = "Visee positionnee";
    const sequence_case cases[] = {
        {"sighting already there", position_visee, {2}, {"R 2"}, {visee}},
        {"sighting, bit 1 only",
         position_visee,
         {0, 0, 1 | 4 | 8 | 16, 253, 2 | 4},
         {"R 0", "W 8", "W 10", "S1", "W 8", "W 0", "R 0", "R 29", "R 253", "R 6"},
         {visee}},
        {"CCD, bit 2 only",
         position_ccd,
         {1 | 2 | 8, 1 | 2 | 8, 251, 4},
         {"R 11", "W 16", "W 18", "S1", "W 16", "W 0", "R 11", "R 251", "R 4"},
         {"CCD positionnee"}},
        {"CCD already there", position_ccd, {4 | 8}, {"R 12"}, {"CCD positionnee"}},
        {"pusher, sighting button inactive",
         actuate_pusher,
         {2 | 4 | 8},
         {"R 14"},
         {"Bouton de visee NON active"}},
        {"pusher, mirror at sighting",
         actuate_pusher,
         {1 | 2},
         {"R 3", "R 3", "W 32", "W 34", "S1", "W 32", "W 0"},
         {"Bouton de visee active", visee}},
        {"pusher, mirror brought to sighting first",
         actuate_pusher,
         {1, 1, 1, 1 | 2},
         {"R 1", "R 1", "W 8", "W 10", "S1", "W 8", "W 0", "R 1", "R 3", "W 32", "W 34", "S1",
          "W 32", "W 0"},
         {"Bouton de visee active", visee}},
        {"pusher, the button dropping while the mirror travels: the pulse goes, as decided",
         actuate_pusher,
         {1, 0, 0, 2},
         {"R 1", "R 0", "W 8", "W 10", "S1", "W 8", "W 0", "R 0", "R 2", "W 32", "W 34", "S1",
          "W 32", "W 0"},
         {"Bouton de visee active", visee}},
    };
    for (const sequence_case& c : cases) {
        test::scripted_sequence run(/*with_reads=*/true);
        run.factory.script_reads(c.reads);
        c.run(run.context);
        EXPECT_THAT(run.ports.events, ElementsAreArray(c.events)) << c.what;
        EXPECT_THAT(run.log.lines, ElementsAreArray(c.lines)) << c.what;
    }
}

}  // namespace
}  // namespace helio
