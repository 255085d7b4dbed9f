// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// GO's conversion of the typed text, against the exact reference. The first byte picks
// the locale's decimal separator (',' a comma, '|' the Arabic one, anything else a point);
// the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "console/go_procedure.h"
#include "fuzz/conversion_oracle.h"

namespace {

std::string_view separator_for(std::uint8_t choice) {
    switch (choice) {
        case ',':
            return ",";
        case '|':
            return "\xD9\xAB";
        default:
            return ".";
    }
}

helio::fuzz::outcome convert(const std::string& text, std::string_view separator) {
    try {
        return {helio::fuzz::outcome::kind::integer, helio::convert_consigne(text, separator)};
    } catch (const helio::entry_error&) {
        return {helio::fuzz::outcome::kind::refused};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view separator = separator_for(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const helio::test::reference_number expected =
        helio::test::reference_conversion(text, separator);
    const helio::fuzz::outcome got = convert(text, separator);
    if (!helio::fuzz::agrees(expected, got)) {
        helio::fuzz::disagreement("convert_consigne", text, helio::fuzz::as_outcome(expected), got);
    }
    return 0;
}
