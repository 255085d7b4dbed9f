// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/trace_writer.h"

#include <algorithm>

namespace helio {

trace_writer::trace_writer(std::ostream& out, instrument& device) : out_(out), device_(device) {
    device_.add_listener(*this, {event_kind::written, event_kind::read, event_kind::logged,
                                 event_kind::error_shown, event_kind::action_ended});
}

trace_writer::~trace_writer() {
    device_.remove_listener(*this);
    end_run();
}

void trace_writer::on_event(const instrument_event& event) {
    if (run_ && join_run(*run_, event)) {
        return;
    }
    end_run();
    std::optional<transcript_entry> entry = entry_of(event);
    if (!entry) {
        return;  // an action's end: its last run is written
    }
    if (entry->what == transcript_entry::kind::read) {
        run_ = std::move(entry);
    } else {
        write(*entry);
    }
}

void trace_writer::end_run() {
    if (run_) {
        write(*run_);
        run_.reset();
    }
}

void trace_writer::write(const transcript_entry& entry) {
    if (const std::optional<std::string> line = trace_line(entry)) {
        out_ << *line << std::endl;
    }
}

std::optional<std::string> trace_line(const transcript_entry& entry) {
    // Appended piece by piece: GCC 12 at -O3 takes "W " + std::to_string(...) for an
    // overlapping copy (-Wrestrict, a false alarm) and the release build stops on it.
    std::string line;
    using kind = transcript_entry::kind;
    switch (entry.what) {
        case kind::write:
            line = "W ";
            line += std::to_string(entry.value);
            return line;
        case kind::read:
            line = "R ";
            line += std::to_string(entry.value);
            if (entry.count > 1) {
                line += ' ';
                line += std::to_string(entry.count);
            }
            return line;
        case kind::log:
            line = "L ";
            line += entry.text;
            return line;
        case kind::failure:
            line = "E ";
            line += entry.text;
            std::ranges::replace(line, '\n', ' ');
            return line;
        default:
            return std::nullopt;
    }
}

}  // namespace helio
