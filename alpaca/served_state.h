// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "alpaca/error_numbers.h"

namespace helio::alpaca {

enum class device_kind { filter_wheel, switch_bank };

/// The switches of the switch device, by Id.
inline constexpr std::size_t switch_count = 2;

/// What the server answers without touching the port, kept up to date by both threads:
/// the server's thread sets the connections and counts the commands it has posted, the
/// console's thread says where the blades are and how each change ended.
class served_state {
  public:
    bool connected(device_kind device) const;
    void set_connected(device_kind device, bool connected);

    /// GET Position: the slot (0 to 20), -1 while the blades move or a remote move waits to
    /// start, or why the position is not known.
    struct position_answer {
        std::int32_t slot = -1;
        alpaca_error error{};
    };
    position_answer blade_position() const;

    /// A remote move posted to the console (server's thread), then started or given up
    /// (console's thread). From the first to the second, Position is -1.
    void remote_move_posted();
    void remote_move_starting(std::int32_t position);
    void remote_move_abandoned();

    /// A connection (server's thread): when where the blades are is not known (no move since
    /// start, or the last one failed) and no move is under way, counts the connection's move
    /// to a known place as posted, and says so. Connecting from then until the move ends
    /// (console's thread).
    bool start_placing();
    void placing_ended();
    bool connecting(device_kind device) const;

    /// Every move, from the buttons or remote (console's thread).
    void blades_moving(std::int32_t position);
    void blades_arrived(std::int32_t position);
    /// The sequence that was moving the blades ended in `failure` before they arrived.
    void blades_failed(alpaca_error failure);

    /// An asynchronous change of switch `id` posted (server's thread), then ended (console's
    /// thread) with or without an error.
    void change_posted(std::size_t id);
    void change_ended(std::size_t id, alpaca_error error);

    /// StateChangeComplete: false while a change of `id` is under way; after one that
    /// failed, its error until the next change.
    struct change_answer {
        bool complete = true;
        alpaca_error error{};
    };
    change_answer state_change(std::size_t id) const;

  private:
    enum class blade_place { unknown, moving, arrived, failed };

    struct switch_change {
        int pending = 0;
        alpaca_error last_error{};
    };

    mutable std::mutex mutex_;
    std::array<bool, 2> connected_{};
    blade_place blades_ = blade_place::unknown;
    std::int32_t blade_position_ = 0;
    alpaca_error blade_failure_{};
    int remote_moves_waiting_ = 0;
    int placing_moves_ = 0;
    std::array<switch_change, switch_count> changes_{};
};

}  // namespace helio::alpaca
