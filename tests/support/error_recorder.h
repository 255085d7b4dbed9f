// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "console/form1_model.h"

namespace helio::test {

/// Stands in for a view: keeps what the operator would have been shown.
class error_recorder final : public form_host {
  public:
    void show_error(const std::string& message) override { errors.push_back(message); }

    std::vector<std::string> errors;
};

}  // namespace helio::test
