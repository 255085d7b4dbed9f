// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/com_io_component.h"

#include <objbase.h>

#include <utility>

#include "ttl/win32/com_ptr.h"
#include "ttl/win32/io_port_interface.h"
#include "ttl/win32/system_text.h"
#include "ttl/win32/unique_variant.h"

namespace helio::win32 {

namespace {

// The console's integers travel to the component as LONG, which is 32 bits on Windows.
static_assert(sizeof(LONG) == sizeof(std::int32_t));

LONG* as_long(std::int32_t& value) {
    return reinterpret_cast<LONG*>(&value);
}

/// One object of the component, good for the one call the console makes.
class com_io_instance final : public io_component {
  public:
    explicit com_io_instance(com_ptr<io_port_dispatch> port) : port_(std::move(port)) {}

    status_code ReadPort(std::int32_t port, std::int32_t& aux, port_value& value) override {
        unique_variant answer;
        const HRESULT status = port_->ReadPort(port, as_long(aux), answer.get());
        if (SUCCEEDED(status)) {
            value = variant_to_int32(*answer);
        }
        return status;
    }

    status_code WritePort(std::int32_t port, std::int32_t& value, std::int32_t& status) override {
        // The component is handed the caller's own integer, by reference.
        VARIANT by_reference;
        VariantInit(&by_reference);
        by_reference.vt = VT_BYREF | VT_I4;
        by_reference.plVal = as_long(value);
        return port_->WritePort(port, &by_reference, as_long(status));
    }

  private:
    com_ptr<io_port_dispatch> port_;
};

}  // namespace

status_code com_io_factory::create_instance(std::unique_ptr<io_component>& instance) {
    com_ptr<io_port_dispatch> port;
    const HRESULT status = CoCreateInstance(io_port_class_id, nullptr, CLSCTX_INPROC_SERVER,
                                            io_port_interface_id, port.put());
    if (SUCCEEDED(status)) {
        instance = std::make_unique<com_io_instance>(std::move(port));
    }
    return status;
}

std::string com_io_factory::describe_status(status_code code) const {
    return system_text(code);
}

}  // namespace helio::win32
