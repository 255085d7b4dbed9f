// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace helio {

/// Where the sequences print their messages: one line of the console's message log.
class message_log {
  public:
    virtual ~message_log() = default;
    virtual void log_line(const std::string& text) = 0;
};

}  // namespace helio
