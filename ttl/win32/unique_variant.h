// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <oleauto.h>

#include <cstdint>
#include <string>

namespace helio::win32 {

/// A VARIANT that starts empty and is cleared (freeing a string it may hold) on every way
/// out of the scope.
class unique_variant {
  public:
    unique_variant() { VariantInit(&value_); }
    ~unique_variant() { VariantClear(&value_); }

    unique_variant(const unique_variant&) = delete;
    unique_variant& operator=(const unique_variant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT& operator*() const { return value_; }

  private:
    VARIANT value_;
};

/// Converts what ReadPort handed back to a 32-bit integer with the system's own variant
/// conversion: reals round half to even, text is read in the user's locale. A type the
/// conversion refuses is a conversion_error, a value out of range an overflow_error.
std::int32_t variant_to_int32(const VARIANT& value);

/// The variant as the operator's message shows it: a string as it is, "Null", or its type.
std::string describe_variant(const VARIANT& value);

}  // namespace helio::win32
