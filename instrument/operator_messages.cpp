// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "instrument/operator_messages.h"

#include <stdexcept>

#include "instrument/component_messages.h"
#include "instrument/go_procedure.h"
#include "sequences/status_wait.h"
#include "ttl/errors.h"

namespace helio {

namespace {

constexpr const char* abandoned = "\nLa commande est abandonnée.";

std::string quoted(const std::string& text) {
    return "\xC2\xAB " + text + " \xC2\xBB";
}

std::string entry_message(const entry_error& error) {
    const std::string hint = " Tapez un code de 35 à 231, puis cliquez sur GO.";
    if (error.value_text().find_first_not_of(" \t") == std::string::npos) {
        return "Aucune consigne n'est saisie." + hint;
    }
    if (error.why() == entry_error::reason::too_large) {
        return "La consigne " + quoted(error.value_text()) + " est un nombre trop grand." + hint;
    }
    return "La consigne " + quoted(error.value_text()) + " n'est pas un nombre entier." + hint;
}

std::string io_message(const io_error& error) {
    std::string text = "Le composant d'entrées-sorties a signalé une erreur pendant " +
                       error.operation() + " (code " + status_hex(error.code()) + ")";
    if (!error.system_text().empty()) {
        text += " : " + error.system_text();
    }
    return text + "." + abandoned;
}

std::string timeout_message(const timeout_error& error) {
    return "Le mécanisme " + quoted(error.mechanism()) + " n'a pas signalé son arrivée (bit " +
           std::to_string(error.bit()) + " de l'entrée TTL) après " +
           std::to_string(error.limit().count()) + " s." + abandoned + " Vérifiez le mécanisme.";
}

}  // namespace

std::string lines_not_released_message(const std::exception& error) {
    const auto* io = dynamic_cast<const io_error*>(&error);
    const std::string why = io != nullptr ? "code " + status_hex(io->code()) : error.what();
    return "\nLes lignes de sortie TTL n'ont pas pu être remises à 0 (" + why +
           ") : un strobe est resté levé. Cliquez sur « INIT TTL output » avant toute autre "
           "commande.";
}

std::string operator_message(const std::exception& error) {
    if (const auto* entry = dynamic_cast<const entry_error*>(&error)) {
        return entry_message(*entry);
    }
    if (const auto* creation = dynamic_cast<const creation_error*>(&error)) {
        return creation_message(*creation) + abandoned;
    }
    if (const auto* io = dynamic_cast<const io_error*>(&error)) {
        return io_message(*io);
    }
    if (const auto* conversion = dynamic_cast<const conversion_error*>(&error)) {
        return "La valeur lue sur le port TTL (" + conversion->value_text() +
               ") n'est pas un nombre entier." + abandoned;
    }
    if (dynamic_cast<const overflow_error*>(&error) != nullptr) {
        return std::string(
                   "Dépassement de capacité : la valeur lue sur le port TTL est hors "
                   "limites.") +
               abandoned;
    }
    if (const auto* bounds = dynamic_cast<const bounds_error*>(&error)) {
        return "Position des lames hors de la table des consignes (indice " +
               std::to_string(bounds->index()) + ")." + abandoned;
    }
    if (const auto* timeout = dynamic_cast<const timeout_error*>(&error)) {
        return timeout_message(*timeout);
    }
    return std::string("Erreur interne du programme : ") + error.what() + abandoned;
}

std::string operator_message(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        return operator_message(known);
    } catch (...) {
        // Nothing of ours throws anything else, but a foreign component might.
        return operator_message(std::runtime_error("exception d'un type inconnu"));
    }
}

}  // namespace helio
