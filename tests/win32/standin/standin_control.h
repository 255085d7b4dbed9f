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
}

/// The word for a kind of call, in the journal file and in the tests' record alike.
inline const char* standin_kind_name(int kind) {
    constexpr const char* names[] = {"?",     "new",     "creation-failed", "read",
                                     "write", "release", "class-object",    "class-object-refused"};
    return kind >= standin_created && kind <= standin_class_object_refused ? names[kind] : "?";
}
