// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/press_recorder.h"

namespace helio {

press_recorder::press_recorder(instrument& device, const line_monitor& monitor)
    : device_(device), monitor_(monitor) {
    device_.add_listener(*this, {event_kind::written, event_kind::read, event_kind::action_began,
                                 event_kind::action_ended});
}

press_recorder::~press_recorder() {
    device_.remove_listener(*this);
}

void press_recorder::on_event(const instrument_event& event) {
    switch (event.kind) {
        case event_kind::read:
            if (running_ && press_input_ != event.value) {  // a wait's reads: most are alike
                record(false, event.value);
            }
            last_input_ = event.value;
            return;
        case event_kind::written:
            if (running_) {
                record(true, event.value);
            }
            last_output_ = event.value;
            return;
        case event_kind::action_began:
            begin(event);
            return;
        case event_kind::action_ended:
            if (running_) {
                presses_.back().ended = true;
                running_ = false;
            }
            return;
        default:
            return;
    }
}

void press_recorder::begin(const instrument_event& event) {
    if (presses_.size() == presses_kept) {
        presses_.pop_front();
    }
    presses_.push_back({.serial = ++serial_,
                        .label = std::string(event.text),
                        .origin = event.origin,
                        .output_before = last_output_,
                        .input_before = last_input_});
    running_ = true;
    press_input_.reset();
    previous_.reset();
}

void press_recorder::record(bool written, std::int32_t value) {
    recorded_press& press = presses_.back();
    if (!written) {
        press_input_ = value;
    }
    if (press.changes.size() == changes_kept) {
        ++press.left_out;
        return;
    }
    const std::optional<clock::time_point> now = stamp_of(written, value);
    std::optional<clock::duration> since;
    if (now && previous_) {
        since = *now - *previous_;
    }
    previous_ = now;
    press.changes.push_back({written, value, since});
}

/// The monitor makes an entry of each write and of the first read of each run of identical
/// reads, stamped with the clock.
std::optional<clock::time_point> press_recorder::stamp_of(bool written, std::int32_t value) const {
    if (monitor_.transcript().empty()) {
        return std::nullopt;
    }
    const transcript_entry& newest = monitor_.transcript().back();
    const bool this_access =
        newest.value == value &&
        (written ? newest.what == transcript_entry::kind::write
                 : newest.what == transcript_entry::kind::read && newest.count == 1);
    return this_access ? std::optional(newest.when) : std::nullopt;
}

}  // namespace helio
