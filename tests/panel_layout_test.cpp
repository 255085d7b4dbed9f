// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/window_fit.h"

namespace helio {
namespace {

using narrowing = panel_layout::narrowing;

/// Text `scale` times the size of a 96 dpi screen's: a letter 6 by 13 pixels at 1.
class fixed_metrics final : public panel_metrics {
  public:
    explicit fixed_metrics(double scale) : scale_(scale) {}

    screen_size text_size(text_style /*style*/, std::string_view text,
                          int wrap_width) const override {
        std::vector<int> lines;
        std::istringstream paragraphs{std::string(text)};
        for (std::string paragraph; std::getline(paragraphs, paragraph);) {
            lines.push_back(0);
            std::istringstream words(paragraph);
            for (std::string word; words >> word;) {
                const int width = letters(word.size());
                const int with_space = lines.back() + (lines.back() > 0 ? letters(1) : 0) + width;
                if (wrap_width > 0 && lines.back() > 0 && with_space > wrap_width) {
                    lines.push_back(width);
                } else {
                    lines.back() = with_space;
                }
            }
        }
        return {lines.empty() ? 0 : *std::ranges::max_element(lines),
                static_cast<int>(std::max<std::size_t>(lines.size(), 1)) * line()};
    }
    int check_mark_width() const override { return letters(3); }
    int arrow_width() const override { return letters(3); }
    int field_height() const override { return line() + letters(1); }

  private:
    int letters(std::size_t count) const {
        return static_cast<int>(6 * scale_ * static_cast<double>(count));
    }
    int line() const { return static_cast<int>(13 * scale_); }
    double scale_;
};

struct layout_case {
    const char* why;
    bool with_instrument;
    double scale;
    int room;  ///< the width the panel is given, 0 for what it wants
    narrowing expected;
    bool fits = true;  ///< whether it then is within that width
};

/// What a view shows of `placement`: each control's text where it goes, boxes holding the
/// controls within them.
std::vector<test::shown_control> shown(const panel_layout::placement& placement,
                                       const panel_metrics& metrics) {
    std::vector<test::shown_control> controls;
    for (const auto& [control, place] : placement) {
        test::shown_control made{
            std::string(control->name.empty() ? control->caption : control->name),
            place,
            {place.width, place.height},
            {}};
        if (control->kind == panel_kind::label) {
            made.text = metrics.text_size(text_style::plain, control->caption, place.width);
        }
        made.holds_others = control->kind == panel_kind::box;
        controls.push_back(made);
    }
    return controls;
}

class PanelLayout : public ::testing::TestWithParam<layout_case> {};

TEST_P(PanelLayout, NarrowsAsLittleAsItMustAndLaysNothingOverAnything) {
    const layout_case& c = GetParam();
    const panel_control root = describe_panel(c.with_instrument);
    const fixed_metrics metrics(c.scale);
    panel_layout layout(root, metrics);
    const int wanted = layout.preferred_size().width;
    layout.fit_width(c.room > 0 ? c.room : wanted);
    EXPECT_EQ(layout.narrowed(), c.expected) << c.why;
    const screen_size size = layout.preferred_size();
    EXPECT_EQ(size.width <= (c.room > 0 ? c.room : wanted), c.fits) << c.why;
    for (const screen_size client : {size, layout.smallest_size()}) {
        const test::shown_window panel{"panel",
                                       {0, 0, client.width, client.height},
                                       {0, 0, client.width, client.height},
                                       shown(layout.place(client), metrics)};
        EXPECT_EQ(test::fit_faults({panel}, panel.frame), std::vector<std::string>{})
            << c.why << ", client " << client.width << "x" << client.height;
    }
}

// With these metrics, at 1, the panel wants 1118 pixels, 918 with the labels above, 670
// with its parts stacked (the banner's width); the monitor alone 696, 512 with the labels above.
const layout_case cases[] = {
    {"room enough: as described", true, 1.0, 0, narrowing::none},
    {"a little short: the labels over what they name", true, 1.0, 1000, narrowing::labels_above},
    {"far too short: the instrument under the monitor", true, 1.0, 700, narrowing::parts_stacked},
    {"short of even that: as narrow as it goes", true, 1.0, 300, narrowing::parts_stacked, false},
    {"at twice the size, the same steps", true, 2.0, 1900, narrowing::labels_above},
    {"the monitor alone, a little short", false, 1.0, 650, narrowing::labels_above},
};

INSTANTIATE_TEST_SUITE_P(Cases, PanelLayout, ::testing::ValuesIn(cases));

}  // namespace
}  // namespace helio
