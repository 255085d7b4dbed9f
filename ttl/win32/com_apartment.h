// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

namespace helio::win32 {

/// COM on the calling thread as a single-threaded apartment, for as long as this lives.
/// The UI thread makes one before it creates any I/O component instance.
class com_apartment {
  public:
    /// Throws io_error when COM cannot be initialised on this thread.
    com_apartment();
    ~com_apartment();

    com_apartment(const com_apartment&) = delete;
    com_apartment& operator=(const com_apartment&) = delete;
};

}  // namespace helio::win32
