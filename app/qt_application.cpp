// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/qt_application.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace helio {
namespace {

struct held_message {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Qt's messages while the application connects; only open_application touches them, on
// the one thread there is at that point.
std::vector<held_message> held_messages;

// Qt's fatal text spans a paragraph about plugins; the platform's first warning before it
// says what went wrong ("could not connect to display :1").
QString first_platform_complaint(const QString& fatal_text) {
    for (const held_message& message : held_messages) {
        if (message.category.startsWith("qt.qpa")) {
            return message.text;
        }
    }
    return fatal_text.section(QLatin1Char('\n'), 0, 0);
}

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "heliograph-console: cannot open a window: %s\n",
                     first_platform_complaint(text).toLocal8Bit().constData());
        std::_Exit(1);
    }
    held_messages.push_back({type, QByteArray(context.category), text});
}

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::string missing_display() {
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) {
        return {};
    }
    return "cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
}

std::unique_ptr<QApplication> open_application(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(hold_message);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const held_message& message : held_messages) {
        previous(message.type,
                 QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                 message.text);
    }
    held_messages.clear();
    return application;
}

}  // namespace helio
