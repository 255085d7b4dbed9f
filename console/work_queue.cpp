// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/work_queue.h"

namespace helio {

bool work_queue::submit(instrument_command command) {
    waiting_.push_back(std::move(command));
    if (running_) {
        return false;
    }
    running_ = true;
    struct running_flag {
        bool& running;
        ~running_flag() { running = false; }  // the queue stays usable whatever happens
    } flag{running_};
    while (!waiting_.empty()) {
        const instrument_command next = std::move(waiting_.front());
        waiting_.pop_front();
        run_one_(next);
    }
    return true;
}

}  // namespace helio
