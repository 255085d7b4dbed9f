// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/component_messages.h"

#include <cstdint>

namespace helio {

namespace {

// The statuses a maintainer meets when the component is missing or badly installed.
constexpr std::uint32_t class_not_registered = 0x80040154;  // REGDB_E_CLASSNOTREG
constexpr std::uint32_t no_interface = 0x80004002;          // E_NOINTERFACE
constexpr std::uint32_t module_not_found = 0x8007007E;      // ERROR_MOD_NOT_FOUND
constexpr std::uint32_t bad_exe_format = 0x800700C1;        // ERROR_BAD_EXE_FORMAT
constexpr std::uint32_t error_in_dll = 0x800401F9;          // CO_E_ERRORINDLL
constexpr std::uint32_t dll_not_found = 0x800401F8;         // CO_E_DLLNOTFOUND

/// What is wrong, and what the maintainer can do about it (may be empty).
struct diagnosis {
    std::string what;
    std::string to_do;
};

constexpr const char* register_it =
    "Enregistrez-le avec son programme d'installation ou avec regsvr32, ou démarrez la "
    "console avec --simulate.";
constexpr const char* reinstall_it =
    "Réinstallez le composant avec son programme d'installation, ou enregistrez de nouveau "
    "sa DLL avec regsvr32.";

diagnosis not_registered() {
    return {"Le composant d'entrées-sorties n'est pas enregistré sur ce PC : classe " +
                std::string(io_component_class_text) + " inconnue",
            register_it};
}

diagnosis other_bitness_only(const component_registration& found) {
    const std::string bits = std::to_string(found.program_bits);
    const std::string other = std::to_string(found.other_bits());
    return {"Le composant d'entrées-sorties n'est enregistré que pour les programmes " + other +
                " bits (" + found.other_server.value_or("") + ") : cette console " + bits +
                " bits ne peut pas le charger",
            "Utilisez la console " + other + " bits, ou démarrez celle-ci avec --simulate."};
}

diagnosis server_missing(const std::string& path) {
    return {"Le fichier du composant d'entrées-sorties est introuvable : " + path, reinstall_it};
}

diagnosis server_not_loadable(const std::optional<component_registration>& found) {
    std::string what = "Le fichier du composant d'entrées-sorties ne peut pas être chargé";
    if (found && found->server) {
        what += " : " + *found->server;
    }
    return {what, reinstall_it};
}

/// What the registry shows wrong, when it shows anything.
std::optional<diagnosis> registration_diagnosis(const component_registration& found) {
    switch (problem_of(found)) {
        case registration_problem::none:
            return std::nullopt;
        case registration_problem::not_registered:
            return not_registered();
        case registration_problem::other_bitness_only:
            return other_bitness_only(found);
        case registration_problem::server_missing:
            return server_missing(found.server.value_or(""));
    }
    return std::nullopt;
}

diagnosis diagnose(const creation_error& error) {
    // What the registry shows wrong is the cause whatever the code: a DLL that is not there
    // fails with ERROR_MOD_NOT_FOUND on Windows, with E_ACCESSDENIED under Wine.
    const auto& found = error.registration();
    if (found) {
        if (auto from_registry = registration_diagnosis(*found)) {
            return *from_registry;
        }
    }
    switch (static_cast<std::uint32_t>(error.code())) {
        case class_not_registered:
            return not_registered();
        case module_not_found:
        case bad_exe_format:
        case error_in_dll:
        case dll_not_found:
            return server_not_loadable(found);
        case no_interface:
            return {"Le composant enregistré pour la classe " +
                        std::string(io_component_class_text) + " ne fournit pas l'interface " +
                        std::string(io_component_interface_text) + " qu'attend la console",
                    "Vérifiez que le composant installé est bien celui de l'héliographe."};
        default:
            return {"Le composant d'entrées-sorties n'a pas pu être créé", ""};
    }
}

/// "(CoGetClassObject, code 0x80040154 : Classe non enregistrée)"
std::string failed_call(const io_error& error) {
    std::string text = "(" + error.operation() + ", code " + status_hex(error.code());
    if (!error.system_text().empty()) {
        text += " : " + error.system_text();
    }
    return text + ")";
}

}  // namespace

std::string creation_message(const creation_error& error) {
    const diagnosis found = diagnose(error);
    std::string text = found.what + " " + failed_call(error) + ".";
    if (!found.to_do.empty()) {
        text += " " + found.to_do;
    }
    return text;
}

std::optional<std::string> registration_warning(const component_registration& found) {
    const std::optional<diagnosis> problem = registration_diagnosis(found);
    if (!problem) {
        return std::nullopt;
    }
    return problem->what + ". Aucune commande n'atteindra l'instrument. " + problem->to_do;
}

std::string class_object_fallback_note(const io_error& error) {
    return "La fabrique de classe du composant d'entrées-sorties n'a pas pu être obtenue " +
           failed_call(error) +
           " : chaque accès au port passe désormais par CoCreateInstance, plus lent, avec les "
           "mêmes appels au composant.";
}

}  // namespace helio
