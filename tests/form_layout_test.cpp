// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form_layout.h"

#include "console/caption_fit.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace helio::layout {
namespace {

TEST(FormLayout, ControlsAreListedInTabOrderWithTheirCaptions) {
    const char* expected[][2] = {
        {"Command1", "VISEE"},
        {"Command2", "CCD"},
        {"Command3", "POUSSOIR"},
        {"Command4", "Halpha -1.0 A"},
        {"Command5", "Halpha + 1.0 A"},
        {"Command6", "H alpha"},
        {"Command7", "H alpha -0.5 A"},
        {"Command8", "H alpha +0.5 A"},
        {"Label1", "HELIOGRAPHE - PROGRAMME DE TESTS"},
        {"Command9", "INIT TTL output"},
        {"Text1", ""},
        {"Label2", "Autre consigne (35 à 231):"},
        {"Command10", "GO"},
    };
    ASSERT_EQ(std::size(expected), controls.size());
    for (std::size_t tab = 0; tab < controls.size(); ++tab) {
        EXPECT_EQ(controls[tab].name, expected[tab][0]) << "tab " << tab;
        EXPECT_EQ(controls[tab].caption, expected[tab][1]) << "tab " << tab;
    }
}

TEST(FormLayout, EveryControlLiesInsideTheClientAreaAndButtonsDoNotOverlap) {
    std::set<std::string_view> names;
    for (const control_spec& c : controls) {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_GE(c.left, 0);
        EXPECT_GE(c.top, 0);
        EXPECT_LE(c.left + c.width, client_width_twips) << c.name;
        EXPECT_LE(c.top + c.height, client_height_twips) << c.name;
    }
    for (const control_spec& a : controls) {
        for (const control_spec& b : controls) {
            if (&a == &b || a.kind != control_kind::button || b.kind != control_kind::button) {
                continue;
            }
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << a.name << " overlaps " << b.name;
        }
    }
}

TEST(FormLayout, KindsAndTheEntryGeometry) {
    int buttons = 0;
    for (const control_spec& c : controls) {
        buttons += c.kind == control_kind::button;
    }
    EXPECT_EQ(buttons, 10);
    const auto entry = find_control("Text1");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->kind, control_kind::text_entry);
    EXPECT_EQ(entry->left, 2040);
    EXPECT_EQ(entry->top, 4320);
    EXPECT_EQ(entry->width, 735);
    EXPECT_EQ(entry->height, 375);
    EXPECT_FALSE(find_control("Command11"));
}

TEST(DialogFont, TheLargestSizeAtWhichEveryCaptionFitsItsControl) {
    // A face `per_point` pixels wide a character and point; buttons keep 6 px on both sides.
    // At 96 dpi the tightest buttons ("Halpha + 1.0 A", "H alpha -0.5 A") have 69 px for
    // 14 characters; the labels fit unless `labels_fit` is false.
    struct font_case {
        double per_point;
        bool labels_fit;
        double points;
    };
    const font_case cases[] = {
        {0.60, true, 8.0}, {0.64, true, 7.5},  {0.69, true, 7.0},
        {0.90, true, 6.5}, {0.60, false, 6.5},
    };
    for (const font_case& c : cases) {
        const double points = dialog_font_points([&](double trying) {
            const caption_measure measure{
                [&](std::string_view caption) {
                    return static_cast<int>(static_cast<double>(caption.size()) * trying *
                                            c.per_point);
                },
                [&](std::string_view, int) { return c.labels_fit ? 0 : 1000; }, 6};
            return captions_fit(measure, 96);
        });
        EXPECT_EQ(points, c.points) << c.per_point << " px a character and point";
    }
}

TEST(TwipsToPixels, FifteenTwipsAPixelAt96DotsPerInch) {
    EXPECT_EQ(twips_to_pixels(5205, 96), 347);
    EXPECT_EQ(twips_to_pixels(5475, 96), 365);
    EXPECT_EQ(twips_to_pixels(15, 96), 1);
    EXPECT_EQ(twips_to_pixels(7, 96), 0);
    EXPECT_EQ(twips_to_pixels(8, 96), 1) << "to the nearest pixel";
    EXPECT_EQ(twips_to_pixels(1440, 144), 144);
    EXPECT_EQ(twips_to_pixels(855, 120), 71);
}

}  // namespace
}  // namespace helio::layout
