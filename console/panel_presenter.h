// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "console/line_monitor.h"
#include "console/panel_colours.h"
#include "console/panel_description.h"
#include "console/panel_followers.h"
#include "console/virtual_instrument.h"
#include "instrument/instrument.h"

namespace helio {

/// The colours of a row's eight lamps, left to right.
using lamp_colours = std::array<panel_colours::rgb, 8>;

/// What a control shows: a text, a check box's state, the line picked in a list, the
/// lamps' colours, or the changes to make to a list of lines.
using control_value = std::variant<std::string, bool, std::size_t, lamp_colours, list_changes>;

/// Calls the one of `Calls` that takes what a control_value holds: `std::visit(
/// drawn_by{[](const std::string&) {...}, [](bool) {...}, ...}, value)`.
template <class... Calls>
struct drawn_by : Calls... {
    using Calls::operator()...;
};

/// What every control with something to show shows now, by name.
struct panel_update {
    std::vector<std::pair<std::string_view, control_value>> controls;
    bool relayout = false;  ///< the description changed: the panel is to be laid out again

    /// What the control `name` shows; throws std::out_of_range if it is not in the update.
    template <class Value>
    const Value& of(std::string_view name) const {
        for (const auto& [control, value] : controls) {
            if (control == name) {
                return std::get<Value>(value);
            }
        }
        throw std::out_of_range("no control " + std::string(name) + " in the update");
    }
};

/// Everything the maintainer's panel decides, for any toolkit: which controls it has, what
/// they show, and what the maintainer's actions on them do. A view builds its widgets from
/// description(), draws each update() and forwards each action; it decides nothing. The
/// panel only listens to the console: none of this reads or writes the port.
class panel_presenter final : private event_listener {
  public:
    /// How often a view asks for an update between presses.
    static constexpr std::chrono::milliseconds refresh_interval{50};

    /// `simulated` is null on the real instrument: the panel is then the line monitor alone.
    panel_presenter(instrument& device, const line_monitor& monitor, virtual_instrument* simulated,
                    std::string_view title);
    ~panel_presenter() override;

    panel_presenter(const panel_presenter&) = delete;
    panel_presenter& operator=(const panel_presenter&) = delete;

    std::string_view title() const { return title_; }
    const panel_control& description() const { return description_; }

    /// What the controls show now; the lists' changes since the last update, handed out once.
    panel_update update();
    /// A sequence is running: the view shows the busy cursor.
    bool busy() const { return device_.busy(); }
    /// `refresh` is called after each of the maintainer's actions below but typing (drawn at
    /// the next refresh), and at every keep-alive of a wait, so that the view follows the
    /// mechanisms while Form1 is busy.
    void on_change(std::function<void()> refresh) { changed_ = std::move(refresh); }

    // What the maintainer did, on the control named `name`.
    void toggled(std::string_view name, bool on);
    /// The line `index` of a list picked; for an entry, as if its text were typed.
    void chosen(std::string_view name, std::size_t index);
    /// The entry's text, typed or picked from its list.
    void typed(std::string_view name, std::string_view text);
    void pressed(std::string_view name);

  private:
    void on_event(const instrument_event& event) override;
    void changed() const;
    void add_monitor(panel_update& update);
    void add_instrument(panel_update& update);

    instrument& device_;
    const line_monitor& monitor_;
    virtual_instrument* instrument_;
    std::string title_;
    panel_control description_;
    transcript_follower transcript_;
    std::optional<violation_follower> violations_;
    std::function<void()> changed_;
    std::string fault_entry_;     ///< the status entry's text
    bool entry_refused_ = false;  ///< arming it found no failing status there
};

}  // namespace helio
