// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/win32/panel_layout.h"

#include <algorithm>
#include <numeric>

#include "console/win32/control_text.h"
#include "console/win32/gui_font.h"
#include "ttl/win32/wide_text.h"

namespace helio::win32 {

namespace {

using enum control_kind;

int text_width(HFONT font, std::string_view text) {
    return text_size(font, to_utf16(text)).cx;
}

int text_height(HFONT font, std::string_view text, int width) {
    return text_size(font, to_utf16(text), std::max(width, 1)).cy;
}

int widest_item(HFONT font, const std::vector<std::string>& items) {
    int widest = 0;
    for (const std::string& item : items) {
        widest = std::max(widest, text_width(font, item));
    }
    return widest;
}

}  // namespace

panel_layout::panel_layout(const panel_fonts& fonts,
                           std::function<HWND(const panel_control&)> window_of,
                           std::function<SIZE(const panel_control&)> lamps_size)
    : fonts_(fonts),
      window_of_(std::move(window_of)),
      lamps_size_(std::move(lamps_size)),
      line_(line_height(fonts.text)),
      gap_(std::max(2, line_ / 3)),
      inset_(std::max(4, line_ * 2 / 3)) {}

SIZE panel_layout::preferred_size(const panel_control& root) const {
    const int width = width_of(root);
    return {width + 2 * inset_, height_of(root, width) + 2 * inset_};
}

void panel_layout::lay_out(const panel_control& root, SIZE client) const {
    place(root, {inset_, inset_, client.cx - inset_, client.cy - inset_});
}

/// The width a control needs; 0 for what wraps or scrolls and so takes what it is given.
int panel_layout::width_of(const panel_control& control) const {
    const auto widest_child = [&] {
        int widest = 0;
        for (const panel_control& child : control.children) {
            widest = std::max(widest, width_of(child));
        }
        return widest;
    };
    switch (control.kind) {
        case column:
            return widest_child();
        case box:
            return std::max(widest_child(), text_width(fonts_.text, control.caption)) + 2 * inset_;
        case row: {
            const std::vector<int> widths = widths_in_row(control, 0);
            return std::accumulate(widths.begin(), widths.end(), 0);
        }
        case pairs: {
            int widest = 0;
            for (std::size_t i = 1; i < control.children.size(); i += 2) {
                widest = std::max(widest, width_of(control.children[i]));
            }
            return label_width(control) + gap_ + widest;
        }
        case check:
            return text_width(fonts_.text, control.caption) + GetSystemMetrics(SM_CXMENUCHECK) +
                   2 * gap_;
        case button:
            return text_width(fonts_.text, control.caption) + 2 * line_;
        case choice:
            return widest_item(fonts_.text, control.items) + GetSystemMetrics(SM_CXVSCROLL) +
                   2 * gap_;
        case value:
            return text_width(fonts_.value, "000");
        case lamps:
            return lamps_size_(control).cx;
        default:
            return 0;
    }
}

/// The labels of pairs keep to one line each (but for their own line breaks): the widest.
int panel_layout::label_width(const panel_control& pairs) const {
    const auto unwrapped = [this](const panel_control& label) {
        return label.kind == control_kind::label ? text_width(fonts_.text, label.caption)
                                                 : width_of(label);
    };
    int widest = 0;
    for (std::size_t i = 0; i < pairs.children.size(); i += 2) {
        widest = std::max(widest, unwrapped(pairs.children[i]));
        for (const panel_control& part : pairs.children[i].children) {
            widest = std::max(widest, unwrapped(part));
        }
    }
    return widest;
}

/// Each child of a row as wide as it needs, the gaps included; the one that stretches, or
/// else none, takes what the row has left of `width`.
std::vector<int> panel_layout::widths_in_row(const panel_control& row, int width) const {
    std::vector<int> widths;
    for (const panel_control& child : row.children) {
        widths.push_back(width_of(child) + (widths.empty() ? 0 : gap_));
    }
    const auto stretching = std::ranges::find_if(row.children, &panel_control::stretch);
    const int left = width - std::accumulate(widths.begin(), widths.end(), 0);
    if (stretching != row.children.end() && left > 0) {
        widths[static_cast<std::size_t>(stretching - row.children.begin())] += left;
    }
    return widths;
}

int panel_layout::height_of(const panel_control& control, int width) const {
    switch (control.kind) {
        case column:
        case box: {
            const bool framed = control.kind == box;
            const int inner = framed ? width - 2 * inset_ : width;
            int height = framed ? line_ + gap_ + inset_ : 0;
            for (const panel_control& child : control.children) {
                height +=
                    height_of(child, inner) + (&child == &control.children.front() ? 0 : gap_);
            }
            return height;
        }
        case row: {
            const std::vector<int> widths = widths_in_row(control, width);
            int height = 0;
            for (std::size_t i = 0; i < widths.size(); ++i) {
                height = std::max(height, height_of(control.children[i], widths[i]));
            }
            return height;
        }
        case pairs: {
            const int labels = label_width(control);
            int height = 0;
            for (std::size_t i = 0; i + 1 < control.children.size(); i += 2) {
                height += std::max(height_of(control.children[i], labels),
                                   height_of(control.children[i + 1], width - labels - gap_)) +
                          (i == 0 ? 0 : gap_);
            }
            return height;
        }
        case banner:
            return text_height(fonts_.bold, control.caption, width - 2 * gap_) + 2 * gap_;
        case label:
            return text_height(fonts_.text, control.caption, width);
        case text: {
            const std::string shown = window_text(window_of_(control));
            return std::max(control.lines * line_,
                            shown.empty() ? 0 : text_height(fonts_.text, shown, width));
        }
        case value:
            return line_height(fonts_.value);
        case lamps:
            return lamps_size_(control).cy;
        case check:
            return line_ + 6;
        case lines:
            return control.lines * line_ + 4;
        default:  // the choices' entries and the buttons
            return line_ + 10;
    }
}

void panel_layout::place(const panel_control& control, RECT area) const {
    switch (control.kind) {
        case column:
            place_column(control, area);
            return;
        case box:
            move(control, area);
            place_column(control, {area.left + inset_, area.top + line_ + gap_, area.right - inset_,
                                   area.bottom - inset_});
            return;
        case pairs:
            place_pairs(control, area);
            return;
        case row: {
            const std::vector<int> widths = widths_in_row(control, area.right - area.left);
            int left = area.left;
            for (std::size_t i = 0; i < widths.size(); ++i) {
                const int gap = i == 0 ? 0 : gap_;
                place(control.children[i], {left + gap, area.top, left + widths[i], area.bottom});
                left += widths[i];
            }
            return;
        }
        case banner:
            move(control,
                 {area.left + gap_, area.top + gap_, area.right - gap_, area.bottom - gap_});
            return;
        case choice:
        case entry:  // the height of a combo box's window takes in its list, opened
            move(control, {area.left, area.top, area.right, area.bottom + 8 * line_});
            return;
        default:
            move(control, area);
    }
}

/// The children one under the other, each as tall as it needs; the one that stretches
/// takes the height the column has left.
void panel_layout::place_column(const panel_control& column, RECT area) const {
    const int width = area.right - area.left;
    std::vector<int> heights;
    for (const panel_control& child : column.children) {
        heights.push_back(height_of(child, width));
    }
    const int used = std::accumulate(heights.begin(), heights.end(), 0) +
                     gap_ * static_cast<int>(heights.size() - 1);
    const auto stretching = std::ranges::find_if(column.children, &panel_control::stretch);
    if (stretching != column.children.end()) {
        int& height = heights[static_cast<std::size_t>(stretching - column.children.begin())];
        height = std::max(height + static_cast<int>(area.bottom - area.top) - used, line_);
    }
    int top = area.top;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        place(column.children[i], {area.left, top, area.right, top + heights[i]});
        top += heights[i] + gap_;
    }
}

void panel_layout::place_pairs(const panel_control& pairs, RECT area) const {
    const int labels = label_width(pairs);
    int top = area.top;
    for (std::size_t i = 0; i + 1 < pairs.children.size(); i += 2) {
        const int width = area.right - area.left - labels - gap_;
        const int height =
            std::max(height_of(pairs.children[i], labels), height_of(pairs.children[i + 1], width));
        place(pairs.children[i], {area.left, top, area.left + labels, top + height});
        place(pairs.children[i + 1], {area.left + labels + gap_, top, area.right,
                                      top + height_of(pairs.children[i + 1], width)});
        top += height + gap_;
    }
}

void panel_layout::move(const panel_control& control, RECT area) const {
    MoveWindow(window_of_(control), area.left, area.top, area.right - area.left,
               area.bottom - area.top, FALSE);
}

}  // namespace helio::win32
