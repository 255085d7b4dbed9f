// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/violation_log.h"

#include <algorithm>
#include <utility>

namespace helio::sim {

void violation_log::record(violation found) {
    if (newest_.size() == kept) {
        newest_.pop_front();
    }
    newest_.push_back(std::move(found));
    ++seen_;
}

std::size_t violation_log::count(violation_kind kind) const {
    return static_cast<std::size_t>(
        std::ranges::count_if(newest_, [kind](const violation& v) { return v.kind == kind; }));
}

void violation_log::clear() {
    newest_.clear();
    seen_ = 0;
}

}  // namespace helio::sim
