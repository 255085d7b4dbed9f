// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "ttl/component_registration.h"

namespace helio {

/// Status code of the I/O component, as a COM HRESULT: negative means failure.
using status_code = std::int32_t;

inline constexpr bool failed(status_code code) {
    return code < 0;
}

/// The status as eight hexadecimal digits, "0x80004005", as maintainers read it.
std::string status_hex(status_code code);

/// Base of every error the console's core raises. Handlers catch it at their edge.
class heliograph_error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The I/O component reported a failing status (or could not be created).
class io_error : public heliograph_error {
  public:
    io_error(status_code code, std::string operation, std::string system_text);

    status_code code() const noexcept { return code_; }
    const std::string& operation() const noexcept { return operation_; }
    const std::string& system_text() const noexcept { return system_text_; }

  private:
    status_code code_;
    std::string operation_;
    std::string system_text_;
};

/// No instance of the I/O component could be made, so no call reached it. `operation()` is
/// the call that failed (CoGetClassObject, IClassFactory::CreateInstance, CoCreateInstance).
/// Where the failure may come from how the component is installed, it carries what the
/// registry said of it just after.
class creation_error : public io_error {
  public:
    creation_error(status_code code, std::string call, std::string system_text,
                   std::optional<component_registration> registration = std::nullopt);

    const std::optional<component_registration>& registration() const noexcept {
        return registration_;
    }

  private:
    std::optional<component_registration> registration_;
};

/// A value could not be converted to a 32-bit integer ("type mismatch").
class conversion_error : public heliograph_error {
  public:
    explicit conversion_error(std::string value_text);

    /// The offending value, as text, for the operator's message.
    const std::string& value_text() const noexcept { return value_text_; }

  private:
    std::string value_text_;
};

/// A 32-bit signed addition, multiplication or conversion went out of range.
class overflow_error : public heliograph_error {
  public:
    explicit overflow_error(const std::string& what);
};

/// An index fell outside a table's bounds ("subscript out of range").
class bounds_error : public heliograph_error {
  public:
    bounds_error(std::int32_t index, std::int32_t low, std::int32_t high);

    std::int32_t index() const noexcept { return index_; }

  private:
    std::int32_t index_;
};

}  // namespace helio
