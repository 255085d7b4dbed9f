// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/console_parts.h"

#include <utility>

namespace helio {

namespace {

/// A part the console has only when `wanted`, built in place: none of them can be moved.
template <class Part, class... Arguments>
std::optional<Part> built_if(bool wanted, Arguments&&... arguments) {
    if (!wanted) {
        return std::nullopt;
    }
    return std::optional<Part>(std::in_place, std::forward<Arguments>(arguments)...);
}

}  // namespace

console_parts::console_parts(const console_options& options, instrument_kind kind,
                             const panel_plan& plan, io_component_factory& factory,
                             sim::simulated_component_factory* simulated, const clock& time,
                             const number_format& format,
                             std::unique_ptr<text_to_integer> conversion, alpaca::ui_poster& poster,
                             std::ostream* notice)
    : port_(factory, format),
      device_(port_, time, format.decimal_separator, std::move(conversion)),
      model_(device_),
      trace_(options.trace_path, device_),
      vcd_(options.vcd_path, device_),
      monitor_(device_),
      remote_(built_if<alpaca::remote_access>(
          options.alpaca.has_value(), device_, poster,
          alpaca::service_settings{.http = options.alpaca.value_or(alpaca::server_endpoint{}),
                                   .discovery_port = options.alpaca_discovery,
                                   .simulated = kind == instrument_kind::simulator})),
      simulated_(plan.shows_virtual_instrument && simulated != nullptr
                     ? std::optional<virtual_instrument>(std::in_place, *simulated)
                     : std::nullopt),
      panel_title_(plan.title) {
    if (!remote_) {
        alpaca::report_server_off(monitor_);
        return;
    }
    alpaca::report_server_on(monitor_, endpoint_text(remote_->listening()),
                             remote_->discovery_problem());
    if (notice != nullptr) {
        *notice << alpaca::service_notice(*remote_) << std::flush;
    }
}

panel_presenter& console_parts::presenter() {
    if (!presenter_) {
        presenter_.emplace(device_, monitor_, simulated_ ? &*simulated_ : nullptr, panel_title_);
    }
    return *presenter_;
}

}  // namespace helio
