// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "simulator/simulated_component_factory.h"

#include <utility>

#include "ttl/ttl_port.h"

namespace helio::sim {

namespace {

/// A call on a port other than the TTL port: the controller notes the breach, the call fails.
status_code refuse_port(heliograph_controller& controller, std::int32_t port) {
    if (port != ttl_port_number) {
        controller.report_wrong_port(port);
        return status_invalid_argument;
    }
    return 0;
}

}  // namespace

/// One instance of the simulated component: good for as many calls as the caller makes,
/// though the console makes exactly one.
class simulated_component_factory::instance final : public io_component {
  public:
    instance(simulated_component_factory& factory, std::uint64_t serial, planned_fault fault)
        : factory_(factory), serial_(serial), fault_(std::move(fault)) {}

    ~instance() override {
        ++factory_.released_;
        factory_.record({device_event::kind::released, serial_});
    }

    status_code ReadPort(std::int32_t port, std::int32_t& /*aux*/, port_value& value) override {
        if (const status_code refused = refuse(port); failed(refused)) {
            return refused;
        }
        if (fault_ && fault_->what == access_fault::kind::answer) {
            value = fault_->answer;
            factory_.record({device_event::kind::read, serial_, port, 0});
            return 0;
        }
        const std::int32_t raw = factory_.controller_.read_inputs();
        value = raw;
        factory_.record({device_event::kind::read, serial_, port, raw});
        return 0;
    }

    status_code WritePort(std::int32_t port, std::int32_t& value, std::int32_t& status) override {
        if (const status_code refused = refuse(port); failed(refused)) {
            return refused;
        }
        factory_.controller_.write_outputs(value);
        factory_.record({device_event::kind::write, serial_, port, value});
        status = 0;
        return 0;
    }

  private:
    status_code refuse(std::int32_t port) {
        if (fault_ && fault_->what == access_fault::kind::fail_call) {
            return fault_->status;
        }
        return refuse_port(factory_.controller_, port);
    }

    simulated_component_factory& factory_;
    std::uint64_t serial_;
    planned_fault fault_;  // empty on all but the rare faulted access
};

simulated_component_factory::simulated_component_factory(heliograph_controller& controller)
    : controller_(controller) {}

simulated_component_factory::~simulated_component_factory() = default;

status_code simulated_component_factory::create_instance(std::unique_ptr<io_component>& created) {
    const std::uint64_t access = ++accesses_;
    planned_fault fault = faults_.empty() ? nullptr : take_fault(access);
    if (fault && fault->what == access_fault::kind::fail_creation) {
        record({device_event::kind::creation_failed, 0});
        return fault->status;
    }
    const std::uint64_t serial = ++created_;
    record({device_event::kind::created, serial});
    created = std::make_unique<instance>(*this, serial, std::move(fault));
    return 0;
}

bool simulated_component_factory::plain_access() {
    if (!faults_.empty() || recording_) {
        return false;  // the instance is made, on the heap, to carry its fault or its record
    }
    // Nothing planned, nothing recorded: the instance the access makes and releases at
    // once is only counted, and the call is served as the instance would serve it, with no
    // allocation.
    ++accesses_;
    ++created_;
    ++released_;
    return true;
}

status_code simulated_component_factory::write_port_once(std::int32_t port, std::int32_t& value,
                                                         std::int32_t& status) {
    if (!plain_access()) {
        return io_component_factory::write_port_once(port, value, status);
    }
    if (const status_code refused = refuse_port(controller_, port); failed(refused)) {
        return refused;
    }
    controller_.write_outputs(value);
    status = 0;
    return 0;
}

status_code simulated_component_factory::read_port_once(std::int32_t port, std::int32_t& aux,
                                                        port_value& value) {
    if (!plain_access()) {
        return io_component_factory::read_port_once(port, aux, value);
    }
    if (const status_code refused = refuse_port(controller_, port); failed(refused)) {
        return refused;
    }
    value = static_cast<std::int32_t>(controller_.read_inputs());
    return 0;
}

std::string simulated_component_factory::describe_status(status_code code) const {
    switch (static_cast<std::uint32_t>(code)) {
        case 0x80004005u:
            return "Erreur non spécifiée (défaillance simulée)";
        case 0x80070057u:
            return "Paramètre incorrect";
        case 0x80040154u:
            return "Classe non enregistrée";
        default:
            return "Défaillance simulée du composant d'entrées-sorties";
    }
}

void simulated_component_factory::schedule_fault(std::uint64_t access, access_fault fault) {
    faults_[access] = std::move(fault);
}

simulated_component_factory::planned_fault simulated_component_factory::take_fault(
    std::uint64_t access) {
    const auto found = faults_.find(access);
    if (found == faults_.end()) {
        return nullptr;
    }
    auto fault = std::make_unique<const access_fault>(std::move(found->second));
    faults_.erase(found);
    return fault;
}

void simulated_component_factory::record(device_event event) {
    if (recording_) {
        events_.push_back(event);
    }
}

}  // namespace helio::sim
