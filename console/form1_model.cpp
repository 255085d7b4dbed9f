// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/form1_model.h"

#include <optional>
#include <utility>

#include "console/form_layout.h"

namespace helio {

form1_model::form1_model(instrument& device) : device_(device) {
    device_.add_listener(*this, {event_kind::logged, event_kind::still_waiting,
                                 event_kind::action_began, event_kind::action_ended});
}

form1_model::~form1_model() {
    device_.remove_listener(*this);
}

void form1_model::Text1_Change(std::string_view text) {
    consigne_ = text;
}

void form1_model::press(const layout::control_spec& row) {
    if (!row.press) {
        return;
    }
    // GO takes the entry as it reads when pressed, even if the press waits its turn.
    action what{.kind = row.press->kind,
                .origin = action_origin::window,
                .position = row.press->position,
                .entry = row.press->kind == action_kind::go ? consigne_ : std::string(),
                .asked_by = std::string(row.name)};
    device_.submit(std::move(what), [this](const action_outcome& outcome) {
        if (outcome.error && host_ != nullptr) {
            host_->show_error(outcome.message);
        }
    });
}

bool form1_model::press(std::string_view control) {
    const std::optional<layout::control_spec> row = layout::find_control(control);
    if (!row || !row->press) {
        return false;
    }
    press(*row);
    return true;
}

bool form1_model::may_close() {
    if (!device_.working()) {
        return true;
    }
    if (!std::exchange(close_pending_, true)) {
        device_.when_idle([this] {
            close_pending_ = false;
            if (host_ != nullptr) {
                host_->close_window();
            }
        });
    }
    return false;
}

void form1_model::on_event(const instrument_event& event) {
    switch (event.kind) {
        case event_kind::logged:
            if (messages_.size() == kept_messages) {
                messages_.pop_front();
            }
            messages_.emplace_back(event.text);
            if (host_ != nullptr) {
                host_->line_logged(messages_.back());
            }
            break;
        case event_kind::still_waiting:
            if (host_ != nullptr) {
                host_->keep_alive();
            }
            break;
        case event_kind::action_began:
        case event_kind::action_ended:
            if (host_ != nullptr) {
                host_->show_busy(event.kind == event_kind::action_began);
            }
            break;
        default:
            break;
    }
}

}  // namespace helio
