// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ttl/io_component.h"
#include "ttl/win32/com_ptr.h"

struct IClassFactory;

namespace helio::win32 {

struct io_port_dispatch;

/// The instrument's I/O component through COM. Every instance is a fresh object of the
/// registered in-process class, released when the instance is destroyed; its ReadPort hands
/// back a 32-bit integer already converted with the system's variant conversion.
///
/// Finding the class is most of what CoCreateInstance costs (registry reads on every call),
/// so the class object is asked for once, at the first access, and every access after makes
/// its object with the class object's CreateInstance. Should the class object be refused
/// while CoCreateInstance still works, every access goes through CoCreateInstance instead.
/// Needs COM initialised on the calling thread (com_apartment), for as long as it lives.
class com_io_factory final : public io_component_factory {
  public:
    /// How the accesses make their object.
    enum class creation_path {
        class_object_pending,  ///< no access has made one yet, or none could
        class_object,          ///< the class object's CreateInstance
        create_instance,       ///< CoCreateInstance, the class object being refused
    };

    com_io_factory();
    ~com_io_factory() override;

    com_io_factory(const com_io_factory&) = delete;
    com_io_factory& operator=(const com_io_factory&) = delete;

    status_code create_instance(std::unique_ptr<io_component>& instance) override;
    std::string describe_status(status_code code) const override;
    /// Names the call that failed, with what the registry says of the component.
    creation_error creation_failure(status_code code) const override;

    creation_path path() const { return path_; }

    /// Called once, with why, when the accesses fall back to CoCreateInstance.
    void on_fallback(std::function<void(const io_error& why)> listener) {
        fallback_listener_ = std::move(listener);
    }

  private:
    // HRESULTs, which are longs.
    long make_object(com_ptr<io_port_dispatch>& port);
    long first_object(com_ptr<io_port_dispatch>& port);

    com_ptr<IClassFactory> class_object_;
    creation_path path_ = creation_path::class_object_pending;
    const char* failed_call_ = "";
    std::function<void(const io_error&)> fallback_listener_;
};

}  // namespace helio::win32
