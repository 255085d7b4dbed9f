// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "ttl/number_text.h"
#include "ttl/port_value.h"

namespace helio {

/// 32-bit signed arithmetic that raises overflow_error instead of wrapping.
std::int32_t checked_add(std::int32_t a, std::int32_t b);
std::int32_t checked_multiply(std::int32_t a, std::int32_t b);

/// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
/// NaN is a conversion_error; a result outside the 32-bit range is an overflow_error.
std::int32_t round_to_int32(double value);

/// Converts what ReadPort returned to a 32-bit integer: integers pass, booleans give
/// -1 or 0, an empty variant gives 0, reals are rounded with round_to_int32, text is
/// read with text_to_int32 in `format`; a null variant is a conversion_error.
std::int32_t to_int32(const port_value& value, const number_format& format = {});

}  // namespace helio
