// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/instrument_choice.h"

#include <gtest/gtest.h>

namespace helio {
namespace {

TEST(InstrumentChoice, TheSimulatorWhenAskedForOrWhenNoComponentIsThere) {
    const console_options plain = parse_command_line({});
    const console_options simulate = parse_command_line({"--simulate"});
    EXPECT_EQ(choose_instrument(plain, true), instrument_kind::real_device);
    EXPECT_EQ(choose_instrument(plain, false), instrument_kind::simulator);
    EXPECT_EQ(choose_instrument(simulate, true), instrument_kind::simulator)
        << "--simulate keeps the instrument untouched even where it could be reached";
    EXPECT_EQ(choose_instrument(simulate, false), instrument_kind::simulator);
}

TEST(InstrumentChoice, ThePanelOpensAtStartOnlyOnTheSimulatorAndSaysSo) {
    const panel_plan simulated = plan_panel(instrument_kind::simulator);
    EXPECT_TRUE(simulated.open_at_start);
    EXPECT_TRUE(simulated.shows_virtual_instrument);
    EXPECT_EQ(simulated.title, "SIMULATION — Héliographe virtuel (aucun instrument raccordé)");

    const panel_plan real = plan_panel(instrument_kind::real_device);
    EXPECT_FALSE(real.open_at_start) << "on the instrument it waits for F12";
    EXPECT_FALSE(real.shows_virtual_instrument);
    EXPECT_EQ(real.title.find("SIMULATION"), std::string_view::npos);
}

}  // namespace
}  // namespace helio
