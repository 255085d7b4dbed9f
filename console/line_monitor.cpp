// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/line_monitor.h"

#include <algorithm>
#include <utility>

namespace helio {

line_monitor::line_monitor(watched_console& console, std::size_t capacity)
    : console_(console),
      time_(console.context().time),
      capacity_(std::max<std::size_t>(capacity, 1)),
      origin_(time_.now()) {
    console_.context().port.add_observer(*this);
    console_.add_log_observer(*this);
    console_.context().wait_observers.add(*this);
    console_.add_failure_observer(*this);
}

line_monitor::~line_monitor() {
    console_.remove_failure_observer(*this);
    console_.context().wait_observers.remove(*this);
    console_.remove_log_observer(*this);
    console_.context().port.remove_observer(*this);
}

transcript_entry& line_monitor::append(transcript_entry::kind what, std::int32_t value) {
    if (transcript_.size() == capacity_) {
        transcript_.pop_front();
    }
    ++revision_;
    return transcript_.emplace_back(transcript_entry{
        .what = what, .serial = next_serial_++, .when = time_.now(), .value = value});
}

void line_monitor::output_written(std::int32_t value) {
    ++writes_;
    last_output_ = value;
    append(transcript_entry::kind::write, value);
}

void line_monitor::input_read(std::int32_t input_byte) {
    ++reads_;
    ++revision_;
    last_input_ = input_byte;
    if (!transcript_.empty()) {
        transcript_entry& last = transcript_.back();
        if (last.what == transcript_entry::kind::read && last.value == input_byte) {
            ++last.count;
            return;
        }
    }
    append(transcript_entry::kind::read, input_byte);
}

void line_monitor::spun(std::int32_t count) {
    append(transcript_entry::kind::spin, count);
}

void line_monitor::line_logged(const std::string& text) {
    append(transcript_entry::kind::log, 0).text = text;
}

void line_monitor::wait_began(const status_wait& wait) {
    transcript_entry& entry = append(transcript_entry::kind::wait_began, wait.bit);
    entry.text = wait.mechanism;
    last_wait_ = wait_record{.mechanism = entry.text, .bit = wait.bit, .began = entry.when};
}

void line_monitor::wait_ended(const status_wait& wait, clock::duration took, bool arrived) {
    transcript_entry& entry = append(transcript_entry::kind::wait_ended, wait.bit);
    entry.text = wait.mechanism;
    entry.took = took;
    entry.arrived = arrived;
    if (!last_wait_) {
        last_wait_ =
            wait_record{.mechanism = entry.text, .bit = wait.bit, .began = entry.when - took};
    }
    last_wait_->took = took;
    last_wait_->arrived = arrived;
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

void line_monitor::remote_command_started(std::string description) {
    append(transcript_entry::kind::remote, 0).text = std::move(description);
}

void line_monitor::error_reported(const std::string& message) {
    append(transcript_entry::kind::failure, 0).text = message;
}

}  // namespace helio
