// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/reference_conversion.h"

namespace helio::fuzz {

/// How one of the console's conversions ended, in the reference's terms: both work on the
/// exact decimal value, so they must agree exactly.
using outcome = test::reading;

/// Stops the fuzzer with the offending input described; libFuzzer keeps the input.
[[noreturn]] inline void disagreement(std::string_view what, const std::string& text,
                                      const outcome& expected, const outcome& got) {
    std::fprintf(stderr, "%.*s of '%s': got %s, expected %s\n", static_cast<int>(what.size()),
                 what.data(), text.c_str(), shown(got).c_str(), shown(expected).c_str());
    std::abort();
}

}  // namespace helio::fuzz
