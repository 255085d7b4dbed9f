// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace helio {

/// The message log's line that the views draw at the top of the client area, the others
/// following one line height apart: the first line while every line fits whole; once one
/// would fall below the bottom edge, the line that leaves the newest one as the last whole
/// line shown (the newest alone at the top if not even one fits).
std::size_t first_visible_line(std::size_t line_count, int line_height, int client_height);

}  // namespace helio
