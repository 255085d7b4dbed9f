// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <functional>

namespace helio::win32 {

/// Paints `area` of `dc` by `paint` on a bitmap first, in `font`, then copies it at once, so
/// that what changes never flickers. `paint` draws at (0, 0) on a bitmap as large as `area`.
void paint_off_screen(HDC dc, const RECT& area, HFONT font,
                      const std::function<void(HDC memory, const RECT& bitmap)>& paint);

}  // namespace helio::win32
