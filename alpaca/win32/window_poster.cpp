// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#include "alpaca/win32/window_poster.h"

#include <memory>
#include <stdexcept>

namespace helio::alpaca {

namespace {

constexpr wchar_t class_name[] = L"HeliographeAlpacaPoster";
constexpr UINT posted_work = WM_APP + 1;

using work_item = std::function<void()>;

}  // namespace

window_poster::window_poster(HINSTANCE instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = class_name;
    RegisterClassExW(&window_class);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, class_name, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the window that takes the Alpaca commands");
    }
}

window_poster::~window_poster() {
    // What is still queued would never run: free it.
    MSG message;
    while (PeekMessageW(&message, window_, posted_work, posted_work, PM_REMOVE)) {
        delete reinterpret_cast<work_item*>(message.lParam);
    }
    DestroyWindow(window_);
}

bool window_poster::post(std::function<void()> work) {
    auto item = std::make_unique<work_item>(std::move(work));
    if (!PostMessageW(window_, posted_work, 0, reinterpret_cast<LPARAM>(item.get()))) {
        return false;
    }
    item.release();  // the message owns it now
    return true;
}

LRESULT CALLBACK window_poster::window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == posted_work) {
        const std::unique_ptr<work_item> work(reinterpret_cast<work_item*>(l));
        (*work)();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace helio::alpaca
