// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/qt/transcript_view.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "console/transcript_text.h"

namespace helio {

transcript_view::transcript_view(const line_monitor& monitor, QWidget* parent)
    : QPlainTextEdit(parent), monitor_(monitor) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setMaximumBlockCount(static_cast<int>(monitor.capacity()));
    refresh();
}

QString transcript_view::line_of(const transcript_entry& entry) const {
    return QString::fromStdString(
        transcript_line(entry, monitor_.origin(), monitor_.decimal_separator()));
}

void transcript_view::rewrite_last_line(const QString& text) {
    QTextCursor cursor(document()->lastBlock());
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void transcript_view::refresh() {
    if (monitor_.revision() == shown_revision_) {
        return;
    }
    shown_revision_ = monitor_.revision();
    const std::deque<transcript_entry>& entries = monitor_.transcript();
    if (entries.empty()) {
        return;
    }
    QScrollBar* scroll = verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();

    const std::uint64_t first = entries.front().serial;
    const std::uint64_t end = first + entries.size();
    if (shown_end_ > first) {
        const transcript_entry& last_shown = entries[shown_end_ - 1 - first];
        if (last_shown.count != shown_last_count_) {
            rewrite_last_line(line_of(last_shown));
        }
    }
    for (std::uint64_t serial = std::max(shown_end_, first); serial < end; ++serial) {
        appendPlainText(line_of(entries[serial - first]));
    }
    shown_end_ = end;
    shown_last_count_ = entries.back().count;

    if (following) {
        scroll->setValue(scroll->maximum());
    }
}

}  // namespace helio
