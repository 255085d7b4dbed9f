// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/transcript_view.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>

#include "console/qt/panel_text.h"

namespace helio {

transcript_view::transcript_view(const line_monitor& monitor, QWidget* parent)
    : QPlainTextEdit(parent), follower_(monitor) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMaximumBlockCount(static_cast<int>(monitor.capacity()));
    refresh();
}

void transcript_view::rewrite_last_line(const QString& text) {
    QTextCursor cursor(document()->lastBlock());
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void transcript_view::refresh() {
    const transcript_changes changes = follower_.changes();
    if (changes.empty()) {
        return;
    }
    QScrollBar* scroll = verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    if (changes.last_line) {
        rewrite_last_line(panel_text::from_utf8(*changes.last_line));
    }
    for (const std::string& line : changes.new_lines) {
        appendPlainText(panel_text::from_utf8(line));
    }
    if (following) {
        scroll->setValue(scroll->maximum());
    }
}

}  // namespace helio
