// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "ttl/number_text.h"

namespace helio {

/// The platform's numeric conversion of text to a 32-bit integer, in the user's locale:
/// what the setpoint entry is read with.
class text_to_integer {
  public:
    virtual ~text_to_integer() = default;

    /// Raises conversion_error for text that is no number, overflow_error for a number
    /// outside the 32-bit signed range.
    virtual std::int32_t to_int32(std::string_view text) const = 0;
};

/// The conversion of text_to_int32, for platforms that lend none of their own.
class portable_text_to_integer final : public text_to_integer {
  public:
    explicit portable_text_to_integer(number_format format) : format_(std::move(format)) {}

    std::int32_t to_int32(std::string_view text) const override {
        return text_to_int32(text, format_);
    }

  private:
    number_format format_;
};

}  // namespace helio
