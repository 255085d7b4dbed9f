// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

/// What each TTL line means to the heliograph's controller, as the maintainer's panel
/// labels its lamps (bit 0 first). UTF-8.
namespace helio::line_meanings {

inline constexpr std::array<std::string_view, 8> outputs{
    "strobe A",      "strobe B",           "libre",   "code 8 (visée)",
    "code 16 (CCD)", "code 32 (poussoir)", "code 64", "code 128",
};

inline constexpr std::array<std::string_view, 8> inputs{
    "bouton de visée", "visée en position",
    "CCD en position", "lames en position",
    "libre",           "libre",
    "libre",           "libre",
};

/// The input bits the controller reports, by short name for the transcript (bit 0 first).
inline constexpr std::array<std::string_view, 4> status_short_names{"bouton", "visée", "CCD",
                                                                    "lames"};

}  // namespace helio::line_meanings

/// The titles of the panel window, by what the console is connected to.
namespace helio::panel_titles {

inline constexpr std::string_view simulator =
    "SIMULATION — Héliographe virtuel (aucun instrument raccordé)";
inline constexpr std::string_view real_device = "Moniteur des lignes TTL — instrument réel";

}  // namespace helio::panel_titles

/// The fixed texts of the panel's boxes, labels and controls, for every view. UTF-8; a
/// "\n" starts a second line.
namespace helio::panel_captions {

inline constexpr std::string_view simulation_banner =
    "SIMULATION — aucun instrument n'est raccordé : les boutons de la console pilotent un "
    "héliographe virtuel.";

inline constexpr std::string_view lines_box = "Lignes TTL";
inline constexpr std::string_view outputs_row = "Sorties\n(dernier octet écrit)";
inline constexpr std::string_view inputs_row = "Entrées\n(dernier octet lu)";

inline constexpr std::string_view transcript_box = "Journal des accès au port";
inline constexpr std::string_view transcript_legend =
    "W écriture · R lecture (×N : N lectures identiques de suite) · S largeur du strobe · "
    "L ligne du journal\n"
    "A attente d'un mécanisme · E erreur signalée à l'opérateur · C commande d'un client "
    "Alpaca\n"
    "temps en secondes depuis le démarrage";

inline constexpr std::string_view instrument_box = "Héliographe virtuel";
inline constexpr std::string_view mirror_row = "Miroir :";
inline constexpr std::string_view blades_row = "Lames :";
inline constexpr std::string_view pusher_row = "Poussoir :";
inline constexpr std::string_view sighting_button =
    "Bouton de visée de l'opérateur actif (entrée bit 0)";

inline constexpr std::string_view faults_box = "Pannes simulées";
inline constexpr std::string_view mirror_stuck = "Miroir bloqué";
inline constexpr std::string_view blades_stuck = "Lames bloquées";
inline constexpr std::string_view access_fault_prompt = "Le prochain accès au port échoue avec :";
inline constexpr std::string_view fault_status_tip =
    "Choisissez un code ou tapez-le en hexadécimal";
inline constexpr std::string_view arm_fault = "Armer";
inline constexpr std::string_view cancel_fault = "Désarmer";
inline constexpr std::string_view unknown_status =
    "Code non reconnu : choisissez-en un dans la liste ou tapez un code d'échec en "
    "hexadécimal (0x8…).";

inline constexpr std::string_view speed_row = "Vitesse des mécanismes :";
inline constexpr std::string_view speed_tip =
    "Nominale : miroir 1,5 s d'une position à l'autre ; lames 20 ms par code";

inline constexpr std::string_view violations_box = "Violations du protocole";

}  // namespace helio::panel_captions

/// The pages of the panel and the texts of its timing view. UTF-8.
namespace helio::timing_captions {

inline constexpr std::string_view monitor_page = "Moniteur";
inline constexpr std::string_view timing_page = "Chronogramme";
inline constexpr std::string_view previous = "< Action précédente";
inline constexpr std::string_view next = "Action suivante >";
inline constexpr std::string_view nothing_yet =
    "Aucune action depuis le démarrage : le chronogramme montrera la prochaine.";
inline constexpr std::string_view legend =
    "Une colonne par changement des lignes (chaque écriture W, chaque lecture R d'un octet "
    "nouveau), le temps écoulé depuis la précédente en dessous : le temps n'est pas à "
    "l'échelle.";

}  // namespace helio::timing_captions
