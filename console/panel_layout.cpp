// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_layout.h"

#include <algorithm>
#include <numeric>
#include <sstream>
#include <string>

namespace helio {

namespace {

using enum panel_kind;

bool has_widget(panel_kind kind) {
    return kind != column && kind != row && kind != pairs;
}

/// How tall `text` is wrapped at `width`; nothing for no text.
int wrapped_height(const panel_metrics& metrics, std::string_view text, int width) {
    return text.empty() ? 0 : metrics.text_size(text_style::plain, text, std::max(width, 1)).height;
}

int sum(const std::vector<int>& values) {
    return std::accumulate(values.begin(), values.end(), 0);
}

void widest_word(const panel_control& control, const panel_metrics& metrics, int& widest) {
    for (const std::string& caption : control.items) {
        std::istringstream words(control.kind == lamps ? caption : std::string());
        for (std::string word; words >> word;) {
            widest = std::max(widest, metrics.text_size(text_style::small, word).width);
        }
    }
    for (const panel_control& child : control.children) {
        widest_word(child, metrics, widest);
    }
}

constexpr int caption_lines = 3;  // "bit 5" and a meaning wrapped on two lines
constexpr int lamp_top = 1;       // clear of the row's top edge
constexpr int caption_gap = 3;    // between a lamp and its caption

lamp_geometry lamp_geometry_of(const panel_control& root, const panel_metrics& metrics) {
    const screen_size letter = metrics.text_size(text_style::small, "0");
    const int diameter = letter.height + 4;
    int widest = diameter;
    widest_word(root, metrics, widest);
    return {widest + letter.width, widest, diameter,
            diameter + lamp_top + caption_gap + caption_lines * letter.height};
}

}  // namespace

text_style style_of(panel_kind kind) {
    switch (kind) {
        case banner:
            return text_style::bold;
        case value:
            return text_style::value;
        case lamps:
            return text_style::small;
        case lines:
            return text_style::fixed;
        default:
            return text_style::plain;
    }
}

panel_layout::panel_layout(const panel_control& root, const panel_metrics& metrics)
    : root_(root),
      metrics_(metrics),
      line_(metrics.text_size(text_style::plain, "X").height),
      gap_(std::max(2, line_ / 3)),
      margin_(std::max(4, line_ * 2 / 3)),
      lamps_(lamp_geometry_of(root, metrics)) {}

void panel_layout::fit_width(int width) {
    narrowing_ = narrowing::none;
    while (narrowing_ != narrowing::parts_stacked && preferred_size().width > width) {
        narrowing_ = static_cast<narrowing>(static_cast<int>(narrowing_) + 1);
    }
}

screen_size panel_layout::preferred_size() const {
    const int width = width_of(root_);
    return {width + 2 * inset(), height_of(root_, width) + 2 * inset()};
}

screen_size panel_layout::smallest_size() const {
    lists_shortened_ = true;
    const screen_size smallest = preferred_size();
    lists_shortened_ = false;
    return smallest;
}

panel_layout::placement panel_layout::place(screen_size client) const {
    // Every list as short as it may be, then lengthened by the room its column has left:
    // a list that does not stretch keeps no more room than the smallest size gave it.
    lists_shortened_ = true;
    placement into;
    place(root_, {inset(), inset(), client.width - 2 * inset(), client.height - 2 * inset()}, into);
    lists_shortened_ = false;
    return into;
}

/// The width a control needs; 0 for what wraps or scrolls, and so takes what it is given.
int panel_layout::width_of(const panel_control& control) const {
    int widest_child = 0;
    for (const panel_control& child : control.children) {
        widest_child = std::max(widest_child, width_of(child));
    }
    const auto plain_width = [this](std::string_view text) {
        return metrics_.text_size(text_style::plain, text).width;
    };
    switch (control.kind) {
        case column:
            return widest_child;
        case box:
            return std::max(widest_child, plain_width(control.caption)) + 2 * inset();
        case row:
            return stacked(control) ? widest_child : sum(widths_in_row(control, 0));
        case pairs: {
            int widest = 0;
            for (std::size_t i = 1; i < control.children.size(); i += 2) {
                widest = std::max(widest, width_of(control.children[i]));
            }
            return labels_above() ? std::max(label_width(control), widest)
                                  : label_width(control) + gap_ + widest;
        }
        case check:
            return plain_width(control.caption) + metrics_.check_mark_width();
        case button:
            return plain_width(control.caption) + 2 * line_;
        case choice:
        case entry: {  // the widest line whole in the field, once picked
            int widest = 0;
            for (const std::string& item : control.items) {
                widest = std::max(widest, plain_width(item));
            }
            return widest + metrics_.arrow_width() + 2 * gap_;
        }
        case banner:  // on one line, for it is seen first
            return metrics_.text_size(text_style::bold, control.caption).width + 2 * gap_;
        case value:
            return metrics_.text_size(text_style::value, "000").width;
        case panel_kind::lamps:
            return 8 * (labels_above() ? lamps_.widest_word + gap_ / 2 : lamps_.cell_width);
        default:
            return 0;
    }
}

/// The labels of pairs keep to one line each, but for their own line breaks: the widest.
int panel_layout::label_width(const panel_control& pairs) const {
    const auto unwrapped = [this](const panel_control& label) {
        return label.kind == panel_kind::label
                   ? metrics_.text_size(text_style::plain, label.caption).width
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

/// Each child of a row as wide as it needs, the gap before it included; the one that
/// stretches, if any, takes what the row has left of `width`.
std::vector<int> panel_layout::widths_in_row(const panel_control& row, int width) const {
    std::vector<int> widths;
    for (const panel_control& child : row.children) {
        widths.push_back(width_of(child) + (widths.empty() ? 0 : gap_));
    }
    const auto stretching = std::ranges::find_if(row.children, &panel_control::stretch);
    if (stretching != row.children.end() && width > sum(widths)) {
        widths[static_cast<std::size_t>(stretching - row.children.begin())] += width - sum(widths);
    }
    return widths;
}

int panel_layout::height_of(const panel_control& control, int width) const {
    if (control.kind == column || control.kind == box || stacked(control)) {
        const bool framed = control.kind == box;
        int height = framed ? title_room() + inset() - gap_ : -gap_;
        for (const panel_control& child : control.children) {
            height += height_of(child, framed ? width - 2 * inset() : width) + gap_;
        }
        return std::max(height, 0);
    }
    switch (control.kind) {
        case row: {
            const std::vector<int> widths = widths_in_row(control, width);
            int height = 0;
            for (std::size_t i = 0; i < widths.size(); ++i) {
                height = std::max(height, height_of(control.children[i], widths[i]));
            }
            return height;
        }
        case pairs: {
            int height = -gap_;
            for (std::size_t i = 0; i + 1 < control.children.size(); i += 2) {
                height += pair_height(control, i, width) + gap_;
            }
            return std::max(height, 0);
        }
        case banner:  // a band, its caption in the middle
            return metrics_.text_size(text_style::bold, control.caption).height + 2 * gap_;
        case label:
            return metrics_.text_size(text_style::plain, control.caption, std::max(width, 1))
                .height;
        case text:  // the lines it keeps, or more where its longest text wraps to more
            return std::max(control.lines * line_,
                            wrapped_height(metrics_, control.longest, width));
        case value:
            return metrics_.text_size(text_style::value, "000").height;
        case panel_kind::lamps:
            return lamps_.height;
        case check:
            return line_ + gap_ * 2;
        case chart:  // and a scroll bar under it
            return control.lines * line_ + metrics_.arrow_width();
        case lines: {
            const int in_sight = lists_shortened_ ? std::min(control.lines, 3) : control.lines;
            return in_sight * metrics_.text_size(text_style::fixed, "X").height + gap_;
        }
        default:  // a drop-down list or a push button
            return metrics_.field_height();
    }
}

void panel_layout::place(const panel_control& control, screen_rect area, placement& into) const {
    if (has_widget(control.kind)) {
        into.emplace_back(&control, area);
    }
    switch (control.kind) {
        case column:
            place_column(control, area, into);
            return;
        case box:
            place_column(control,
                         {area.left + inset(), area.top + title_room(), area.width - 2 * inset(),
                          area.height - title_room() - inset()},
                         into);
            return;
        case pairs:
            place_pairs(control, area, into);
            return;
        case row: {
            if (stacked(control)) {
                place_column(control, area, into);
                return;
            }
            const std::vector<int> widths = widths_in_row(control, area.width);
            int left = area.left;
            for (std::size_t i = 0; i < widths.size(); ++i) {
                const int gap = i == 0 ? 0 : gap_;
                place(control.children[i], {left + gap, area.top, widths[i] - gap, area.height},
                      into);
                left += widths[i];
            }
            return;
        }
        default:
            return;
    }
}

/// The children one under the other, each as tall as it needs; the one that stretches, if
/// any, takes the height the column has left.
void panel_layout::place_column(const panel_control& column, screen_rect area,
                                placement& into) const {
    std::vector<int> heights;
    for (const panel_control& child : column.children) {
        heights.push_back(height_of(child, area.width));
    }
    const int used = sum(heights) + gap_ * static_cast<int>(heights.size() - 1);
    const auto stretching = std::ranges::find_if(column.children, &panel_control::stretch);
    if (stretching != column.children.end()) {
        int& height = heights[static_cast<std::size_t>(stretching - column.children.begin())];
        height = std::max(height + area.height - used, line_);
    }
    int top = area.top;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        place(column.children[i], {area.left, top, area.width, heights[i]}, into);
        top += heights[i] + gap_;
    }
}

/// The height of the pair of children `first` and `first + 1` of `pairs`, `width` wide.
int panel_layout::pair_height(const panel_control& pairs, std::size_t first, int width) const {
    const panel_control& label = pairs.children[first];
    const panel_control& named = pairs.children[first + 1];
    if (labels_above()) {
        return height_of(label, width) + gap_ + height_of(named, width);
    }
    const int labels = label_width(pairs);
    return std::max(height_of(label, labels), height_of(named, width - labels - gap_));
}

void panel_layout::place_pairs(const panel_control& pairs, screen_rect area,
                               placement& into) const {
    const int labels = labels_above() ? area.width : label_width(pairs);
    int top = area.top;
    for (std::size_t i = 0; i + 1 < pairs.children.size(); i += 2) {
        const panel_control& label = pairs.children[i];
        const panel_control& named = pairs.children[i + 1];
        const int height = pair_height(pairs, i, area.width);
        if (labels_above()) {
            const int label_height = height_of(label, area.width);
            place(label, {area.left, top, area.width, label_height}, into);
            place(named,
                  {area.left, top + label_height + gap_, area.width, height_of(named, area.width)},
                  into);
        } else {
            const int width = area.width - labels - gap_;
            place(label, {area.left, top, labels, height}, into);
            place(named, {area.left + labels + gap_, top, width, height_of(named, width)}, into);
        }
        top += height + gap_;
    }
}

screen_rect lamp_circle(const screen_rect& row, int position, int diameter) {
    const int cell = row.width / 8;
    return {row.left + position * cell + (cell - diameter) / 2, row.top + lamp_top, diameter,
            diameter};
}

screen_rect lamp_caption(const screen_rect& row, int position, int diameter) {
    const int cell = row.width / 8;
    const int top = row.top + lamp_top + diameter + caption_gap;
    return {row.left + position * cell, top, cell, row.bottom() - top};
}

screen_rect place_panel(panel_layout& layout, const screen_rect& form, const screen_rect& work_area,
                        screen_size decoration) {
    constexpr int gap = 8;
    layout.fit_width(widest_side_beside(form, work_area, gap) - decoration.width);
    const auto framed = [decoration](screen_size client) {
        return screen_size{client.width + decoration.width, client.height + decoration.height};
    };
    return place_beside(form, framed(layout.preferred_size()), framed(layout.smallest_size()),
                        work_area, gap);
}

}  // namespace helio
