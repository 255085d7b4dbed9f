// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "sequences/sequence_context.h"

namespace helio {

/// Told of every line added to the message log.
class log_observer {
  public:
    virtual ~log_observer() = default;
    virtual void line_logged(const std::string& text) = 0;
};

/// Told of every error the operator is shown, with the message: a press that ended in an
/// error, or what the console found wrong with the I/O component outside any press
/// (nothing of it goes to the message log).
class failure_observer {
  public:
    virtual ~failure_observer() = default;
    virtual void error_reported(const std::string& message) = 0;
};

/// What a watcher may follow of the console without driving it: the port's accesses and
/// the waits (through the sequences' context), the message log, the errors the operator is
/// shown, and whether a sequence is running. The maintainer's panel knows the console by
/// this alone, so that it needs nothing of the window's handlers.
class watched_console {
  public:
    virtual sequence_context& context() = 0;
    /// A command's sequence is running: the port is in use.
    virtual bool busy() const = 0;
    virtual void add_log_observer(log_observer& observer) = 0;
    virtual void remove_log_observer(log_observer& observer) = 0;
    virtual void add_failure_observer(failure_observer& observer) = 0;
    virtual void remove_failure_observer(failure_observer& observer) = 0;

  protected:
    ~watched_console() = default;
};

}  // namespace helio
