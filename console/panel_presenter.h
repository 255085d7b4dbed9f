// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/line_monitor.h"
#include "console/panel_colours.h"
#include "console/panel_description.h"
#include "console/panel_followers.h"
#include "console/panel_texts.h"
#include "console/panel_update.h"
#include "console/timing_presenter.h"
#include "console/virtual_instrument.h"
#include "instrument/instrument.h"

namespace helio {

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
    /// The first page of the panel: the line monitor and the virtual instrument.
    const panel_control& description() const { return description_; }
    /// The captions of the panel's pages: the first, then the timing view's.
    static constexpr std::array<std::string_view, 2> page_titles{timing_captions::monitor_page,
                                                                 timing_captions::timing_page};
    /// The second page, the timing view: its controls (`timing().description()`) and what
    /// they show (`timing().update()`); its buttons are forwarded to pressed() as the others.
    const timing_presenter& timing() const { return timing_; }

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
    timing_presenter timing_;
    transcript_follower transcript_;
    std::optional<violation_follower> violations_;
    std::function<void()> changed_;
    std::string fault_entry_;     ///< the status entry's text
    bool entry_refused_ = false;  ///< arming it found no failing status there
};

}  // namespace helio
