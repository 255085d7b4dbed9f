// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

namespace helio::win32 {

/// Owns one reference to a COM interface and releases it on every way out of the scope.
/// Move-only: a copy would have to AddRef, and nothing here needs a second owner.
template <class Interface>
class com_ptr {
  public:
    com_ptr() = default;
    ~com_ptr() { reset(); }

    com_ptr(com_ptr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    com_ptr& operator=(com_ptr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    com_ptr(const com_ptr&) = delete;
    com_ptr& operator=(const com_ptr&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    /// The out parameter of a call that hands back a new reference (CoCreateInstance,
    /// QueryInterface); whatever was held before is released first.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    void reset() {
        if (pointer_ != nullptr) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }

  private:
    Interface* pointer_ = nullptr;
};

}  // namespace helio::win32
