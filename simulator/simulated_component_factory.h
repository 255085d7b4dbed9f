// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "simulator/heliograph_controller.h"
#include "ttl/io_component.h"

namespace helio::sim {

/// Status codes the simulated component can answer with (HRESULT values).
inline constexpr status_code status_unspecified_failure = static_cast<status_code>(0x80004005);
inline constexpr status_code status_invalid_argument = static_cast<status_code>(0x80070057);
inline constexpr status_code status_class_not_registered = static_cast<status_code>(0x80040154);

/// A fault planned for one port access, counted from the first access the device served.
struct access_fault {
    enum class kind {
        fail_creation,  ///< creating the instance fails with `status`
        fail_call,      ///< ReadPort or WritePort returns `status`
        answer,         ///< ReadPort hands back `answer` instead of the input lines
    };
    kind what = kind::fail_call;
    status_code status = status_unspecified_failure;
    port_value answer{};
};

/// One thing the device saw, kept when recording is on.
struct device_event {
    enum class kind { created, creation_failed, read, write, released };
    kind what;
    std::uint64_t instance;  ///< serial of the instance, from 1
    std::int32_t port = 0;
    std::int32_t value = 0;  ///< the value written, or the raw value read
};

/// The I/O component as it stands in for the real one: every instance it creates is a
/// handle on the one shared controller. It counts instances and accesses, can record every
/// call, and can be told to fail a chosen access.
class simulated_component_factory final : public io_component_factory {
  public:
    explicit simulated_component_factory(heliograph_controller& controller);
    ~simulated_component_factory() override;

    status_code create_instance(std::unique_ptr<io_component>& instance) override;
    /// An access with nothing planned or recorded costs no allocation.
    status_code write_port_once(std::int32_t port, std::int32_t& value,
                                std::int32_t& status) override;
    status_code read_port_once(std::int32_t port, std::int32_t& aux, port_value& value) override;
    std::string describe_status(status_code code) const override;

    heliograph_controller& controller() { return controller_; }
    const heliograph_controller& controller() const { return controller_; }

    /// Accesses attempted so far (each one is a creation followed by one call).
    std::uint64_t accesses() const { return accesses_; }
    std::uint64_t instances_created() const { return created_; }
    std::uint64_t instances_released() const { return released_; }
    std::uint64_t live_instances() const { return created_ - released_; }

    /// Plans `fault` for access number `access` (1 is the first the device ever served).
    void schedule_fault(std::uint64_t access, access_fault fault);
    /// Plans `fault` for the next access.
    void fault_next_access(access_fault fault) { schedule_fault(accesses_ + 1, std::move(fault)); }
    void clear_faults() { faults_.clear(); }
    bool fault_pending() const { return !faults_.empty(); }

    void set_recording(bool on) { recording_ = on; }
    const std::vector<device_event>& events() const { return events_; }
    void clear_events() { events_.clear(); }

  private:
    class instance;
    friend class instance;
    /// The fault an access carries; a pointer, so that the usual access without one
    /// makes and destroys nothing for it.
    using planned_fault = std::unique_ptr<const access_fault>;

    void record(device_event event);
    /// Counts an access that needs no instance of its own (nothing planned or recorded).
    bool plain_access();
    planned_fault take_fault(std::uint64_t access);

    heliograph_controller& controller_;
    std::map<std::uint64_t, access_fault> faults_;
    std::vector<device_event> events_;
    std::uint64_t accesses_ = 0;
    std::uint64_t created_ = 0;
    std::uint64_t released_ = 0;
    bool recording_ = false;
};

}  // namespace helio::sim
