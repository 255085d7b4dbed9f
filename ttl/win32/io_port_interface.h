// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace helio::win32 {

/// Class of the instrument's I/O component, {E715B92B-25F9-11D1-9330-444553540000}.
inline constexpr CLSID io_port_class_id = {
    0xE715B92B, 0x25F9, 0x11D1, {0x93, 0x30, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

/// Its interface, {E715B92A-25F9-11D1-9330-444553540000}.
inline constexpr IID io_port_interface_id = {
    0xE715B92A, 0x25F9, 0x11D1, {0x93, 0x30, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

/// The component's dual interface as its virtual table lays it out: the three IUnknown and
/// four IDispatch slots, then ReadPort (slot 7) and WritePort (slot 8). The component ships
/// no header or type library we could use, so the two slots are declared here.
struct io_port_dispatch : public IDispatch {
    /// Reads `port` into `value`; `aux` is the caller's integer, 0 on the way in.
    virtual HRESULT STDMETHODCALLTYPE ReadPort(LONG port, LONG* aux, VARIANT* value) = 0;

    /// Writes the integer `value` refers to (VT_BYREF | VT_I4) to `port`.
    virtual HRESULT STDMETHODCALLTYPE WritePort(LONG port, VARIANT* value, LONG* status) = 0;
};

}  // namespace helio::win32
