// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ttl/win32/com_apartment.h"

// The tests run on one thread that is, like the console's UI thread, a COM apartment.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    helio::win32::com_apartment apartment;
    return RUN_ALL_TESTS();
}
