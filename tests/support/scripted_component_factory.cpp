// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/scripted_component_factory.h"

namespace helio::test {

class scripted_component_factory::instance final : public io_component {
  public:
    instance(scripted_component_factory& factory, std::uint64_t serial, status_code call_status)
        : factory_(factory), serial_(serial), call_status_(call_status) {}

    ~instance() override {
        ++factory_.released_;
        factory_.journal_.push_back("release " + std::to_string(serial_));
    }

    status_code ReadPort(std::int32_t port, std::int32_t& aux, port_value& value) override {
        factory_.journal_.push_back("read " + std::to_string(serial_) + " " + std::to_string(port) +
                                    " aux " + std::to_string(aux));
        if (failed(call_status_)) {
            return call_status_;
        }
        value = factory_.reads_.front();
        if (factory_.reads_.size() > 1) {
            factory_.reads_.pop_front();
        }
        return 0;
    }

    status_code WritePort(std::int32_t port, std::int32_t& value, std::int32_t&) override {
        factory_.journal_.push_back("write " + std::to_string(serial_) + " " +
                                    std::to_string(port) + " " + std::to_string(value));
        return call_status_;
    }

  private:
    scripted_component_factory& factory_;
    std::uint64_t serial_;
    status_code call_status_;
};

status_code scripted_component_factory::create_instance(std::unique_ptr<io_component>& created) {
    const std::uint64_t access = ++accesses_;
    const bool fail_here = access == fail_access_;
    if (fail_here && fail_at_creation_) {
        journal_.push_back("creation failed");
        return fail_status_;
    }
    const std::uint64_t serial = ++created_;
    journal_.push_back("new " + std::to_string(serial));
    created = std::make_unique<instance>(*this, serial, fail_here ? fail_status_ : 0);
    return 0;
}

}  // namespace helio::test
