// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/panel_followers.h"

#include <algorithm>

#include "console/transcript_text.h"

namespace helio {

void shown_lines::add(list_changes& changes) {
    count_ += changes.new_lines.size();
    changes.dropped = count_ > keep_at_most_ ? count_ - keep_at_most_ : 0;
    count_ -= changes.dropped;
}

std::string transcript_follower::line_of(const transcript_entry& entry) const {
    return transcript_line(entry, monitor_.origin(), monitor_.decimal_separator());
}

list_changes transcript_follower::changes() {
    list_changes changes;
    if (monitor_.revision() == shown_revision_) {
        return changes;
    }
    shown_revision_ = monitor_.revision();
    const std::deque<transcript_entry>& entries = monitor_.transcript();
    if (entries.empty()) {
        return changes;
    }
    const std::uint64_t first = entries.front().serial;
    const std::uint64_t end = first + entries.size();
    if (shown_end_ > first) {
        // A read repeated since: the run it belongs to is the last line shown, longer now.
        const transcript_entry& last_shown =
            entries[static_cast<std::size_t>(shown_end_ - 1 - first)];
        if (last_shown.count != shown_last_count_) {
            changes.last_line = line_of(last_shown);
        }
    }
    for (std::uint64_t serial = std::max(shown_end_, first); serial < end; ++serial) {
        changes.new_lines.push_back(line_of(entries[static_cast<std::size_t>(serial - first)]));
    }
    shown_end_ = end;
    shown_last_count_ = entries.back().count;
    shown_.add(changes);
    return changes;
}

list_changes violation_follower::changes() {
    const std::uint64_t seen = instrument_.violations().seen();
    const auto& kept = instrument_.violations().newest();
    const auto fresh = std::min<std::uint64_t>(seen - seen_, kept.size());
    list_changes changes;
    for (auto it = kept.end() - static_cast<std::ptrdiff_t>(fresh); it != kept.end(); ++it) {
        changes.new_lines.push_back(
            violation_line(*it, monitor_.origin(), monitor_.decimal_separator()));
    }
    seen_ = seen;
    shown_.add(changes);
    return changes;
}

}  // namespace helio
