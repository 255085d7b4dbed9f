// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/window_placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace helio {

void PrintTo(const screen_rect& rect, std::ostream* out) {
    *out << rect.width << "x" << rect.height << "+" << rect.left << "+" << rect.top;
}

namespace {

struct placement_case {
    const char* why;
    screen_rect form;
    screen_size wanted;
    screen_size smallest;
    screen_rect work_area;
    screen_rect expected;
};

// A 1366 x 768 screen with a task bar 40 pixels tall at the bottom, unless said otherwise.
constexpr screen_rect laptop{0, 0, 1366, 728};

const placement_case cases[] = {
    {"room on the right", {26, 26, 363, 400}, {950, 640}, {900, 400}, laptop, {397, 26, 950, 640}},
    {"no room on the right, room on the left",
     {900, 26, 363, 400},
     {850, 640},
     {800, 400},
     laptop,
     {42, 26, 850, 640}},
    {"narrowed on the roomier side",
     {300, 26, 363, 400},
     {950, 640},
     {600, 400},
     laptop,
     {671, 26, 695, 640}},
    {"narrowed on the left",
     {700, 26, 363, 400},
     {950, 640},
     {600, 400},
     laptop,
     {0, 26, 692, 640}},
    {"a screen too small for both: over Form1, whole",
     {26, 26, 363, 400},
     {1000, 640},
     {980, 400},
     laptop,
     {386, 26, 980, 640}},
    {"raised to end above the task bar",
     {26, 300, 363, 400},
     {950, 640},
     {900, 400},
     laptop,
     {397, 88, 950, 640}},
    {"shortened to the work area",
     {26, 26, 363, 400},
     {950, 900},
     {900, 400},
     laptop,
     {397, 0, 950, 728}},
    {"a task bar on the left",
     {70, 10, 363, 400},
     {950, 640},
     {900, 400},
     {60, 0, 1306, 768},
     {441, 10, 925, 640}},
    {"a wide screen",
     {26, 26, 363, 400},
     {950, 640},
     {900, 400},
     {0, 0, 1920, 1040},
     {397, 26, 950, 640}},
};

class PlaceBeside : public ::testing::TestWithParam<placement_case> {};

TEST_P(PlaceBeside, KeepsThePanelWithinTheWorkArea) {
    const placement_case& c = GetParam();
    const screen_rect panel = place_beside(c.form, c.wanted, c.smallest, c.work_area, 8);
    EXPECT_EQ(panel, c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceBeside, ::testing::ValuesIn(cases));

}  // namespace
}  // namespace helio
