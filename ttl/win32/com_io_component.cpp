// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/win32/com_io_component.h"

#include <objbase.h>

#include <utility>

#include "ttl/win32/class_registration.h"
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

HRESULT create_object(com_ptr<io_port_dispatch>& port) {
    return CoCreateInstance(io_port_class_id, nullptr, CLSCTX_INPROC_SERVER, io_port_interface_id,
                            port.put());
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

com_io_factory::com_io_factory() = default;

com_io_factory::~com_io_factory() = default;

status_code com_io_factory::create_instance(std::unique_ptr<io_component>& instance) {
    com_ptr<io_port_dispatch> port;
    const HRESULT status = make_object(port);
    if (SUCCEEDED(status)) {
        instance = std::make_unique<com_io_instance>(std::move(port));
    }
    return status;
}

HRESULT com_io_factory::make_object(com_ptr<io_port_dispatch>& port) {
    switch (path_) {
        case creation_path::class_object:
            failed_call_ = "IClassFactory::CreateInstance";
            return class_object_->CreateInstance(nullptr, io_port_interface_id, port.put());
        case creation_path::create_instance:
            failed_call_ = "CoCreateInstance";
            return create_object(port);
        case creation_path::class_object_pending:
            break;
    }
    return first_object(port);
}

HRESULT com_io_factory::first_object(com_ptr<io_port_dispatch>& port) {
    const HRESULT got = CoGetClassObject(io_port_class_id, CLSCTX_INPROC_SERVER, nullptr,
                                         IID_IClassFactory, class_object_.put());
    if (SUCCEEDED(got)) {
        path_ = creation_path::class_object;
        return make_object(port);
    }
    // A component that cannot be found or loaded fails CoCreateInstance the same way; the
    // class object is asked for again at the next access, should the maintainer mend it.
    failed_call_ = "CoGetClassObject";
    if (FAILED(create_object(port))) {
        return got;
    }
    path_ = creation_path::create_instance;
    if (fallback_listener_) {
        fallback_listener_(io_error(got, "CoGetClassObject", system_text(got)));
    }
    return S_OK;
}

std::string com_io_factory::describe_status(status_code code) const {
    return system_text(code);
}

creation_error com_io_factory::creation_failure(status_code code) const {
    std::string text = system_text(code);
    if (path_ == creation_path::class_object) {
        // The class was found and its DLL loaded: the registry has nothing to do with it.
        return creation_error(code, failed_call_, std::move(text));
    }
    component_registration found = look_up_component_registration();
    // Some texts leave the file to the caller: "%1 is not a valid Win32 application".
    if (const auto insert = text.find("%1"); insert != std::string::npos && found.server) {
        text.replace(insert, 2, *found.server);
    }
    return creation_error(code, failed_call_, std::move(text), std::move(found));
}

}  // namespace helio::win32
