// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/unique_ids.h"

#include <boost/uuid/name_generator_sha1.hpp>
#include <boost/uuid/string_generator.hpp>
#include <boost/uuid/uuid_io.hpp>

namespace helio::alpaca {

namespace {

/// The console's own name space: every UniqueID it ever gave hangs on this value and on
/// the form of the name below, so neither may change.
constexpr const char* console_name_space = "98aea387-1b36-48e7-a636-5832d2390007";

}  // namespace

std::string unique_id(const installation& where, std::string_view device_type) {
    const boost::uuids::name_generator_sha1 generate(
        boost::uuids::string_generator()(console_name_space));
    const std::string name = where.machine + (where.simulated ? "/simulator/" : "/instrument/") +
                             std::string(device_type) + "/0";
    return boost::uuids::to_string(generate(name));
}

}  // namespace helio::alpaca
