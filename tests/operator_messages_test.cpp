// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/operator_messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "instrument/component_messages.h"
#include "instrument/go_procedure.h"
#include "sequences/status_wait.h"
#include "ttl/errors.h"

namespace helio {
namespace {

using namespace ::testing;

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

/// What the registry may say of the component, as the Windows console looks it up.
component_registration registered(int bits, std::optional<std::string> server, bool found,
                                  std::optional<std::string> other = std::nullopt) {
    return {.program_bits = bits,
            .server = std::move(server),
            .server_found = found,
            .other_server = std::move(other)};
}

const component_registration installed = registered(32, "C:\\io\\port.dll", true);

/// A creation that failed, and what the operator must read of it.
struct creation_case {
    const char* name;
    std::uint32_t code;
    const char* call;
    const char* system_text;
    std::optional<component_registration> found;
    std::vector<const char*> shown;
};

const creation_case creation_cases[] = {
    {"class not registered",
     0x80040154,
     "CoGetClassObject",
     "",
     registered(32, std::nullopt, false),
     {"Le composant d'entrées-sorties n'est pas enregistré sur ce PC : classe "
      "{E715B92B-25F9-11D1-9330-444553540000} inconnue (CoGetClassObject, code 0x80040154).",
      "avec son programme d'installation ou avec regsvr32", "--simulate"}},
    {"class not registered, the simulator's creation fault: no registry looked up",
     0x80040154,
     "CreateInstance",
     "Classe non enregistrée",
     std::nullopt,
     {"n'est pas enregistré sur ce PC",
      "(CreateInstance, code 0x80040154 : Classe non "
      "enregistrée)."}},
    {"a 64-bit console, the component registered for 32-bit programs",
     0x80040154,
     "CoGetClassObject",
     "",
     registered(64, std::nullopt, false, "C:\\x86\\port.dll"),
     {"n'est enregistré que pour les programmes 32 bits (C:\\x86\\port.dll) : cette "
      "console 64 bits ne peut pas le charger (CoGetClassObject, code 0x80040154).",
      "Utilisez la console 32 bits, ou démarrez celle-ci avec --simulate."}},
    {"a 32-bit console, the component registered for 64-bit programs",
     0x80040154,
     "CoGetClassObject",
     "",
     registered(32, std::nullopt, false, "C:\\x64\\port.dll"),
     {"que pour les programmes 64 bits (C:\\x64\\port.dll) : cette console 32 bits",
      "Utilisez la console 64 bits"}},
    {"the DLL deleted, as Wine reports it",
     0x80070005,
     "CoGetClassObject",
     "Access denied",
     registered(32, "C:\\io\\port.dll", false),
     {"Le fichier du composant d'entrées-sorties est introuvable : C:\\io\\port.dll "
      "(CoGetClassObject, code 0x80070005 : Access denied).",
      "Réinstallez le composant"}},
    {"the DLL there but not loadable",
     0x8007007E,
     "CoGetClassObject",
     "Module not found",
     installed,
     {"ne peut pas être chargé : C:\\io\\port.dll (CoGetClassObject, code 0x8007007E : "
      "Module not found).",
      "Réinstallez le composant"}},
    {"a DLL of the wrong kind",
     0x800700C1,
     "CoGetClassObject",
     "",
     installed,
     {"ne peut pas être chargé : C:\\io\\port.dll", "code 0x800700C1)"}},
    {"an error inside the DLL",
     0x800401F9,
     "CoCreateInstance",
     "",
     installed,
     {"ne peut pas être chargé", "(CoCreateInstance, code 0x800401F9)"}},
    {"no such interface",
     0x80004002,
     "IClassFactory::CreateInstance",
     "",
     installed,
     {"ne fournit pas l'interface {E715B92A-25F9-11D1-9330-444553540000} qu'attend la console "
      "(IClassFactory::CreateInstance, code 0x80004002).",
      "celui de l'héliographe"}},
    {"any other status",
     0x8007000E,
     "IClassFactory::CreateInstance",
     "Mémoire insuffisante",
     installed,
     {"Le composant d'entrées-sorties n'a pas pu être créé (IClassFactory::CreateInstance, code "
      "0x8007000E : Mémoire insuffisante)."}},
};

TEST(OperatorMessages, AFailedCreationSaysWhatIsWrongWithTheComponentAndWhatToDo) {
    for (const creation_case& c : creation_cases) {
        const std::string message = operator_message(
            creation_error(static_cast<status_code>(c.code), c.call, c.system_text, c.found));
        for (const char* part : c.shown) {
            EXPECT_THAT(message, HasSubstr(part)) << c.name;
        }
        EXPECT_THAT(message, Not(HasSubstr("pendant"))) << c.name << ": no ReadPort or WritePort";
        EXPECT_THAT(message, EndsWith(".\nLa commande est abandonnée.")) << c.name;
    }
}

TEST(RegistrationWarning, SaysOnceAtStartWhatThePressesWouldMeet) {
    EXPECT_FALSE(registration_warning(installed)) << "nothing to say of a component in place";
    EXPECT_THAT(registration_warning(registered(32, std::nullopt, false)),
                Optional(std::string(
                    "Le composant d'entrées-sorties n'est pas enregistré sur ce PC : classe "
                    "{E715B92B-25F9-11D1-9330-444553540000} inconnue. Aucune commande "
                    "n'atteindra l'instrument. Enregistrez-le avec son programme d'installation "
                    "ou avec regsvr32, ou démarrez la console avec --simulate.")));
    EXPECT_THAT(registration_warning(registered(64, std::nullopt, false, "C:\\x86\\p.dll")),
                Optional(HasSubstr("que pour les programmes 32 bits (C:\\x86\\p.dll)")));
    EXPECT_THAT(registration_warning(registered(32, "C:\\io\\p.dll", false, "C:\\x64\\p.dll")),
                Optional(HasSubstr("introuvable : C:\\io\\p.dll.")))
        << "its own bitness's registration counts first";
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

}  // namespace
}  // namespace helio
