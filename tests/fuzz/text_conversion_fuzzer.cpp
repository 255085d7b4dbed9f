// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// GO's conversion of the typed text, against the exact reference. The first byte picks
// how the locale writes numbers (',' French as Windows has it, ' ' French as Qt has it,
// '|' Arabic, anything else English); the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/conversion_oracle.h"
#include "instrument/go_procedure.h"
#include "support/worked_numbers.h"

namespace {

const helio::number_format& format_for(std::uint8_t choice) {
    static const helio::number_format french_qt{",", "\xE2\x80\xAF", "\xE2\x82\xAC"};
    static const helio::number_format arabic{"\xD9\xAB", "\xD9\xAC",
                                             "\xD8\xAC.\xD9\x85.\xE2\x80\x8F"};
    switch (choice) {
        case ',':
            return helio::test::french_numbers;
        case ' ':
            return french_qt;
        case '|':
            return arabic;
        default:
            return helio::test::english_us_numbers;
    }
}

helio::fuzz::outcome convert(const std::string& text, const helio::number_format& format) {
    try {
        return helio::test::v(
            helio::convert_consigne(text, helio::portable_text_to_integer(format)));
    } catch (const helio::entry_error& error) {
        return error.why() == helio::entry_error::reason::too_large ? helio::test::too_large
                                                                    : helio::test::no_number;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const helio::number_format& format = format_for(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const helio::fuzz::outcome expected = helio::test::reference_conversion(text, format);
    const helio::fuzz::outcome got = convert(text, format);
    if (got != expected) {
        helio::fuzz::disagreement("convert_consigne", text, expected, got);
    }
    return 0;
}
