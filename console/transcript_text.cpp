// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/transcript_text.h"

#include <algorithm>
#include <chrono>

#include "console/panel_texts.h"
#include "ttl/protocol.h"

namespace helio {

namespace {

namespace p = protocol;
using kind = transcript_entry::kind;

constexpr std::int32_t spare_output_line = 4;  ///< bit 2: no meaning to the controller
constexpr std::size_t time_column_width = 9;
constexpr std::size_t value_column_width = 3;

std::string padded_left(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

std::string quoted(const std::string& text) {
    return "« " + text + " »";
}

std::string strobe_meaning(std::int32_t strobes) {
    switch (strobes) {
        case p::strobe_a:
            return "strobe A";
        case p::strobe_b:
            return "strobe B";
        case p::both_strobes:
            return "strobes A et B";
        default:
            return "";
    }
}

std::string byte_columns(char tag, std::int32_t value) {
    return std::string(1, tag) + " " + padded_left(std::to_string(value), value_column_width) +
           "  " + binary_text(value) + "  ";
}

std::string wait_outcome(const std::string& mechanism, clock::duration took, bool arrived,
                         std::string_view separator) {
    const std::string seconds = seconds_text(took, separator) + " s";
    if (arrived) {
        return quoted(mechanism) + " en position après " + seconds;
    }
    return quoted(mechanism) + " : pas de réponse après " + seconds;
}

std::string on_one_line(std::string text) {
    std::ranges::replace(text, '\n', ' ');
    return text;
}

std::string wait_start(const std::string& mechanism, int bit) {
    return quoted(mechanism) + " (bit " + std::to_string(bit) + ")";
}

std::string entry_text(const transcript_entry& entry, std::string_view separator) {
    switch (entry.what) {
        case kind::write:
            return byte_columns('W', entry.value) + output_meaning(entry.value);
        case kind::read: {
            std::string text = byte_columns('R', entry.value) + input_meaning(entry.value);
            if (entry.count > 1) {
                text += "  ×" + std::to_string(entry.count);
            }
            return text;
        }
        case kind::spin:
            return "S " + padded_left(std::to_string(entry.value), value_column_width) +
                   "  largeur du strobe";
        case kind::log:
            return "L  " + entry.text;
        case kind::wait_began:
            return "A  attente de " + wait_start(entry.text, entry.value);
        case kind::wait_ended:
            return "A  " + wait_outcome(entry.text, entry.took, entry.arrived, separator);
        case kind::failure:
            return "E  " + on_one_line(entry.text);
    }
    return {};
}

}  // namespace

std::string seconds_text(clock::duration duration, std::string_view decimal_separator) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
    const auto magnitude = milliseconds < 0 ? -milliseconds : milliseconds;
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    std::string text = milliseconds < 0 ? "-" : "";
    text += std::to_string(magnitude / 1000);
    text += decimal_separator;
    return text + fraction;
}

std::string time_column(clock::duration since_origin, std::string_view decimal_separator) {
    return padded_left(seconds_text(since_origin, decimal_separator), time_column_width);
}

std::string binary_text(std::int32_t value) {
    std::string text;
    for (int bit = 7; bit >= 0; --bit) {
        text += ((value >> bit) & 1) != 0 ? '1' : '0';
        if (bit == 4) {
            text += ' ';
        }
    }
    return text;
}

std::string output_meaning(std::int32_t value) {
    if (value < 0 || value > 255) {
        return "hors de 0..255";
    }
    if (value == 0) {
        return "lignes au repos";
    }
    std::string text = "code " + std::to_string(value & p::data_field_mask);
    if (const std::string strobes = strobe_meaning(value & p::strobe_mask); !strobes.empty()) {
        text += " + " + strobes;
    }
    if ((value & spare_output_line) != 0) {
        text += " + ligne 2";
    }
    return text;
}

std::string input_meaning(std::int32_t input_byte) {
    std::string text;
    for (std::size_t bit = 0; bit < 8; ++bit) {
        if ((input_byte & (1 << bit)) == 0) {
            continue;
        }
        text += text.empty() ? "" : " + ";
        text += bit < line_meanings::status_short_names.size()
                    ? std::string(line_meanings::status_short_names[bit])
                    : "ligne " + std::to_string(bit);
    }
    return text.empty() ? "aucun état" : text;
}

std::string wait_summary(const wait_record& wait, std::string_view decimal_separator) {
    if (!wait.took) {
        return "en cours : " + wait_start(wait.mechanism, wait.bit);
    }
    return wait_outcome(wait.mechanism, *wait.took, wait.arrived, decimal_separator);
}

std::string transcript_line(const transcript_entry& entry, clock::time_point origin,
                            std::string_view decimal_separator) {
    return time_column(entry.when - origin, decimal_separator) + "  " +
           entry_text(entry, decimal_separator);
}

}  // namespace helio
