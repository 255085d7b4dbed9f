// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "ttl/io_component.h"

namespace helio {

template <class Call>
status_code io_component_factory::on_fresh_instance(const char* operation, Call call) {
    std::unique_ptr<io_component> instance;
    if (const status_code created = create_instance(instance); failed(created)) {
        throw creation_failure(created);
    }
    if (!instance) {
        constexpr status_code null_pointer = static_cast<status_code>(0x80004003);  // E_POINTER
        throw io_error(null_pointer, operation, "the I/O component gave no instance");
    }
    return call(*instance);
}

creation_error io_component_factory::creation_failure(status_code code) const {
    return creation_error(code, "CreateInstance", describe_status(code));
}

status_code io_component_factory::write_port_once(std::int32_t port, std::int32_t& value,
                                                  std::int32_t& status) {
    return on_fresh_instance("WritePort", [&](io_component& instance) {
        return instance.WritePort(port, value, status);
    });
}

status_code io_component_factory::read_port_once(std::int32_t port, std::int32_t& aux,
                                                 port_value& value) {
    return on_fresh_instance(
        "ReadPort", [&](io_component& instance) { return instance.ReadPort(port, aux, value); });
}

}  // namespace helio
