// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "console/line_monitor.h"
#include "console/virtual_instrument.h"

/// What a view of the panel's growing lists has to change to catch up with the models, so
/// that a refresh adds only what is new instead of writing every line again.
namespace helio {

/// The changes to a list of lines that a view shows, in this order: the last line shown
/// rewritten (a run of reads grown since), the new lines added after it, then the oldest
/// lines dropped so that the list keeps no more than the model does.
struct list_changes {
    std::optional<std::string> last_line{};
    std::vector<std::string> new_lines{};  ///< oldest first
    std::size_t dropped = 0;

    bool empty() const { return !last_line && new_lines.empty() && dropped == 0; }
};

/// Counts the lines a view holds, to say how many of the oldest it must drop.
class shown_lines {
  public:
    explicit shown_lines(std::size_t keep_at_most) : keep_at_most_(keep_at_most) {}

    /// Adds `changes.new_lines` to the count and sets `changes.dropped` to what is too many.
    void add(list_changes& changes);

  private:
    std::size_t keep_at_most_;
    std::size_t count_ = 0;
};

/// Follows the line monitor's transcript for one view, which keeps as many lines as the
/// monitor keeps entries.
class transcript_follower {
  public:
    explicit transcript_follower(const line_monitor& monitor)
        : monitor_(monitor), shown_(monitor.capacity()) {}

    /// What changed since the last call (everything kept, the first time); empty when
    /// nothing did. The view is taken to show it all once this returns.
    list_changes changes();

  private:
    std::string line_of(const transcript_entry& entry) const;

    const line_monitor& monitor_;
    shown_lines shown_;
    std::uint64_t shown_revision_ = 0;
    std::uint64_t shown_end_ = 0;  ///< serial after the last entry shown
    std::uint64_t shown_last_count_ = 0;
};

/// Follows the breaches of the protocol the virtual instrument has seen, for one view,
/// which keeps as many as the instrument does.
class violation_follower {
  public:
    violation_follower(const virtual_instrument& instrument, const line_monitor& monitor)
        : instrument_(instrument), monitor_(monitor), shown_(sim::violation_log::kept) {}

    /// The breaches seen since the last call, oldest first: at most violation_log::kept, the
    /// newest, when more came meanwhile.
    list_changes changes();

  private:
    const virtual_instrument& instrument_;
    const line_monitor& monitor_;
    shown_lines shown_;
    std::uint64_t seen_ = 0;
};

}  // namespace helio
