// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace helio {

/// The port number of the heliograph's TTL lines, for reads and writes alike.
inline constexpr std::int32_t ttl_port_number = 91;

/// Loop iterations of the spin delay per unit of its count.
inline constexpr std::int32_t spin_iterations_per_count = 10000;

}  // namespace helio
