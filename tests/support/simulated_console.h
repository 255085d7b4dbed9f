// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "console/form1_model.h"
#include "instrument/instrument.h"
#include "support/recorders.h"
#include "support/simulated_port.h"
#include "ttl/text_to_integer.h"

namespace helio::test {

/// The instrument and the console window's model on the simulated heliograph, with what the
/// port did (`ports`, now told by the instrument) and what the operator was shown (`host`,
/// the log's lines included) recorded.
struct simulated_console : simulated_port {
    explicit simulated_console(const sim_builder& wanted)
        : simulated_port(wanted),
          device(port, clock_in_use, wanted.separator_,
                 wanted.numbers_ ? std::make_unique<portable_text_to_integer>(*wanted.numbers_)
                                 : nullptr) {
        device.add_listener(ports);
        model.set_host(&host);
    }

    instrument device;
    form1_model model{device};
    host_recorder host;
};

inline std::unique_ptr<simulated_console> sim_builder::build() const {
    return std::make_unique<simulated_console>(*this);
}

}  // namespace helio::test
