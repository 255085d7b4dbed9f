// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "support/scripted_device.h"

namespace helio::test {

class scripted_device::instance final : public io_component {
  public:
    instance(scripted_device& device, std::uint64_t serial, status_code call_status)
        : device_(device), serial_(serial), call_status_(call_status) {}

    ~instance() override {
        ++device_.released_;
        device_.journal_.push_back("release " + std::to_string(serial_));
    }

    status_code ReadPort(std::int32_t port, std::int32_t& aux, port_value& value) override {
        device_.journal_.push_back("read " + std::to_string(serial_) + " " + std::to_string(port) +
                                   " aux " + std::to_string(aux));
        if (failed(call_status_)) {
            return call_status_;
        }
        value = device_.next_read();
        return 0;
    }

    status_code WritePort(std::int32_t port, std::int32_t& value, std::int32_t&) override {
        device_.journal_.push_back("write " + std::to_string(serial_) + " " + std::to_string(port) +
                                   " " + std::to_string(value));
        return call_status_;
    }

  private:
    scripted_device& device_;
    std::uint64_t serial_;
    status_code call_status_;
};

status_code scripted_device::create_instance(std::unique_ptr<io_component>& created) {
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

port_value scripted_device::next_read() {
    port_value value = reads_.front();
    if (reads_.size() > 1) {
        reads_.pop_front();
    }
    return value;
}

}  // namespace helio::test
