// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "ttl/clock.h"
#include "ttl/instrument_event.h"

namespace helio::bench {

inline double milliseconds(clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

/// What happens during one blade press, on the console's clock, for the wait programs of
/// both views: the wait, the paints of Form1 the view reports, the keep-alives and how long
/// each took, and the reaction from the blades' arrival to the arrival line in the log.
class wait_timeline final : private event_listener {
  public:
    /// `blades_arrival` tells, as the wait begins, when the blades set moving will arrive.
    wait_timeline(const clock& time, instrument& device,
                  std::function<clock::time_point()> blades_arrival)
        : time_(time), device_(device), blades_arrival_(std::move(blades_arrival)) {
        device_.add_listener(*this, {event_kind::wait_began, event_kind::still_waiting,
                                     event_kind::read, event_kind::wait_ended, event_kind::logged});
    }
    ~wait_timeline() override { device_.remove_listener(*this); }

    wait_timeline(const wait_timeline&) = delete;
    wait_timeline& operator=(const wait_timeline&) = delete;

    /// Form1 has just been painted.
    void painted() { paints_.push_back(time_.now()); }
    /// Forgets the press before.
    void clear() {
        paints_.clear();
        keep_alives_.clear();
        keep_alive_lengths_.clear();
        arrival_line_.clear();
        reads_ = 0;
        wait_began_ = wait_ended_ = blades_arrived_ = arrival_logged_ = {};
    }

    /// The press as one JSON object, the form bench/report.py reads.
    std::string json(const char* button, bool repaint_asked) const {
        const auto paints_in_wait = std::ranges::count_if(
            paints_, [&](clock::time_point t) { return t > wait_began_ && t < wait_ended_; });
        return std::string("{\"button\": \"") + button +
               "\", \"repaint_asked\": " + (repaint_asked ? "true" : "false") +
               ", \"wait_ms\": " + std::to_string(milliseconds(wait_ended_ - wait_began_)) +
               ", \"paints_during_wait\": " + std::to_string(paints_in_wait) +
               ", \"reads\": " + std::to_string(reads_) +
               ", \"longest_paint_gap_ms\": " + std::to_string(longest_gap(paints_)) +
               ", \"longest_keep_alive_gap_ms\": " + std::to_string(longest_gap(keep_alives_)) +
               ", \"reaction_us\": " +
               std::to_string(milliseconds(arrival_logged_ - blades_arrived_) * 1000.0) +
               ", \"seen_us\": " +
               std::to_string(milliseconds(wait_ended_ - blades_arrived_) * 1000.0) +
               ", \"keep_alive_ms\": " + json_list(keep_alive_lengths_) + ", \"arrival_line\": \"" +
               arrival_line_ + "\"}";
    }

  private:
    /// The longest step from the wait's start through `marks` to its end.
    double longest_gap(const std::vector<clock::time_point>& marks) const {
        clock::duration longest{};
        clock::time_point previous = wait_began_;
        for (const clock::time_point mark : marks) {
            if (mark > wait_began_ && mark < wait_ended_) {
                longest = std::max(longest, mark - previous);
                previous = mark;
            }
        }
        return milliseconds(std::max(longest, wait_ended_ - previous));
    }

    static std::string json_list(const std::vector<clock::duration>& spans) {
        std::string list = "[";
        for (const clock::duration span : spans) {
            list += (list.size() > 1 ? ", " : "") + std::to_string(milliseconds(span));
        }
        return list + "]";
    }

    void on_event(const instrument_event& event) override {
        const clock::time_point now = time_.now();
        switch (event.kind) {
            case event_kind::wait_began:
                wait_began_ = now;
                // The strobe of the setpoint's high part set the blades moving, before the
                // wait: their arrival is known from now on.
                blades_arrived_ = blades_arrival_();
                break;
            case event_kind::still_waiting:
                // The view's keep-alive has run when this listener, added after the model,
                // hears of it: from the read before it to now is what it adds to the reaction.
                keep_alives_.push_back(now);
                keep_alive_lengths_.push_back(now - last_read_);
                break;
            case event_kind::read:
                last_read_ = now;
                ++reads_;
                break;
            case event_kind::wait_ended:
                wait_ended_ = now;
                break;
            default:  // logged
                if (wait_ended_ != clock::time_point{} && arrival_line_.empty()) {
                    arrival_logged_ = now;
                    arrival_line_ = event.text;
                }
                break;
        }
    }

    const clock& time_;
    instrument& device_;
    std::function<clock::time_point()> blades_arrival_;
    clock::time_point wait_began_{};
    clock::time_point wait_ended_{};
    clock::time_point blades_arrived_{};
    clock::time_point arrival_logged_{};
    clock::time_point last_read_{};
    std::string arrival_line_;
    std::uint64_t reads_ = 0;
    std::vector<clock::time_point> paints_;
    std::vector<clock::time_point> keep_alives_;
    std::vector<clock::duration> keep_alive_lengths_;
};

}  // namespace helio::bench
