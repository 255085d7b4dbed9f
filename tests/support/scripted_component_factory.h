// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ttl/io_component.h"

namespace helio::test {

/// An I/O component whose reads follow a script, for driving one sequence through exact
/// input states. It writes down, in order, every creation, call and release it sees.
class scripted_component_factory final : public io_component_factory {
  public:
    /// Reads answer these values in turn; the last one repeats for ever.
    void script_reads(std::vector<port_value> values) {
        reads_.assign(values.begin(), values.end());
    }
    /// Fails access number `access` (from 1) with `status`, at the call or at creation.
    void fail_access(std::uint64_t access, status_code status, bool at_creation = false) {
        fail_access_ = access;
        fail_status_ = status;
        fail_at_creation_ = at_creation;
    }

    status_code create_instance(std::unique_ptr<io_component>& instance) override;
    std::string describe_status(status_code code) const override {
        return "status " + std::to_string(code);
    }

    /// "new 1", "write 1 91 8", "read 2 91", "release 1", ...
    const std::vector<std::string>& journal() const { return journal_; }
    std::uint64_t live_instances() const { return created_ - released_; }
    std::uint64_t accesses() const { return accesses_; }

  private:
    class instance;

    std::deque<port_value> reads_{std::int32_t{0}};
    std::vector<std::string> journal_;
    std::uint64_t accesses_ = 0;
    std::uint64_t created_ = 0;
    std::uint64_t released_ = 0;
    std::uint64_t fail_access_ = 0;
    status_code fail_status_ = 0;
    bool fail_at_creation_ = false;
};

}  // namespace helio::test
