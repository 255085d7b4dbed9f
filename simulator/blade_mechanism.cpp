// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/blade_mechanism.h"

#include <cmath>

namespace helio::sim {

void blade_mechanism::move_to(int code, clock::duration travel_per_code) {
    const double from = current_code();
    const auto now = clock_.now();
    const double distance = std::abs(code - from);
    start_code_ = from;
    target_ = code;
    departure_ = now;
    arrival_ = now + std::chrono::duration_cast<clock::duration>(
                         std::chrono::duration<double, clock::duration::period>(
                             distance * static_cast<double>(travel_per_code.count())));
    clock_.move_commanded();
}

double blade_mechanism::current_code() const {
    const auto now = clock_.now();
    if (now >= arrival_) {
        return target_;
    }
    const double travelled = static_cast<double>((now - departure_).count()) /
                             static_cast<double>((arrival_ - departure_).count());
    return start_code_ + (target_ - start_code_) * travelled;
}

}  // namespace helio::sim
