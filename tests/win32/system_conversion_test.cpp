// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// The portable reading of a typed number against the system's own conversion, VarI4FromStr,
// in English (United States) and in French: the system's answer is the reference.
#include "ttl/win32/system_text_to_integer.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "support/worked_numbers.h"
#include "ttl/errors.h"
#include "ttl/number_text.h"
#include "ttl/win32/wide_text.h"

namespace helio::test {
namespace {

/// English (United States) and French (France), by their identifiers.
constexpr std::array<std::pair<LCID, const char*>, 2> locales{
    {{0x0409, "English (United States)"}, {0x040C, "French (France)"}}};

std::wstring locale_text(LCID locale, LCTYPE what) {
    std::array<wchar_t, 16> text{};
    const int length = GetLocaleInfoW(locale, what, text.data(), static_cast<int>(text.size()));
    return length > 1 ? std::wstring(text.data(), static_cast<std::size_t>(length - 1))
                      : std::wstring();
}

/// How the system says the locale writes numbers: what the portable reading is given.
number_format format_of(LCID locale) {
    return {win32::to_utf8(locale_text(locale, LOCALE_SDECIMAL)),
            win32::to_utf8(locale_text(locale, LOCALE_STHOUSAND)),
            win32::to_utf8(locale_text(locale, LOCALE_SCURRENCY))};
}

reading system_reading(const std::wstring& text, LCID locale) {
    BSTR string = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    LONG value = 0;
    const HRESULT status = VarI4FromStr(string, locale, 0, &value);
    SysFreeString(string);
    if (status == S_OK) {
        return v(static_cast<std::int32_t>(value));
    }
    if (status == DISP_E_OVERFLOW) {
        return too_large;
    }
    EXPECT_EQ(status, DISP_E_TYPEMISMATCH)
        << "VarI4FromStr's status, in hexadecimal: " << std::hex << status;
    return no_number;
}

/// Wine's conversion rounds a value between 0.05 and 0.1 up to 1: it rounds on the first
/// significant digit as if it stood right after the point. Nearest is 0, as the rule says.
bool wine_rounds_up_below_a_tenth(const std::string& text, const number_format& format) {
    return text.size() == format.decimal_separator.size() + 2 &&
           text.starts_with(format.decimal_separator + "0") && text.back() >= '6' &&
           text.back() <= '9';
}

/// What the setpoint entry may hold of a number's symbols, and the locale's own thousands
/// separator and currency symbol where they are others.
std::vector<std::wstring> alphabet_for(LCID locale) {
    std::vector<std::wstring> alphabet;
    for (const wchar_t c : std::wstring(L"0123456789 \t+-().,$&HhOoEeDd")) {
        alphabet.emplace_back(1, c);
    }
    for (const LCTYPE own : {LCTYPE{LOCALE_STHOUSAND}, LCTYPE{LOCALE_SCURRENCY}}) {
        const std::wstring symbol = locale_text(locale, own);
        if (!symbol.empty() &&
            std::find(alphabet.begin(), alphabet.end(), symbol) == alphabet.end()) {
            alphabet.push_back(symbol);
        }
    }
    return alphabet;
}

/// Every text of up to three symbols of the alphabet, the empty one included.
std::vector<std::wstring> every_text(const std::vector<std::wstring>& alphabet) {
    std::vector<std::wstring> texts{L""};
    for (const std::wstring& first : alphabet) {
        texts.push_back(first);
        for (const std::wstring& second : alphabet) {
            texts.push_back(first + second);
            for (const std::wstring& third : alphabet) {
                texts.push_back(first + second + third);
            }
        }
    }
    return texts;
}

TEST(SystemConversion, ThePortableReadingAgreesOnEveryTextOfUpToThreeSymbols) {
    for (const auto& [locale, name] : locales) {
        const number_format format = format_of(locale);
        const std::vector<std::wstring> texts = every_text(alphabet_for(locale));
        std::size_t agreed = 0;
        std::vector<std::string> wine_faults;
        for (const std::wstring& wide : texts) {
            const std::string text = win32::to_utf8(wide);
            const reading system = system_reading(wide, locale);
            const reading portable = portable_reading(text, format);
            if (shown(system) == shown(portable)) {
                ++agreed;
            } else if (wine_rounds_up_below_a_tenth(text, format) && shown(portable) == "0") {
                wine_faults.push_back("'" + text + "' " + shown(system));
            } else {
                ADD_FAILURE() << name << ": '" << text << "' reads " << shown(system)
                              << " for the system, " << shown(portable) << " for us";
            }
        }
        std::cout << name << ": " << texts.size() << " texts, " << agreed
                  << " read alike; the system rounds up below a tenth, we do not:";
        for (const std::string& fault : wine_faults) {
            std::cout << ' ' << fault;
        }
        std::cout << '\n';
        EXPECT_GT(texts.size(), 22000u);
        EXPECT_LE(wine_faults.size(), 4u);
    }
}

TEST(SystemConversion, TheWorkedNumbersAreTheSystemsOwn) {
    for (const worked_number& n : worked_numbers()) {
        const std::wstring wide = win32::to_utf16(n.text);
        if (!wine_rounds_up_below_a_tenth(n.text, format_of(0x0409))) {
            EXPECT_EQ(shown(system_reading(wide, 0x0409)), shown(n.in_english_us))
                << "'" << n.text << "'";
        }
        EXPECT_EQ(shown(system_reading(wide, 0x040C)), shown(n.in_french))
            << "'" << n.text << "' (fr)";
    }
}

TEST(SystemConversion, TheConsolesConversionTellsNoNumberFromTooLarge) {
    const win32::system_text_to_integer french(0x040C);
    EXPECT_EQ(french.to_int32("3,5"), 4) << "in the locale it was given";
    EXPECT_EQ(french.to_int32(" (35\xE2\x82\xAC) "), -35);
    EXPECT_THROW(french.to_int32("9e9"), overflow_error);
    EXPECT_THROW(french.to_int32("1d2"), conversion_error);
    EXPECT_THROW(french.to_int32("\xC3\xA0"), conversion_error);
    const win32::system_text_to_integer user;
    EXPECT_EQ(user.to_int32("&HF"), 15);
}

}  // namespace
}  // namespace helio::test
