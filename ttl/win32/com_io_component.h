// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "ttl/io_component.h"

namespace helio::win32 {

/// The instrument's I/O component through COM. Every instance is a fresh object of the
/// registered in-process class, released when the instance is destroyed; its ReadPort hands
/// back a 32-bit integer already converted with the system's variant conversion.
/// Needs COM initialised on the calling thread (com_apartment).
class com_io_factory final : public io_component_factory {
  public:
    status_code create_instance(std::unique_ptr<io_component>& instance) override;
    std::string describe_status(status_code code) const override;
};

}  // namespace helio::win32
