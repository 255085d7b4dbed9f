// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/instrument_choice.h"

#include "console/panel_texts.h"

namespace helio {

instrument_kind choose_instrument(const console_options& options, bool io_component_available) {
    return options.simulate || !io_component_available ? instrument_kind::simulator
                                                       : instrument_kind::real_device;
}

panel_plan plan_panel(instrument_kind kind) {
    if (kind == instrument_kind::simulator) {
        return {.open_at_start = true,
                .shows_virtual_instrument = true,
                .title = panel_titles::simulator};
    }
    return {.open_at_start = false,
            .shows_virtual_instrument = false,
            .title = panel_titles::real_device};
}

}  // namespace helio
