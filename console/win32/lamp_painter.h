// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "console/panel_presenter.h"

namespace helio::win32 {

/// The circle of the lamp at `position` (0 on the left) in a row of eight equal cells
/// filling `row`, lamps `diameter` pixels across.
RECT lamp_rect(const RECT& row, int position, int diameter);

/// Where the caption of that lamp goes, under it, wrapped between words.
RECT caption_rect(const RECT& row, int position, int diameter);

/// Paints a row of lamps in `row` of `dc`, off screen first so that a lamp changing colour
/// never flickers: each lamp in its colour, its caption (UTF-8) under it in `font`.
void paint_lamps(HDC dc, const RECT& row, const lamp_colours& colours,
                 const std::vector<std::string>& captions, int diameter, HFONT font);

}  // namespace helio::win32
