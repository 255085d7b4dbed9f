// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/mirror_mechanism.h"

namespace helio::sim {

void mirror_mechanism::move_to(mirror_place stop, clock::duration travel_time) {
    if (stop == target_ && place() == stop) {
        return;  // already there: the controller ignores the command
    }
    target_ = stop;
    arrival_ = clock_.now() + travel_time;
    clock_.move_commanded();
}

mirror_place mirror_mechanism::place() const {
    return clock_.arrived(arrival_) ? target_ : mirror_place::travelling;
}

}  // namespace helio::sim
