// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "standin/standin_control.h"

namespace helio::test {

/// The stand-in I/O component as COM loads it: the DLL registered for the component's
/// class, loaded from that same path (so this is the module COM uses), with its test
/// functions.
class standin_library {
  public:
    /// Throws std::runtime_error when the class is not registered or the DLL is not ours.
    standin_library();
    ~standin_library() { FreeLibrary(module_); }

    standin_library(const standin_library&) = delete;
    standin_library& operator=(const standin_library&) = delete;

    /// Forgets every call and fault; a fresh heliograph whose moves take no time.
    void reset() {
        call<void>("standin_reset");
        set_travel_scale(0.0);
    }

    /// Off, the component keeps no record of its calls (calls() stays as it was).
    void set_recording(bool on) { call<void>("standin_set_recording", on ? 1 : 0); }

    std::vector<standin_call> calls() const;
    /// The calls as short text: "class-object", "new 1", "write 1 91 8", "read 2 91 aux 0",
    /// "release 1".
    std::vector<std::string> journal() const;
    /// The journal without the requests for the class object: what the objects saw.
    std::vector<std::string> object_journal() const;

    /// Plans the access `accesses_from_now` from now (1 is the next) to fail or answer.
    void fail_creation(int accesses_from_now, HRESULT status) {
        schedule(accesses_from_now, standin_fail_creation, status, nullptr);
    }
    void fail_call(int accesses_from_now, HRESULT status) {
        schedule(accesses_from_now, standin_fail_call, status, nullptr);
    }
    void answer(int accesses_from_now, const VARIANT& value) {
        schedule(accesses_from_now, standin_answer, S_OK, &value);
    }
    /// The next `times` requests for the class object fail with `status`.
    void refuse_class_object(int times, HRESULT status) {
        call<void>("standin_refuse_class_object", times, long{status});
    }

    void set_sighting_button(bool active) {
        call<void>("standin_set_sighting_button", active ? 1 : 0);
    }
    void set_travel_scale(double scale) { call<void>("standin_set_travel_scale", scale); }
    int output_lines() const { return call<int>("standin_output_lines"); }
    long live_objects() const { return call<long>("standin_live_objects"); }
    /// When the blades' move under way ends, on std::chrono::steady_clock.
    std::chrono::steady_clock::time_point blades_arrival() const {
        return std::chrono::steady_clock::time_point(
            std::chrono::nanoseconds(call<long long>("standin_blades_arrival")));
    }

  private:
    /// Calls the DLL's function `name`; throws std::runtime_error when the DLL lacks it.
    template <class Result, class... Arguments>
    Result call(const char* name, Arguments... arguments) const {
        using function = Result (*)(Arguments...);
        return reinterpret_cast<function>(reinterpret_cast<void*>(find(name)))(arguments...);
    }
    FARPROC find(const char* name) const;
    void schedule(int accesses_from_now, int kind, HRESULT status, const VARIANT* value) {
        call<void>("standin_schedule_fault", accesses_from_now, kind, long{status}, value);
    }

    std::wstring path_;
    HMODULE module_ = nullptr;
};

}  // namespace helio::test
