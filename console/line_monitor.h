// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/watched_console.h"
#include "sequences/sequence_context.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio {

/// One line of the monitor's transcript. A run of identical reads shares one entry.
struct transcript_entry {
    enum class kind { write, read, spin, log, wait_began, wait_ended, failure, remote };

    kind what;
    std::uint64_t serial;     ///< 0 for the first entry ever made, then one more each
    clock::time_point when;   ///< of the first access the entry stands for
    std::int32_t value = 0;   ///< the byte written or read, the spin count, or the awaited bit
    std::uint64_t count = 1;  ///< identical reads in a row
    std::string text{};       ///< the logged line, the awaited mechanism, the error, or the command
    clock::duration took{};   ///< wait_ended: how long the mechanism took
    bool arrived = false;     ///< wait_ended: it reported before the limit
};

/// A wait for a mechanism, under way (no `took` yet) or over.
struct wait_record {
    std::string mechanism;
    int bit = 0;
    clock::time_point began{};
    std::optional<clock::duration> took{};
    bool arrived = false;
};

/// A line of state the monitor shows besides the accesses.
struct status_line {
    std::string key;
    std::string text;  ///< UTF-8
};

/// What the sequences did on the lines, for the maintainer to see: the last byte written
/// and read, and a bounded, timestamped transcript of every access, logged line and wait,
/// of every error the operator was shown, and of every command a client of the network
/// server had the console run. It only listens; it never touches the port itself. The work per
/// access is a few stores, so that watching does not slow a wait down: a run of identical reads
/// grows one entry's count without reading the clock.
class line_monitor final : private port_observer,
                           private log_observer,
                           private wait_observer,
                           private failure_observer {
  public:
    static constexpr std::size_t default_capacity = 5000;

    /// Starts listening to the lines, the log and the waits of `console`, until destroyed.
    explicit line_monitor(watched_console& console, std::size_t capacity = default_capacity);
    ~line_monitor() override;

    line_monitor(const line_monitor&) = delete;
    line_monitor& operator=(const line_monitor&) = delete;

    std::optional<std::int32_t> last_output() const { return last_output_; }
    std::optional<std::int32_t> last_input() const { return last_input_; }

    /// The newest entries, oldest first; at most `capacity` of them.
    const std::deque<transcript_entry>& transcript() const { return transcript_; }
    std::size_t capacity() const { return capacity_; }

    std::uint64_t writes() const { return writes_; }
    std::uint64_t reads() const { return reads_; }
    /// Changes whenever anything the monitor shows changes.
    std::uint64_t revision() const { return revision_; }

    /// The wait under way, or the last one that ended.
    const std::optional<wait_record>& last_wait() const { return last_wait_; }

    /// A line of state shown under the access counts, kept under the `key` of what it is
    /// about (a server, a component's registration): set again to change it, to "" to take
    /// it away. Lines come in the order their keys were first set.
    void set_status_line(std::string_view key, std::string text);
    const std::vector<status_line>& status_lines() const { return status_lines_; }

    /// A command a client of the network server has the console run, as it starts, named
    /// as the server names it: the accesses that follow in the transcript are its own.
    void remote_command_started(std::string description);

    /// When the monitor started: the transcript's times count from here.
    clock::time_point origin() const { return origin_; }
    const std::string& decimal_separator() const { return console_.context().decimal_separator; }

  private:
    void output_written(std::int32_t value) override;
    void input_read(std::int32_t input_byte) override;
    void spun(std::int32_t count) override;
    void line_logged(const std::string& text) override;
    void wait_began(const status_wait& wait) override;
    void wait_ended(const status_wait& wait, clock::duration took, bool arrived) override;
    void error_reported(const std::string& message) override;

    transcript_entry& append(transcript_entry::kind what, std::int32_t value);

    watched_console& console_;
    const clock& time_;
    std::size_t capacity_;
    clock::time_point origin_;
    std::deque<transcript_entry> transcript_;
    std::uint64_t next_serial_ = 0;
    std::uint64_t writes_ = 0;
    std::uint64_t reads_ = 0;
    std::uint64_t revision_ = 0;
    std::optional<std::int32_t> last_output_;
    std::optional<std::int32_t> last_input_;
    std::optional<wait_record> last_wait_;
    std::vector<status_line> status_lines_;
};

}  // namespace helio
