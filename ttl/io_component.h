// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ttl/errors.h"
#include "ttl/port_value.h"

namespace helio {

/// The two operations of the instrument's I/O component, in the order of its interface.
/// One instance serves one call; destroying it releases it.
class io_component {
  public:
    virtual ~io_component() = default;

    /// Reads the TTL input port. `aux` is set to 0 by the caller and not looked at after.
    virtual status_code ReadPort(std::int32_t port, std::int32_t& aux, port_value& value) = 0;

    /// Writes `value` (the caller's own integer, by reference) to the TTL output port.
    /// `status` is the component's own result, which the console ignores.
    virtual status_code WritePort(std::int32_t port, std::int32_t& value, std::int32_t& status) = 0;
};

/// Makes the fresh instance that every single port access uses.
class io_component_factory {
  public:
    virtual ~io_component_factory() = default;

    /// Creates one instance into `instance`; on a failing status `instance` stays empty.
    virtual status_code create_instance(std::unique_ptr<io_component>& instance) = 0;

    /// One whole access: creates an instance, makes its one call, releases it. Each returns
    /// the call's status; when no instance could be made, no call is made and each throws
    /// creation_failure's error. By default the instance comes from create_instance, on the
    /// heap; a factory that can make a fresh instance more cheaply overrides both.
    virtual status_code write_port_once(std::int32_t port, std::int32_t& value,
                                        std::int32_t& status);
    virtual status_code read_port_once(std::int32_t port, std::int32_t& aux, port_value& value);

    /// The system's own text for a status code, for the operator's message.
    virtual std::string describe_status(status_code code) const = 0;

    /// The error for a creation that has just failed with `code`: by default it names
    /// create_instance's call "CreateInstance"; a factory that knows more says more.
    virtual creation_error creation_failure(status_code code) const;

  private:
    template <class Call>
    status_code on_fresh_instance(const char* operation, Call call);
};

}  // namespace helio
