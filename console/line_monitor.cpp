// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/line_monitor.h"

#include <algorithm>
#include <utility>

namespace helio {

line_monitor::line_monitor(instrument& device, std::size_t capacity)
    : device_(device),
      time_(device.time()),
      capacity_(std::max<std::size_t>(capacity, 1)),
      origin_(time_.now()) {
    device_.add_listener(*this, {event_kind::written, event_kind::read, event_kind::spun,
                                 event_kind::logged, event_kind::wait_began, event_kind::wait_ended,
                                 event_kind::error_shown, event_kind::action_began});
}

line_monitor::~line_monitor() {
    device_.remove_listener(*this);
}

void line_monitor::on_event(const instrument_event& event) {
    ++revision_;
    if (event.kind == event_kind::written) {
        ++writes_;
        last_output_ = event.value;
    } else if (event.kind == event_kind::read) {
        ++reads_;
        last_input_ = event.value;
        if (!transcript_.empty() && join_run(transcript_.back(), event)) {
            return;
        }
    }
    std::optional<transcript_entry> entry = entry_of(event);
    if (!entry) {
        return;
    }
    if (transcript_.size() == capacity_) {
        transcript_.pop_front();
    }
    entry->serial = next_serial_++;
    entry->when = time_.now();
    follow_wait(transcript_.emplace_back(std::move(*entry)));
}

void line_monitor::follow_wait(const transcript_entry& entry) {
    if (entry.what == transcript_entry::kind::wait_began) {
        last_wait_ = wait_record{.mechanism = entry.text, .bit = entry.value, .began = entry.when};
    } else if (entry.what == transcript_entry::kind::wait_ended) {
        if (!last_wait_) {
            last_wait_ = wait_record{
                .mechanism = entry.text, .bit = entry.value, .began = entry.when - entry.took};
        }
        last_wait_->took = entry.took;
        last_wait_->arrived = entry.arrived;
    }
}

void line_monitor::set_status_line(std::string_view key, std::string text) {
    const auto same_key = [key](const status_line& line) { return line.key == key; };
    const auto found = std::ranges::find_if(status_lines_, same_key);
    if (text.empty()) {
        std::erase_if(status_lines_, same_key);
    } else if (found != status_lines_.end()) {
        found->text = std::move(text);
    } else {
        status_lines_.push_back({std::string(key), std::move(text)});
    }
    ++revision_;
}

}  // namespace helio
