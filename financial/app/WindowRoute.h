#pragma once

#include <windows.h>

// The window procedure of a window driven by one object: the object comes with
// WM_NCCREATE (lpCreateParams) and is let go at WM_NCDESTROY, and every message in
// between goes to its handler. Messages before the object is attached, or of a
// window it no longer owns, get the default processing. The class passes its
// handle member and handler, so both may stay private.
template <class Window>
LRESULT RouteWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                           HWND Window::*handle, LRESULT (Window::*handler)(UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* window = static_cast<Window*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        window->*handle = hwnd;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || self->*handle != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->*handle = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return (self->*handler)(message, wParam, lParam);
}
