// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The start-up and memory floor of the console: a Qt window of the console's size with one
// push button, built with the same flags, and nothing else.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "console/form_layout.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName("bare_window");
    namespace layout = helio::layout;
    window.resize(layout::twips_to_pixels(layout::client_width_twips, window.logicalDpiX()),
                  layout::twips_to_pixels(layout::client_height_twips, window.logicalDpiY()));
    QPushButton button("OK", &window);
    button.move(24, 16);
    window.show();
    return application.exec();
}
