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
using outcome = test::reference_number;

/// Stops the fuzzer with the offending input described; libFuzzer keeps the input.
[[noreturn]] inline void disagreement(std::string_view what, const std::string& text,
                                      const outcome& expected, const outcome& got) {
    std::fprintf(stderr, "%.*s of '%s': got kind %d value %lld, expected kind %d value %lld\n",
                 static_cast<int>(what.size()), what.data(), text.c_str(),
                 static_cast<int>(got.what), static_cast<long long>(got.value),
                 static_cast<int>(expected.what), static_cast<long long>(expected.value));
    std::abort();
}

}  // namespace helio::fuzz
