// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/reference_conversion.h"

namespace helio::fuzz {

/// How one of the console's conversions ended.
struct outcome {
    enum class kind { integer, overflow, not_a_number, refused };  ///< refused: either error

    kind what;
    std::int64_t value = 0;
};

/// Whether the console's `got` is what the exact reference says for the same text. Up to
/// 15 significant digits a double holds the value closely enough that rounding it to an
/// integer cannot go otherwise, so the two must agree exactly; past that the console
/// works on the nearest double, which may sit on the other side of a half or of a range
/// end: then it may be one off, or fall out of (or into) range at the very ends.
inline bool agrees(const test::reference_number& expected, const outcome& got) {
    using ref = test::reference_number::kind;
    const bool got_integer = got.what == outcome::kind::integer;
    const bool got_overflow =
        got.what == outcome::kind::overflow || got.what == outcome::kind::refused;
    if (expected.what == ref::not_a_number) {
        return got.what == outcome::kind::not_a_number || got.what == outcome::kind::refused;
    }
    if (expected.significant_digits <= 15) {
        return expected.what == ref::integer ? got_integer && got.value == expected.value
                                             : got_overflow;
    }
    const auto at_range_end = [](std::int64_t v) {
        return v <= INT32_MIN + 1 || v >= INT32_MAX - 1;
    };
    if (expected.what == ref::integer) {
        return got_integer ? std::llabs(got.value - expected.value) <= 1
                           : got_overflow && at_range_end(expected.value);
    }
    return got_overflow || (got_integer && at_range_end(got.value));
}

/// The reference's verdict in the console's terms.
inline outcome as_outcome(const test::reference_number& expected) {
    switch (expected.what) {
        case test::reference_number::kind::integer:
            return {outcome::kind::integer, expected.value};
        case test::reference_number::kind::out_of_range:
            return {outcome::kind::overflow};
        case test::reference_number::kind::not_a_number:
            break;
    }
    return {outcome::kind::not_a_number};
}

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
