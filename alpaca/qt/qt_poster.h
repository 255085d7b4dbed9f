// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "alpaca/ui_poster.h"

namespace helio::alpaca {

/// Posts work to the Qt event loop of the thread that made it, as a queued call: the loop
/// runs it, or processEvents() in a sequence's keep-alive does. Work still queued when
/// this poster goes is dropped.
class qt_poster final : public ui_poster {
  public:
    bool post(std::function<void()> work) override;

  private:
    QObject receiver_;
};

}  // namespace helio::alpaca
