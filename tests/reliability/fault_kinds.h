// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <limits>
#include <string>

#include "simulator/simulated_component_factory.h"

namespace helio::test {

/// One way a port access can go wrong, and the words the operator must then read.
struct fault_kind {
    const char* name;
    sim::access_fault fault;
    bool reads_only;    ///< a value handed back only exists for a read
    const char* shown;  ///< part of the operator's message
};

inline sim::access_fault answering(port_value value) {
    return {sim::access_fault::kind::answer, 0, std::move(value)};
}

/// The I/O component failing, then values that are no number, then values that overflow
/// the input conversion.
inline const std::array<fault_kind, 8> fault_kinds{{
    {"creation fails",
     {sim::access_fault::kind::fail_creation, sim::status_class_not_registered, {}},
     false,
     "0x80040154"},
    {"call fails",
     {sim::access_fault::kind::fail_call, sim::status_unspecified_failure, {}},
     false,
     "0x80004005"},
    {"text 'abc'", answering(std::string("abc")), true, "(abc) n'est pas un nombre entier"},
    {"null", answering(null_value{}), true, "(Null) n'est pas un nombre entier"},
    {"NaN", answering(std::numeric_limits<double>::quiet_NaN()), true,
     "n'est pas un nombre entier"},
    {"2147483647 (+65536 overflows)", answering(std::int32_t{2147483647}), true,
     "Dépassement de capacité"},
    {"1e10", answering(1e10), true, "Dépassement de capacité"},
    {"text '3e9'", answering(std::string("3e9")), true, "Dépassement de capacité"},
}};

}  // namespace helio::test
