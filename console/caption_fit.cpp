// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/caption_fit.h"

#include <algorithm>

#include "console/form_layout.h"

namespace helio::layout {

bool captions_fit(const caption_measure& measure, int dots_per_inch) {
    return std::ranges::all_of(controls, [&](const control_spec& item) {
        const int width = twips_to_pixels(item.width, dots_per_inch);
        switch (item.kind) {
            case control_kind::button:
                return measure.line_width(item.caption) + 2 * measure.button_margin <= width;
            case control_kind::label:
                return measure.wrapped_height(item.caption, width) <=
                       twips_to_pixels(item.height, dots_per_inch);
            case control_kind::text_entry:
                return true;
        }
        return true;
    });
}

}  // namespace helio::layout
