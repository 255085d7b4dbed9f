// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "alpaca/remote_access.h"
#include "alpaca/server_status.h"
#include "alpaca/ui_poster.h"
#include "app/command_line.h"
#include "app/instrument_choice.h"
#include "app/trace_sink.h"
#include "app/vcd_sink.h"
#include "console/form1_model.h"
#include "console/line_monitor.h"
#include "console/panel_presenter.h"
#include "console/virtual_instrument.h"
#include "instrument/instrument.h"
#include "simulator/simulated_component_factory.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"
#include "ttl/text_to_integer.h"

namespace helio {

/// Everything the console is behind its windows, the same on every platform, each part
/// built after what it listens to and gone before it: the port on `factory`, the instrument,
/// Form1's model, the trace and the VCD recording asked for, the panel's monitor, the Alpaca device
/// when asked for (its address told on `notice`, if given, and in the monitor), the virtual
/// instrument of `simulated` when the panel shows one (`simulated` may be null on the instrument),
/// and the panel's presenter, made the first time the panel is: until then nobody sees it, and the
/// monitor it reads from has kept everything since the start. `kind` is what the port
/// reaches, which the Alpaca devices' UniqueIDs tell apart.
class console_parts {
  public:
    console_parts(const console_options& options, instrument_kind kind, const panel_plan& plan,
                  io_component_factory& factory, sim::simulated_component_factory* simulated,
                  const clock& time, const number_format& format,
                  std::unique_ptr<text_to_integer> conversion, alpaca::ui_poster& poster,
                  std::ostream* notice);

    console_parts(const console_parts&) = delete;
    console_parts& operator=(const console_parts&) = delete;

    helio::instrument& device() { return device_; }
    form1_model& model() { return model_; }
    panel_presenter& presenter();

  private:
    port_access port_;
    helio::instrument device_;
    form1_model model_;
    trace_sink trace_;
    vcd_sink vcd_;
    line_monitor monitor_;
    std::optional<alpaca::remote_access> remote_;
    std::optional<virtual_instrument> simulated_;
    std::string_view panel_title_;
    std::optional<panel_presenter> presenter_;
};

}  // namespace helio
