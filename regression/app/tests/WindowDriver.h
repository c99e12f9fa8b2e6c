#pragma once

#include "regression/CalcLayout.h"

#include <string>
#include <windows.h>

// Drives the calculator windows in tests the way a user does: pen taps on keypad
// buttons and on the display, characters, commands, and answers to the modal
// windows they open.

// Pen down and up at the centre of `rect` (client coordinates).
inline void TapAt(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

inline void Tap(HWND hwnd, const CalcRect& rect) {
    TapAt(hwnd, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

inline void Type(HWND hwnd, const wchar_t* keys) {
    for (; *keys; ++keys) {
        SendMessageW(hwnd, WM_CHAR, *keys, 0);
    }
}

inline void Command(HWND hwnd, UINT command) {
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// Lets queued messages (invalidations, posted button messages) through.
inline void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Watches for the next top-level window that opens on this thread while `action`
// runs (a message box or a modal dialog), records its title and the text of its
// controls, and closes it: a message box with IDOK, a dialog with command 1 (the
// "ok" button). With `fileName`, the window is a common file dialog whose file name
// field gets that text before OK is pressed. A watchdog ends the modal loop even if
// the window is never seen, so no test can hang.
struct ModalCapture {
    bool seen = false;
    std::wstring title;
    std::wstring text;
};

ModalCapture CaptureModal(void (*action)(void*), void* context, const wchar_t* fileName = nullptr);
