// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "console/line_monitor.h"
#include "ttl/clock.h"

/// The line monitor's transcript as the maintainer reads it, one line per entry:
///
///      1,502  W  10  0000 1010  code 8 + strobe B
///      1,503  R   1  0000 0001  bouton  ×48211
///      3,004  A  « lames » en position après 0,840 s
///
/// Tags: W write, R read, S strobe width, L logged line, A wait for a mechanism, E an error
/// as the operator was shown it (one that ended a press, or one found outside any press), C a
/// command from a client of the network server ("C  Alpaca, ClientID 42, ClientTransactionID
/// 7, ServerTransactionID 12 : GO 178"). Every number with a
/// fraction uses the operator's decimal separator.
namespace helio {

/// A duration in seconds to the millisecond: "0,840".
std::string seconds_text(clock::duration duration, std::string_view decimal_separator);

/// The time column of a line: seconds_text right-aligned to nine characters.
std::string time_column(clock::duration since_origin, std::string_view decimal_separator);

/// The low byte in two groups of four bits, bit 7 first: "0000 1010".
std::string binary_text(std::int32_t value);

/// What a written byte presents to the controller: "code 8 + strobe B", "lignes au repos".
std::string output_meaning(std::int32_t value);

/// The input lines set, by short name: "bouton + CCD + lames", "visée + ligne 6".
std::string input_meaning(std::int32_t input_byte);

/// A wait as the panel sums it up: "en cours : « lames » (bit 3)", "« lames » en position
/// après 0,840 s", "« lames » : pas de réponse après 60,000 s".
std::string wait_summary(const wait_record& wait, std::string_view decimal_separator);

/// One line of the transcript, its time counted from `origin`.
std::string transcript_line(const transcript_entry& entry, clock::time_point origin,
                            std::string_view decimal_separator);

}  // namespace helio
