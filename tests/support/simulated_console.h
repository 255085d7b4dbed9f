// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "console/form1_model.h"
#include "support/recorders.h"
#include "support/simulated_port.h"
#include "ttl/text_to_integer.h"

namespace helio::test {

/// The console's model on the simulated heliograph, with what it sent and what the operator
/// was told recorded.
struct simulated_console : simulated_port {
    explicit simulated_console(const sim_builder& wanted)
        : simulated_port(wanted),
          model(port, clock_in_use, wanted.separator_,
                wanted.numbers_ ? std::make_unique<portable_text_to_integer>(*wanted.numbers_)
                                : nullptr) {
        model.set_host(&host);
        if (wanted.log_to_host_) {
            model.add_log_observer(host);
        }
    }

    form1_model model;
    host_recorder host;
};

inline std::unique_ptr<simulated_console> sim_builder::build() const {
    return std::make_unique<simulated_console>(*this);
}

}  // namespace helio::test
