// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string_view>

#include "ttl/clock.h"

/// What happened at the instrument, as one value type for every front end: the port says
/// what it wrote, read and spun, the sequences what they logged and waited for, the
/// instrument which action ran and how it ended. Defined with the port, the lowest layer,
/// so that each layer can tell what it did without knowing who listens.
namespace helio {

/// What an action does. Where the action itself is (its texts, its caller), see
/// instrument/action.h.
enum class action_kind : std::uint8_t {
    sighting,       ///< VISEE: the mirror to the sighting stop
    ccd,            ///< CCD: the mirror to the CCD stop
    pusher,         ///< POUSSOIR, the sighting button's interlock included
    blades_to,      ///< the blades to a position (the H-alpha buttons)
    go,             ///< GO: the blades to the setpoint code typed in the entry
    go_to,          ///< GO's move to a position whose code is known (a network client)
    reset_outputs,  ///< INIT TTL output
    read_inputs,    ///< one read of the input lines, for a network client
};

/// Who asked for an action.
enum class action_origin : std::uint8_t { window, panel, network };

/// How an action ended.
enum class action_result : std::uint8_t {
    done,
    refused,  ///< the sequence declined to act (the pusher's interlock)
    failed,   ///< an error stopped it
};

enum class event_kind : std::uint8_t {
    written,         ///< value: the byte written to the output lines
    read,            ///< value: the input byte read
    spun,            ///< value: the spin delay's count (the strobe width)
    logged,          ///< text: the line added to the message log
    wait_began,      ///< text: the mechanism waited for, value: its status bit
    still_waiting,   ///< a wait's keep-alive: the windows may repaint
    wait_ended,      ///< as wait_began, with `took` and `arrived`
    blades_moving,   ///< value: the position whose setpoint is about to go out
    blades_arrived,  ///< value: the position the blades reported at
    action_began,    ///< text: the action's label; `action`, `origin`, value: its position
    action_ended,    ///< as action_began, with `result`
    error_shown,     ///< text: the message the operator (or the client) is given
};

/// One event. Only the fields its kind names mean anything; building one allocates nothing.
struct instrument_event {
    event_kind kind;
    std::int32_t value = 0;
    std::string_view text{};
    clock::duration took{};  ///< wait_ended: how long the mechanism took
    bool arrived = false;    ///< wait_ended: it reported before the limit
    action_kind action = action_kind::sighting;
    action_origin origin = action_origin::window;
    action_result result = action_result::done;
    /// error_shown: what stopped the action, null for an error found outside any action.
    const std::exception_ptr* error = nullptr;
};

/// The kinds a listener wants, as a set of bits.
class event_kinds {
  public:
    constexpr event_kinds(std::initializer_list<event_kind> kinds) {
        for (const event_kind kind : kinds) {
            bits_ |= bit(kind);
        }
    }
    static constexpr event_kinds all() { return event_kinds(~std::uint32_t{0}); }

    constexpr bool has(event_kind kind) const { return (bits_ & bit(kind)) != 0; }
    constexpr event_kinds& operator|=(event_kinds more) {
        bits_ |= more.bits_;
        return *this;
    }

  private:
    constexpr explicit event_kinds(std::uint32_t bits) : bits_(bits) {}
    static constexpr std::uint32_t bit(event_kind kind) {
        return std::uint32_t{1} << static_cast<unsigned>(kind);
    }
    std::uint32_t bits_ = 0;
};

/// The one interface through which anything follows the instrument.
class event_listener {
  public:
    virtual ~event_listener() = default;
    virtual void on_event(const instrument_event& event) = 0;
};

}  // namespace helio
