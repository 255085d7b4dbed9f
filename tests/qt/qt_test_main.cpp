// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>

/// The main of every Qt view test program: one application object for all the cases.
int main(int argc, char** argv) {
    // The view tests need no display unless one is asked for; the screen they draw on is
    // a small laptop's, 1366 x 768 at 96 dots per inch.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" HELIO_TEST_SCREEN);
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
