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

/// Everything the stand-in component knows: the simulated heliograph behind the port, the
/// record of calls, the faults planned, and the journal file a program run from outside
/// (the console itself) leaves for its test.
/// VariantCopy, whose declaration lacks the const of its source.
inline void copy_variant(VARIANT* to, const VARIANT* from) {
    VariantCopy(to, const_cast<VARIANT*>(from));
}

/// A VARIANT that copies and clears itself.
class held_variant {
  public:
    held_variant() { VariantInit(&value_); }
    explicit held_variant(const VARIANT* value) : held_variant() {
        if (value != nullptr) {
            copy_variant(&value_, value);
        }
    }
    held_variant(const held_variant& other) : held_variant(&other.value_) {}
    held_variant& operator=(const held_variant& other) {
        if (this != &other) {
            copy_variant(&value_, &other.value_);
        }
        return *this;
    }
    ~held_variant() { VariantClear(&value_); }

    const VARIANT* get() const { return &value_; }

  private:
    VARIANT value_;
};

class standin_state {
  public:
    struct fault {
        int kind;
        long status;
        held_variant answer;
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

    /// The status this request for the class object is refused with; S_OK if none.
    HRESULT take_class_object_refusal() {
        if (class_object_refusals_ <= 0) {
            return S_OK;
        }
        --class_object_refusals_;
        return class_object_refusal_;
    }
    void refuse_class_object(int times, HRESULT status) {
        class_object_refusals_ = times;
        class_object_refusal_ = status;
    }
    helio::sim::heliograph_controller& controller() { return *controller_; }

    long live_objects = 0;

  private:
    standin_state();
    void journal(const standin_call& call);

    double travel_scale_;
    helio::steady_clock_source time_;
    std::unique_ptr<helio::sim::heliograph_controller> controller_;
    std::vector<standin_call> calls_;
    std::map<unsigned long, fault> faults_;
    unsigned long accesses_ = 0;
    unsigned serial_ = 0;
    std::FILE* journal_ = nullptr;
    bool recording_ = true;
    int class_object_refusals_ = 0;
    HRESULT class_object_refusal_ = S_OK;
};
