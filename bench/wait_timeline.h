// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "console/form1_model.h"
#include "ttl/clock.h"
#include "ttl/port_access.h"

namespace helio::bench {

inline double milliseconds(clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

/// What happens during one blade press, on the console's clock, for the wait programs of
/// both views: the wait, the paints of Form1 the view reports, the keep-alives and how long
/// each took, and the reaction from the blades' arrival to the arrival line in the log.
class wait_timeline final : private wait_observer, private log_observer, private port_observer {
  public:
    /// `blades_arrival` tells, as the wait begins, when the blades set moving will arrive.
    wait_timeline(const clock& time, form1_model& model,
                  std::function<clock::time_point()> blades_arrival)
        : time_(time), model_(model), blades_arrival_(std::move(blades_arrival)) {
        model_.context().wait_observers.add(*this);
        model_.context().port.add_observer(*this);
        model_.add_log_observer(*this);
    }
    ~wait_timeline() override {
        model_.remove_log_observer(*this);
        model_.context().port.remove_observer(*this);
        model_.context().wait_observers.remove(*this);
    }

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

    void wait_began(const status_wait& /*wait*/) override {
        wait_began_ = time_.now();
        // The strobe of the setpoint's high part set the blades moving, before the wait:
        // their arrival is known from now on.
        blades_arrived_ = blades_arrival_();
    }
    // The view's keep-alive has run when this observer, added after the model's own, hears
    // of it: from the read before it to now is what it can add to the reaction.
    void still_waiting() override {
        const clock::time_point now = time_.now();
        keep_alives_.push_back(now);
        keep_alive_lengths_.push_back(now - last_read_);
    }
    void input_read(std::int32_t /*input_byte*/) override {
        last_read_ = time_.now();
        ++reads_;
    }
    void wait_ended(const status_wait& /*wait*/, clock::duration /*took*/,
                    bool /*arrived*/) override {
        wait_ended_ = time_.now();
    }
    void line_logged(const std::string& text) override {
        if (wait_ended_ != clock::time_point{} && arrival_line_.empty()) {
            arrival_logged_ = time_.now();
            arrival_line_ = text;
        }
    }

    const clock& time_;
    form1_model& model_;
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
