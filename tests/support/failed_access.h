// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ttl/errors.h"
#include "ttl/port_access.h"

namespace helio::test {

/// A write (or a read) that must fail with an io_error of that access: its status, the
/// component's call, and what the system says of the status.
inline void expect_io_error(port_access& port, bool on_write, status_code code,
                            const std::string& system_text) {
    try {
        if (on_write) {
            port.write_output(8);
        } else {
            port.get_ttl();
        }
        ADD_FAILURE() << "a failed access must not pass silently";
    } catch (const io_error& error) {
        EXPECT_EQ(error.code(), code);
        EXPECT_EQ(error.operation(), on_write ? "WritePort" : "ReadPort");
        EXPECT_EQ(error.system_text(), system_text);
    }
}

}  // namespace helio::test
