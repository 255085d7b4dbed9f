// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace helio::bench {

/// `values` as a JSON list of numbers, the form bench/report.py reads.
template <class Number>
std::string json_list(const std::vector<Number>& values) {
    std::string list = "[";
    for (const Number value : values) {
        list += (list.size() > 1 ? ", " : "") + std::to_string(value);
    }
    return list + "]";
}

}  // namespace helio::bench
