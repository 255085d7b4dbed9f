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
#include <vector>

#include "console/form1_model.h"
#include "console/line_monitor.h"
#include "console/panel_colours.h"
#include "console/panel_followers.h"
#include "console/virtual_instrument.h"

namespace helio {

/// Eight lamps of a port, bit 7 on the left as a byte is written, and the byte's value.
struct lamp_row_state {
    std::array<panel_colours::rgb, 8> colours{};  ///< left to right: bit 7 first
    std::string value;                            ///< "10", or "—" before the first access
};

/// The line monitor's part of the panel, as a view draws it.
struct monitor_state {
    lamp_row_state outputs;
    lamp_row_state inputs;
    std::string wait;
    std::string counts;
    std::vector<std::string> status_lines{};  ///< one label each, under the counts
};

/// The virtual instrument's part: its labels and where its switches stand.
struct instrument_state {
    std::string mirror;
    std::string blades;
    std::string pusher;
    bool sighting_button = true;
    bool mirror_stuck = false;
    bool blades_stuck = false;
    std::optional<std::size_t>
        travel_speed;         ///< in travel_speeds(); none for a scale set elsewhere
    std::string armed_fault;  ///< what is armed, or why the entry was refused
    std::string violation_count;
};

/// Everything a view of the panel changes at one refresh.
struct panel_update {
    monitor_state monitor;
    list_changes transcript{};
    std::optional<instrument_state> instrument{};  ///< none on the real instrument
    list_changes violations{};
};

/// Everything the maintainer's panel decides, for any toolkit: what its lamps, labels and
/// lists show, where its switches stand, and what the maintainer's actions do. A view
/// builds its widgets from the description below, draws each update() and forwards each
/// action here; it decides nothing. The panel only listens to the console: none of this
/// reads or writes the port.
class panel_presenter final : private wait_observer {
  public:
    /// How often a view asks for an update between presses.
    static constexpr std::chrono::milliseconds refresh_interval{50};
    /// The line of the fault list picked when the panel opens.
    static constexpr std::size_t first_fault_choice = 0;

    /// `instrument` is null on the real instrument: the panel is then the line monitor alone.
    panel_presenter(form1_model& model, const line_monitor& monitor, virtual_instrument* instrument,
                    std::string_view title);
    ~panel_presenter() override;

    panel_presenter(const panel_presenter&) = delete;
    panel_presenter& operator=(const panel_presenter&) = delete;

    // What the view builds.
    std::string_view title() const { return title_; }
    bool shows_instrument() const { return instrument_ != nullptr; }
    /// The captions under the lamps, left to right: "bit 7\ncode 128".
    static std::array<std::string, 8> output_lamp_captions();
    static std::array<std::string, 8> input_lamp_captions();
    /// The failing statuses offered to arm, "0x80070005 E_ACCESSDENIED (accès refusé)".
    static std::vector<std::string> fault_choices();
    static std::vector<std::string> travel_speeds();

    /// What changed since the last update; the lists' changes are handed out once.
    panel_update update();
    /// A sequence is running: the view shows the busy cursor.
    bool busy() const { return model_.busy(); }
    /// `refresh` is called at every keep-alive of a wait, so that the view follows the
    /// mechanisms while Form1 is busy.
    void on_keep_alive(std::function<void()> refresh) { keep_alive_ = std::move(refresh); }

    // What the maintainer does.
    void set_sighting_button(bool active);
    void set_mirror_stuck(bool stuck);
    void set_blades_stuck(bool stuck);
    void choose_travel_speed(std::size_t index);
    /// The status entry was typed in or picked from the list: a refusal shown is over.
    void fault_entry_changed() { entry_refused_ = false; }
    /// Arms the status named by `entry` (typed or picked) for the next port access, or
    /// refuses an entry that names no failing status.
    void arm_fault(std::string_view entry);
    void cancel_fault();

  private:
    void still_waiting() override;
    monitor_state monitor_now() const;
    instrument_state instrument_now() const;

    form1_model& model_;
    const line_monitor& monitor_;
    virtual_instrument* instrument_;
    std::string title_;
    transcript_follower transcript_;
    std::optional<violation_follower> violations_;
    std::function<void()> keep_alive_;
    bool entry_refused_ = false;
};

}  // namespace helio
