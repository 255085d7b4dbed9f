// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "console/panel_description.h"
#include "console/panel_update.h"
#include "console/press_recorder.h"
#include "console/timing_chart.h"
#include "instrument/instrument.h"

namespace helio {

/// The panel's timing view, for any toolkit: its controls, the press it shows (the newest,
/// until the maintainer goes back to an earlier one kept) and the chart of that press.
class timing_presenter {
  public:
    /// `monitor` listens to `device` already (see press_recorder).
    timing_presenter(instrument& device, const line_monitor& monitor);

    const panel_control& description() const { return description_; }

    /// The press shown (`timing_press`: "Action 3 sur 20 : Command1 : VISEE (fenêtre)") and
    /// its chart (`timing_chart`, empty before the first press).
    panel_update update() const;
    /// `timing_previous` or `timing_next`: an earlier or a later press kept. At the newest,
    /// the view follows each new press.
    void pressed(std::string_view name);

  private:
    std::string press_text() const;
    timing_drawing chart() const;
    /// Where the press shown is among those kept; none before the first.
    std::optional<std::size_t> shown_index() const;

    const instrument& device_;
    press_recorder recorder_;
    panel_control description_;
    std::optional<std::uint64_t> shown_;  ///< the press chosen; none: the newest
};

}  // namespace helio
