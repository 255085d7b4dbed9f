// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace helio::test {

/// The lines of a list box of the panel, in UTF-8.
std::vector<std::string> utf8_lines(HWND list);

/// The bytes the transcript's "W" lines show, in order.
std::vector<std::int32_t> written_values(const std::vector<std::string>& transcript);

/// A run of identical reads: the byte and how many.
using read_run = std::pair<int, std::uint64_t>;

/// The runs of reads the transcript's "R" lines show ("×N" for N reads, one without).
std::vector<read_run> read_runs(const std::vector<std::string>& transcript);

/// The runs of reads in a port_recorder's events ("R 9", "W 8", "S1"): what the transcript
/// must show.
std::vector<read_run> runs_of(const std::vector<std::string>& events);

}  // namespace helio::test
