// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "console/operator_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "console/go_procedure.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using ::testing::HasSubstr;

TEST(OperatorMessages, EachErrorTellsTheOperatorWhatHappenedInFrench) {
    EXPECT_THAT(operator_message(
                    io_error(static_cast<status_code>(0x80070005), "ReadPort", "Accès refusé.")),
                HasSubstr("pendant ReadPort (code 0x80070005) : Accès refusé."));
    EXPECT_THAT(operator_message(conversion_error("abc")), HasSubstr("(abc) n'est pas un nombre"));
    EXPECT_THAT(operator_message(overflow_error("addition")), HasSubstr("Dépassement de capacité"));
    EXPECT_THAT(operator_message(bounds_error(21, 0, 20)), HasSubstr("(indice 21)"));
    EXPECT_THAT(
        operator_message(timeout_error("lames", 3, std::chrono::seconds(60))),
        HasSubstr("« lames » n'a pas signalé son arrivée (bit 3 de l'entrée TTL) après 60 s"));
    EXPECT_THAT(operator_message(std::runtime_error("boom")), HasSubstr("Erreur interne"));
}

TEST(OperatorMessages, AnEntryErrorSaysWhatWasTyped) {
    using why = entry_error::reason;
    EXPECT_THAT(operator_message(entry_error("x1", why::not_a_number)),
                HasSubstr("La consigne « x1 » n'est pas un nombre entier."));
    EXPECT_THAT(operator_message(entry_error("9e9", why::too_large)),
                HasSubstr("La consigne « 9e9 » est un nombre trop grand."));
    EXPECT_THAT(operator_message(entry_error("", why::not_a_number)), HasSubstr("Aucune consigne"));
    EXPECT_THAT(operator_message(entry_error(" \t", why::not_a_number)),
                HasSubstr("Aucune consigne"));
    EXPECT_THAT(operator_message(entry_error("9e9", why::too_large)), HasSubstr("35 à 231"));
}

TEST(OperatorMessages, LinesNotReleasedNameTheStatus) {
    EXPECT_EQ(lines_not_released_message(io_error(static_cast<status_code>(0x80004005), "WritePort",
                                                  "Erreur non spécifiée")),
              "\nLes lignes de sortie TTL n'ont pas pu être remises à 0 (code 0x80004005) : un "
              "strobe est resté levé. Cliquez sur « INIT TTL output » avant toute autre commande.");
}

TEST(ConvertConsigne, NoNumberAndTooLargeAreTwoEntryErrors) {
    const portable_text_to_integer numbers({".", ",", "$"});
    EXPECT_EQ(convert_consigne(" 128 ", numbers), 128);
    EXPECT_EQ(convert_consigne("$35", numbers), 35);
    for (const auto& [text, why] : {std::pair{"", entry_error::reason::not_a_number},
                                    std::pair{"1d2", entry_error::reason::not_a_number},
                                    std::pair{"9e9", entry_error::reason::too_large},
                                    std::pair{"-9e9", entry_error::reason::too_large}}) {
        try {
            convert_consigne(text, numbers);
            ADD_FAILURE() << "'" << text << "' converted";
        } catch (const entry_error& error) {
            EXPECT_EQ(error.why(), why) << "'" << text << "'";
            EXPECT_EQ(error.value_text(), text);
        }
    }
}

TEST(GoTable, HoldsTheSetpointsInEntries1To21) {
    EXPECT_EQ(go_table[0], 0);
    EXPECT_EQ(go_table[1], 35);
    EXPECT_EQ(go_table[11], 128);
    EXPECT_EQ(go_table[21], 231);
    EXPECT_EQ(position_of_code(35), -10);
    EXPECT_EQ(position_of_code(128), 0);
    EXPECT_EQ(position_of_code(231), 10);
    EXPECT_FALSE(position_of_code(0)) << "entry 0 is never searched";
    EXPECT_FALSE(position_of_code(36));
}

}  // namespace
}  // namespace helio
