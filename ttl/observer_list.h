// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <vector>

namespace helio {

/// A list of non-owning observers, notified in the order they were added.
template <class Observer>
class observer_list {
  public:
    void add(Observer& observer) { items_.push_back(&observer); }
    void remove(Observer& observer) { std::erase(items_, &observer); }
    bool empty() const { return items_.empty(); }

    template <class Notify>
    void notify(Notify&& notify) const {
        for (Observer* observer : items_) {
            notify(*observer);
        }
    }

  private:
    std::vector<Observer*> items_;
};

}  // namespace helio
