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

#include "console/transcript_entry.h"
#include "instrument/instrument.h"
#include "ttl/clock.h"
#include "ttl/instrument_event.h"

namespace helio {

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
/// of every error the operator was shown, and of every action a client of the network
/// device had the instrument run. It only listens; it never touches the port itself. The work
/// per access is a few stores, so that watching does not slow a wait down: a run of identical
/// reads grows one entry's count without reading the clock.
class line_monitor final : public event_listener {
  public:
    static constexpr std::size_t default_capacity = 5000;

    /// Starts listening to `device`, until destroyed.
    explicit line_monitor(instrument& device, std::size_t capacity = default_capacity);
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

    /// When the monitor started: the transcript's times count from here.
    clock::time_point origin() const { return origin_; }
    const std::string& decimal_separator() const { return device_.decimal_separator(); }

    /// Told by the instrument; public so that a test can tell it what no sequence does
    /// quickly (a wait given up on at its limit).
    void on_event(const instrument_event& event) override;

  private:
    void follow_wait(const transcript_entry& entry);

    instrument& device_;
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
