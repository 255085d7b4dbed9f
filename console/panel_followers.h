// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "console/line_monitor.h"
#include "console/virtual_instrument.h"

/// What a view of the panel's growing lists has to change to catch up with the models, so
/// that a refresh adds only what is new instead of writing every line again.
namespace helio {

/// The lines of the transcript a view has not shown yet, and the new text of the last line
/// it shows when the run of reads on that line has grown since.
struct transcript_changes {
    std::optional<std::string> last_line;  ///< replaces the last line shown
    std::vector<std::string> new_lines;    ///< go after it, oldest first

    bool empty() const { return !last_line && new_lines.empty(); }
};

/// Follows the line monitor's transcript for one view, which keeps at most the monitor's
/// capacity of lines and drops the oldest.
class transcript_follower {
  public:
    explicit transcript_follower(const line_monitor& monitor) : monitor_(monitor) {}

    /// What changed since the last call (everything kept, the first time); empty when
    /// nothing did. The view is taken to show it all once this returns.
    transcript_changes changes();

  private:
    std::string line_of(const transcript_entry& entry) const;

    const line_monitor& monitor_;
    std::uint64_t shown_revision_ = 0;
    std::uint64_t shown_end_ = 0;  ///< serial after the last entry shown
    std::uint64_t shown_last_count_ = 0;
};

/// Follows the breaches of the protocol the virtual instrument has seen, for one view.
class violation_follower {
  public:
    violation_follower(const virtual_instrument& instrument, const line_monitor& monitor)
        : instrument_(instrument), monitor_(monitor) {}

    /// The lines of the breaches seen since the last call, oldest first: at most
    /// virtual_instrument::kept_violations, the newest, when more came meanwhile.
    std::vector<std::string> new_lines();

  private:
    const virtual_instrument& instrument_;
    const line_monitor& monitor_;
    std::uint64_t shown_ = 0;
};

}  // namespace helio
