// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The devices' UniqueIDs: the same for one installation at every start and in every version
// of the console, different between machines, between the instrument and the simulator, and
// between the two devices.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "alpaca/unique_ids.h"

namespace helio::alpaca {
namespace {

TEST(UniqueIds, OneInstallationKeepsItsOwnAndNoOtherHasThem) {
    // Version 5 UUIDs as any other implementation computes them in the console's name
    // space: changed, every installation's devices would change their ids on an upgrade.
    EXPECT_EQ(unique_id({"machine A", false}, "FilterWheel"),
              "5bfc60ae-72e6-5072-a838-74b416e808fd");
    EXPECT_EQ(unique_id({"machine A", true}, "Switch"), "0c168839-f2d4-5c17-abf5-93201133a186");

    std::set<std::string> ids;
    for (const char* machine : {"machine A", "machine B"}) {
        for (const bool simulated : {false, true}) {
            for (const char* device : {"FilterWheel", "Switch"}) {
                EXPECT_EQ(unique_id({machine, simulated}, device),
                          unique_id({machine, simulated}, device));
                ids.insert(unique_id({machine, simulated}, device));
            }
        }
    }
    EXPECT_EQ(ids.size(), 8u) << "two machines, two modes, two devices: eight ids";
}

}  // namespace
}  // namespace helio::alpaca
