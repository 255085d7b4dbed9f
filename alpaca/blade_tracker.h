// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "alpaca/device_state.h"
#include "console/form1_model.h"
#include "sequences/sequence_context.h"

namespace helio::alpaca {

/// Follows every move of the blades, from a button or from a client, on the console's
/// thread, and tells the shared state: moving, arrived, or failed on the way (with the
/// error that stopped the sequence), so that Position never claims a slot the console does
/// not know.
class blade_tracker final : private blade_observer, private failure_observer {
  public:
    blade_tracker(form1_model& model, device_state& state);
    ~blade_tracker() override;

    blade_tracker(const blade_tracker&) = delete;
    blade_tracker& operator=(const blade_tracker&) = delete;

  private:
    void blades_moving(std::int32_t position) override;
    void blades_arrived(std::int32_t position) override;
    void error_reported(const std::string& message) override;

    form1_model& model_;
    device_state& state_;
};

}  // namespace helio::alpaca
