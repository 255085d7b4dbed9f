// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/protocol_monitor.h"

#include <algorithm>
#include <utility>

namespace helio::sim {

void protocol_monitor::record(violation found) {
    violations_.push_back(std::move(found));
    observers_.notify([&](violation_observer& o) { o.violation_recorded(violations_.back()); });
}

std::size_t protocol_monitor::count(violation_kind kind) const {
    return static_cast<std::size_t>(
        std::ranges::count_if(violations_, [kind](const violation& v) { return v.kind == kind; }));
}

}  // namespace helio::sim
