// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <mutex>

#include "alpaca/ui_poster.h"

namespace helio::test {

/// Stands in for the event loop of the console's thread: posted work waits here until the
/// test (playing the loop, or a sequence's keep-alive) runs it.
class queued_poster final : public alpaca::ui_poster {
  public:
    bool post(std::function<void()> work) override {
        const std::scoped_lock lock(mutex_);
        queue_.push_back(std::move(work));
        return true;
    }

    /// Runs what has been posted so far, and what that posts in turn; how many ran.
    int run_posted() {
        int ran = 0;
        for (;;) {
            std::function<void()> work;
            {
                const std::scoped_lock lock(mutex_);
                if (queue_.empty()) {
                    return ran;
                }
                work = std::move(queue_.front());
                queue_.pop_front();
            }
            work();
            ++ran;
        }
    }

  private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace helio::test
