// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace helio {

/// The --version text: the program, its version and, for a build that is not a tagged
/// release, the commit it was made from; then the copyright and the licence.
std::string version_text();

}  // namespace helio
