// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "alpaca/form_fields.h"

namespace helio::alpaca {

/// How a parameter's name must be written to count.
enum class name_matching {
    any_case,  ///< a GET query string: "clienttransactionid" is ClientTransactionID
    exact,     ///< a PUT form body: only "ClientTransactionID" is
};

/// The parameters of one request, found by name under the reference's case rule.
class request_parameters {
  public:
    request_parameters(std::vector<form_field> fields, name_matching matching)
        : fields_(std::move(fields)), matching_(matching) {}

    /// The value of the first parameter of that name, or null.
    const std::string* find(std::string_view name) const;

  private:
    std::vector<form_field> fields_;
    name_matching matching_;
};

}  // namespace helio::alpaca
