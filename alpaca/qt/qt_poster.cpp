// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/qt/qt_poster.h"

namespace helio::alpaca {

bool qt_poster::post(std::function<void()> work) {
    return QMetaObject::invokeMethod(&receiver_, std::move(work), Qt::QueuedConnection);
}

}  // namespace helio::alpaca
