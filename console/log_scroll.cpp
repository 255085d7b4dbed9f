// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/log_scroll.h"

#include <algorithm>

namespace helio {

std::size_t first_visible_line(std::size_t line_count, int line_height, int client_height) {
    const int whole_lines = line_height > 0 ? client_height / line_height : 0;
    const std::size_t shown = static_cast<std::size_t>(std::max(whole_lines, 1));
    return line_count > shown ? line_count - shown : 0;
}

}  // namespace helio
