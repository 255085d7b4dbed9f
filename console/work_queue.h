// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace helio {

/// One piece of work for the instrument: a button's handler, or a command that came from
/// elsewhere (a client of the network server), which waits its turn as a press does.
struct instrument_command {
    /// What the command is called where it is recorded (the panel's transcript): the
    /// control's name for a press, "Command1".
    std::string label;
    /// The work, run on the UI thread to its end. It may raise the console's errors.
    std::function<void()> run;
    /// For a command whose caller reports how it went (a remote client): told of the error
    /// that stopped it and of the message the operator would have read, instead of the
    /// operator being shown it. None for a press.
    std::function<void(const std::exception_ptr& error, const std::string& message)>
        report_failure{};
};

/// The instrument's one queue of work. A command submitted while another runs (a press
/// made during a sequence and dispatched by the wait's keep-alive, a remote command) is
/// never dropped: it waits, and runs after the running one ends, in the order submitted.
/// UI thread only: there are no locks, so work coming from another thread is first posted
/// to the UI thread, which then submits it here.
class work_queue {
  public:
    /// Runs each command to its end; must not raise (form1_model catches at this edge).
    explicit work_queue(std::function<void(const instrument_command&)> run_one)
        : run_one_(std::move(run_one)) {}

    work_queue(const work_queue&) = delete;
    work_queue& operator=(const work_queue&) = delete;

    /// Runs `command` now if nothing runs, then whatever was submitted meanwhile, and
    /// returns true once all has run. If a command is running already, only queues it and
    /// returns false: the running call will run it.
    bool submit(instrument_command command);

    /// A command is running, or waits to.
    bool working() const { return running_; }
    std::size_t waiting() const { return waiting_.size(); }

  private:
    std::function<void(const instrument_command&)> run_one_;
    std::deque<instrument_command> waiting_;
    bool running_ = false;
};

}  // namespace helio
