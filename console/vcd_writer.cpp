// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/vcd_writer.h"

#include <array>
#include <charconv>
#include <chrono>

namespace helio {

namespace {

constexpr std::int32_t line_mask = 0xFF;

/// The variables, named for what each line carries, bit 0 first; their identifiers follow
/// each other from the scope's first.
constexpr std::array<std::string_view, 8> output_names{
    "strobe_A",    "strobe_B",         "sortie_libre_2", "code_8_visee",
    "code_16_ccd", "code_32_poussoir", "code_64",        "code_128"};
constexpr std::array<std::string_view, 8> input_names{
    "bouton_visee",   "visee_en_position", "ccd_en_position", "lames_en_position",
    "entree_libre_4", "entree_libre_5",    "entree_libre_6",  "entree_libre_7"};
/// Who asked, in action_origin's order.
constexpr std::array<std::string_view, 3> origin_names{"par_fenetre", "par_panneau", "par_reseau"};

constexpr char output_first_id = 'A';  // A..H, then the byte
constexpr char input_first_id = 'J';   // J..Q, then the byte
constexpr char label_id = 'S';
constexpr char origin_first_id = 'T';  // T, U, V

char origin_id(action_origin origin) {
    return static_cast<char>(origin_first_id + static_cast<int>(origin));
}

void write_scope(std::ostream& out, std::string_view scope,
                 const std::array<std::string_view, 8>& names, char first_id,
                 std::string_view byte_name) {
    out << "$scope module " << scope << " $end\n";
    for (std::size_t bit = 0; bit < names.size(); ++bit) {
        out << "$var wire 1 " << static_cast<char>(first_id + static_cast<int>(bit)) << ' '
            << names[bit] << " $end\n";
    }
    // The byte as a real variable: Debian 12's sigrok (libsigrok 0.5.2) stops reading at the
    // first vector value of more than one bit, and passes over a real one.
    out << "$var real 64 " << static_cast<char>(first_id + 8) << ' ' << byte_name
        << " $end\n$upscope $end\n";
}

void write_header(std::ostream& out, const vcd_header& header) {
    out << "$date\n    " << header.date << "\n$end\n$version\n    " << header.program
        << "\n$end\n$comment\n    The TTL lines of the heliograph; times from the console's "
           "steady clock since the recording began.\n$end\n$timescale 1 ns $end\n";
    out << "$scope module heliographe $end\n";
    write_scope(out, "sortie", output_names, output_first_id, "octet_ecrit");
    write_scope(out, "entree", input_names, input_first_id, "octet_lu");
    out << "$scope module actions $end\n";
    for (std::size_t i = 0; i < origin_names.size(); ++i) {
        out << "$var wire 1 " << static_cast<char>(origin_first_id + static_cast<int>(i)) << ' '
            << origin_names[i] << " $end\n";
    }
    out << "$var string 1 " << label_id << " action $end\n$upscope $end\n$upscope $end\n";
    out << "$enddefinitions $end\n#0\n$dumpvars\n";
    // The lines are unknown until the first access tells them.
    for (const char first : {output_first_id, input_first_id}) {
        for (int bit = 0; bit < 8; ++bit) {
            out << 'x' << static_cast<char>(first + bit) << '\n';
        }
    }
    for (std::size_t i = 0; i < origin_names.size(); ++i) {
        out << '0' << static_cast<char>(origin_first_id + static_cast<int>(i)) << '\n';
    }
    out << "s- " << label_id << "\n$end\n";
}

}  // namespace

vcd_writer::vcd_writer(std::ostream& out, instrument& device, const vcd_header& header)
    : out_(out),
      device_(device),
      origin_(device.time().now()),
      output_{output_first_id, static_cast<char>(output_first_id + 8)},
      input_{input_first_id, static_cast<char>(input_first_id + 8)} {
    write_header(out_, header);
    out_.flush();
    device_.add_listener(*this, {event_kind::written, event_kind::read, event_kind::action_began,
                                 event_kind::action_ended});
}

vcd_writer::~vcd_writer() {
    device_.remove_listener(*this);
    stamp(elapsed());  // the last values last until the recording ends
    write_pending();
    out_.flush();
}

void vcd_writer::on_event(const instrument_event& event) {
    switch (event.kind) {
        case event_kind::read:
            if (input_.value != event.value) {  // a wait's reads: most are alike
                change(input_, event.value);
            }
            return;
        case event_kind::written:
            change(output_, event.value);
            return;
        case event_kind::action_began:
        case event_kind::action_ended:
            mark_action(event, event.kind == event_kind::action_began);
            return;
        default:
            return;
    }
}

void vcd_writer::change(port_lines& lines, std::int32_t value) {
    value &= line_mask;
    if (lines.value == value) {
        return;  // rewriting what the lines hold changes nothing on them
    }
    stamp(elapsed());
    // Unknown lines all change at the first access.
    const std::int32_t changed = value ^ lines.value.value_or(~value);
    for (int bit = 0; bit < 8; ++bit) {
        if (((changed >> bit) & 1) != 0) {
            pending_ += ((value >> bit) & 1) != 0 ? '1' : '0';
            pending_ += static_cast<char>(lines.first_bit_id + bit);
            pending_ += '\n';
        }
    }
    pending_ += 'r';
    append_number(value);
    pending_ += ' ';
    pending_ += lines.byte_id;
    pending_ += '\n';
    lines.value = value;
    write_pending();
}

void vcd_writer::mark_action(const instrument_event& event, bool began) {
    stamp(elapsed());
    pending_ += began ? '1' : '0';
    pending_ += origin_id(event.origin);
    pending_ += "\ns";
    pending_ += began ? vcd_token(event.text) : "-";
    pending_ += ' ';
    pending_ += label_id;
    pending_ += '\n';
    if (!began) {
        // A time of its own after the end, so that a reader that shows each value up to
        // the next time shows the press's last values too; then the press is on disk.
        stamp(stamped_ + 1);
    }
    write_pending();
    if (!began) {
        out_.flush();
    }
}

void vcd_writer::stamp(std::int64_t at) {
    if (at > stamped_) {
        pending_ += '#';
        append_number(at);
        pending_ += '\n';
        stamped_ = at;
    }
}

void vcd_writer::append_number(std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    pending_.append(digits, end);
}

void vcd_writer::write_pending() {
    // One write per change, straight to the stream's buffer: a stream's every insertion
    // costs as much as building the line.
    out_.rdbuf()->sputn(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    pending_.clear();
}

std::int64_t vcd_writer::elapsed() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(device_.time().now() - origin_)
        .count();
}

std::string vcd_token(std::string_view text) {
    std::string token;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xC3 && i + 1 < text.size()) {
            // é, è, ê, ë: the accents of the console's French, folded.
            const auto next = static_cast<unsigned char>(text[++i]);
            token += next >= 0xA8 && next <= 0xAB ? 'e' : '_';
        } else if (byte > ' ' && byte < 0x7F) {
            token += static_cast<char>(byte);
        } else if (byte < 0x80 || byte >= 0xC0) {  // a blank, or a character's first byte
            token += '_';
        }
    }
    return token.empty() ? "-" : token;
}

}  // namespace helio
