// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "standin/standin_library.h"

#include <stdexcept>

namespace helio::test {

namespace {

std::wstring registered_server_path() {
    const wchar_t key[] = L"CLSID\\{E715B92B-25F9-11D1-9330-444553540000}\\InprocServer32";
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("the I/O component's class is not registered");
    }
    return path;
}

std::string call_text(const standin_call& call) {
    const std::string serial = std::to_string(call.instance);
    switch (call.kind) {
        case standin_created:
            return "new " + serial;
        case standin_creation_failed:
            return "creation failed";
        case standin_read:
            return "read " + serial + " " + std::to_string(call.port) + " aux " +
                   std::to_string(call.aux);
        case standin_write:
            return "write " + serial + " " + std::to_string(call.port) + " " +
                   std::to_string(call.value);
        case standin_released:
            return "release " + serial;
        case standin_class_object_given:
            return "class object";
        case standin_class_object_refused:
            return "class object refused";
        default:
            return "?";
    }
}

}  // namespace

standin_library::standin_library() : path_(registered_server_path()) {
    module_ = LoadLibraryW(path_.c_str());
    if (module_ == nullptr) {
        throw std::runtime_error("cannot load the registered I/O component");
    }
    reset_ = find<standin_reset_function>("standin_reset");
    set_recording_ = find<standin_set_recording_function>("standin_set_recording");
    call_count_ = find<standin_call_count_function>("standin_call_count");
    call_at_ = find<standin_call_at_function>("standin_call_at");
    schedule_fault_ = find<standin_schedule_fault_function>("standin_schedule_fault");
    set_sighting_button_ =
        find<standin_set_sighting_button_function>("standin_set_sighting_button");
    set_travel_scale_ = find<standin_set_travel_scale_function>("standin_set_travel_scale");
    output_lines_ = find<standin_output_lines_function>("standin_output_lines");
    live_objects_ = find<standin_live_objects_function>("standin_live_objects");
    refuse_class_object_ =
        find<standin_refuse_class_object_function>("standin_refuse_class_object");
    blades_arrival_ = find<standin_blades_arrival_function>("standin_blades_arrival");
}

standin_library::~standin_library() {
    FreeLibrary(module_);
}

template <class Function>
Function standin_library::find(const char* name) const {
    FARPROC address = GetProcAddress(module_, name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("the registered DLL lacks ") + name);
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

void standin_library::reset() {
    reset_();
    set_travel_scale_(0.0);
}

void standin_library::set_recording(bool on) {
    set_recording_(on ? 1 : 0);
}

std::vector<standin_call> standin_library::calls() const {
    std::vector<standin_call> calls(static_cast<std::size_t>(call_count_()));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        call_at_(static_cast<int>(i), &calls[i]);
    }
    return calls;
}

std::vector<std::string> standin_library::journal() const {
    std::vector<std::string> lines;
    for (const standin_call& call : calls()) {
        lines.push_back(call_text(call));
    }
    return lines;
}

std::vector<std::string> standin_library::object_journal() const {
    std::vector<std::string> lines;
    for (const standin_call& call : calls()) {
        if (call.kind != standin_class_object_given && call.kind != standin_class_object_refused) {
            lines.push_back(call_text(call));
        }
    }
    return lines;
}

void standin_library::fail_creation(int accesses_from_now, HRESULT status) {
    schedule_fault_(accesses_from_now, standin_fail_creation, status, nullptr);
}

void standin_library::fail_call(int accesses_from_now, HRESULT status) {
    schedule_fault_(accesses_from_now, standin_fail_call, status, nullptr);
}

void standin_library::answer(int accesses_from_now, const VARIANT& value) {
    schedule_fault_(accesses_from_now, standin_answer, S_OK, &value);
}

void standin_library::set_sighting_button(bool active) {
    set_sighting_button_(active ? 1 : 0);
}

void standin_library::set_travel_scale(double scale) {
    set_travel_scale_(scale);
}

void standin_library::refuse_class_object(int times, HRESULT status) {
    refuse_class_object_(times, status);
}

int standin_library::output_lines() const {
    return output_lines_();
}

long standin_library::live_objects() const {
    return live_objects_();
}

std::chrono::steady_clock::time_point standin_library::blades_arrival() const {
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(blades_arrival_()));
}

}  // namespace helio::test
