// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "app/version.h"

#include "build_info.h"

namespace helio {

std::string version_text() {
    return "heliograph-console " HELIO_PRODUCT_VERSION "\n" HELIO_COPYRIGHT
           "\n"
           "MIT License: free to use, copy, modify and distribute; no warranty.\n";
}

}  // namespace helio
