// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "simulator/heliograph_controller.h"
#include "standin_control.h"
#include "ttl/clock.h"

/// A copy of a VARIANT, cleared once the last holder lets it go.
inline std::shared_ptr<const VARIANT> held_variant(const VARIANT* value) {
    auto* copy = new VARIANT;
    VariantInit(copy);
    if (value != nullptr) {
        VariantCopy(copy, const_cast<VARIANT*>(value));  // its source lacks the const
    }
    return {copy, [](VARIANT* held) {
                VariantClear(held);
                delete held;
            }};
}

/// Everything the stand-in component knows: the simulated heliograph behind the port, the
/// record of calls, the faults planned, and the journal file a program run from outside
/// (the console itself) leaves for its test.
class standin_state {
  public:
    struct fault {
        int kind;
        long status;
        std::shared_ptr<const VARIANT> answer;
    };

    static standin_state& get();

    void reset();
    /// Keeps the call in the record and the journal, unless recording is off.
    void record(const standin_call& call);
    /// Off, nothing is kept: a long run (the benchmark's millions of accesses) stays small
    /// and its accesses cost only what the component does.
    void set_recording(bool on) { recording_ = on; }
    const std::vector<standin_call>& calls() const { return calls_; }

    /// Counts an access (a creation) and hands back the fault planned for it, if any.
    std::optional<fault> begin_access();
    void schedule(int accesses_from_now, fault planned);

    unsigned next_serial() { return ++serial_; }

    helio::sim::heliograph_controller& controller() { return *controller_; }

    long live_objects = 0;
    /// The next requests for the class object refused, and with what status.
    int class_object_refusals = 0;
    HRESULT class_object_refusal = S_OK;

  private:
    standin_state();

    double travel_scale_;
    helio::steady_clock_source time_;
    std::unique_ptr<helio::sim::heliograph_controller> controller_;
    std::vector<standin_call> calls_;
    std::map<unsigned long, fault> faults_;
    unsigned long accesses_ = 0;
    unsigned serial_ = 0;
    std::FILE* journal_ = nullptr;
    bool recording_ = true;
};
