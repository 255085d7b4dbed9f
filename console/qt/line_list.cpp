// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/line_list.h"

#include <QScrollBar>
#include <QTextBlock>

#include "console/qt/panel_text.h"

namespace helio {

line_list::line_list(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void line_list::show_changes(const list_changes& changes) {
    if (changes.empty()) {
        return;
    }
    QScrollBar* scroll = verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    if (changes.last_line) {
        QTextCursor last(document()->lastBlock());
        last.movePosition(QTextCursor::StartOfBlock);
        last.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        last.insertText(panel_text::from_utf8(*changes.last_line));
    }
    for (const std::string& line : changes.new_lines) {
        appendPlainText(panel_text::from_utf8(line));
    }
    if (changes.dropped > 0) {
        QTextCursor oldest(document()->firstBlock());
        oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor,
                            static_cast<int>(changes.dropped));
        oldest.removeSelectedText();
    }
    if (following) {
        scroll->setValue(scroll->maximum());
    }
}

QStringList line_list::lines() const {
    return toPlainText().split('\n', Qt::SkipEmptyParts);
}

}  // namespace helio
