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
    ~standin_library();

    standin_library(const standin_library&) = delete;
    standin_library& operator=(const standin_library&) = delete;

    /// Forgets every call and fault; a fresh heliograph whose moves take no time.
    void reset();

    /// Off, the component keeps no record of its calls (calls() stays as it was).
    void set_recording(bool on);

    std::vector<standin_call> calls() const;
    /// The calls as short text: "class object", "new 1", "write 1 91 8", "read 2 91 aux 0",
    /// "release 1".
    std::vector<std::string> journal() const;
    /// The journal without the requests for the class object: what the objects saw.
    std::vector<std::string> object_journal() const;

    /// Plans the access `accesses_from_now` from now (1 is the next) to fail or answer.
    void fail_creation(int accesses_from_now, HRESULT status);
    void fail_call(int accesses_from_now, HRESULT status);
    void answer(int accesses_from_now, const VARIANT& value);
    /// The next `times` requests for the class object fail with `status`.
    void refuse_class_object(int times, HRESULT status);

    void set_sighting_button(bool active);
    void set_travel_scale(double scale);
    int output_lines() const;
    long live_objects() const;
    /// When the blades' move under way ends, on std::chrono::steady_clock.
    std::chrono::steady_clock::time_point blades_arrival() const;

    const std::wstring& path() const { return path_; }

  private:
    template <class Function>
    Function find(const char* name) const;

    std::wstring path_;
    HMODULE module_ = nullptr;
    standin_reset_function reset_;
    standin_set_recording_function set_recording_;
    standin_call_count_function call_count_;
    standin_call_at_function call_at_;
    standin_schedule_fault_function schedule_fault_;
    standin_set_sighting_button_function set_sighting_button_;
    standin_set_travel_scale_function set_travel_scale_;
    standin_output_lines_function output_lines_;
    standin_live_objects_function live_objects_;
    standin_refuse_class_object_function refuse_class_object_;
    standin_blades_arrival_function blades_arrival_;
};

}  // namespace helio::test
