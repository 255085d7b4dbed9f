// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace helio {

/// The I/O component's class and interface, as the registry and the maintainer write them.
inline constexpr std::string_view io_component_class_text =
    "{E715B92B-25F9-11D1-9330-444553540000}";
inline constexpr std::string_view io_component_interface_text =
    "{E715B92A-25F9-11D1-9330-444553540000}";

/// What this PC's registry says of the I/O component's in-process server, looked up without
/// loading it. An in-process server loads only into a program of its own bitness, and a
/// 64-bit Windows keeps the registrations of 32-bit and 64-bit programs apart.
struct component_registration {
    int program_bits = 32;                    ///< this program's
    std::optional<std::string> server;        ///< the DLL registered for this program's bitness
    bool server_found = false;                ///< that DLL's file is there
    std::optional<std::string> other_server;  ///< the DLL registered for the other bitness

    int other_bits() const { return program_bits == 64 ? 32 : 64; }
};

/// What stands between the console and the component, as far as the registry tells.
enum class registration_problem {
    none,
    not_registered,      ///< for neither bitness
    other_bitness_only,  ///< registered, but for programs of the other bitness
    server_missing,      ///< registered, but its DLL is not where the registry says
};

inline registration_problem problem_of(const component_registration& found) {
    if (found.server) {
        return found.server_found ? registration_problem::none
                                  : registration_problem::server_missing;
    }
    return found.other_server ? registration_problem::other_bitness_only
                              : registration_problem::not_registered;
}

}  // namespace helio
