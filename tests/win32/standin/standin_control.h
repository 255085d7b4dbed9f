// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

// What the stand-in I/O component offers the tests besides its COM class. The test program
// loads the very DLL that COM loaded (same path, so the same module) and calls these.

#include <windows.h>

#include <oaidl.h>

extern "C" {

/// One thing the component saw, in the order it happened.
struct standin_call {
    int kind;           ///< a standin_call_kind
    unsigned instance;  ///< serial of the object, from 1 since the last reset
    long port;
    long value;           ///< the integer written, or the raw value read
    long aux;             ///< ReadPort: what the caller's aux held on the way in
    unsigned short type;  ///< WritePort: the variant type received; ReadPort: handed back
    const void* address;  ///< WritePort: where a by-reference variant pointed
};

enum standin_call_kind {
    standin_created = 1,
    standin_creation_failed = 2,
    standin_read = 3,
    standin_write = 4,
    standin_released = 5,
    standin_class_object_given = 6,    ///< DllGetClassObject handed out the class object
    standin_class_object_refused = 7,  ///< DllGetClassObject refused, as planned
};

/// What the next access (1) or a later one (2, 3, ...) does instead of its normal work.
enum standin_fault_kind {
    standin_fail_creation = 1,  ///< creating the object fails with the status
    standin_fail_call = 2,      ///< ReadPort or WritePort returns the status
    standin_answer = 3,         ///< ReadPort returns the given variant
};

typedef void (*standin_reset_function)(void);
typedef void (*standin_set_recording_function)(int on);
typedef int (*standin_call_count_function)(void);
typedef int (*standin_call_at_function)(int index, standin_call* call);
typedef void (*standin_schedule_fault_function)(int accesses_from_now, int kind, long status,
                                                const VARIANT* answer);
typedef void (*standin_set_sighting_button_function)(int active);
typedef void (*standin_set_travel_scale_function)(double scale);
typedef int (*standin_output_lines_function)(void);
typedef long (*standin_live_objects_function)(void);
/// When the blades' move under way ends, in nanoseconds of the steady clock the component
/// and its in-process caller share.
typedef long long (*standin_blades_arrival_function)(void);
/// The next `times` requests for the class object (DllGetClassObject) fail with `status`.
typedef void (*standin_refuse_class_object_function)(int times, long status);
}
