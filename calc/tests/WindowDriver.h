#pragma once

#include "calc/CalcLayout.h"

#include <string>
#include <vector>
#include <windows.h>

// Drives the calculator windows in tests the way a user does: pen taps on keypad
// buttons and on the display, characters, commands, and answers to the modal
// windows they open.

// Lets queued messages (invalidations, posted button messages) through.
inline void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Keypad button index of each digit, the same in both calculators.
constexpr int kDigitButton[10] = {15, 11, 12, 13, 7, 8, 9, 3, 4, 5};

// Creates `window` as a top-level window of the default size, shows it and lets its
// first messages through. Returns its handle, or null when it was not created.
template <class Window>
HWND OpenTestWindow(Window& window, const wchar_t* title, const wchar_t* className) {
    if (!window.Create(title, nullptr, GetModuleHandleW(nullptr), className, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0)) {
        return nullptr;
    }
    ShowWindow(window.GetHandle(), SW_SHOW);
    Pump();
    return window.GetHandle();
}

// Pen down and up at client point (x, y).
inline void TapAt(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Pen down and up at the centre of `rect` (client coordinates).
inline void Tap(HWND hwnd, const SCalcRect& rect) {
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

// Watches for the next top-level window that opens on this thread while `action`
// runs (a message box or a modal dialog), records its title and the text of its
// controls, and closes it with command `answer`: IDOK ends a message box and a
// dialog (command 1 is the "ok" button); IDYES, IDNO or IDCANCEL answer a message
// box that asks. With `fileName`, the window is a common file dialog whose file name
// field gets that text before OK is pressed. A watchdog ends the modal loop even if
// the window is never seen, so no test can hang.
struct ModalCapture {
    bool seen = false;
    std::wstring title;
    std::wstring text;
    // The text of the question the window itself asked after OK (see CaptureFileDialog).
    std::wstring question;
};

ModalCapture CaptureModal(void (*action)(void*), void* context, const wchar_t* fileName = nullptr,
                          int answer = IDOK);
// CaptureModal around sending `command` to `hwnd`.
ModalCapture CaptureCommand(HWND hwnd, UINT command, const wchar_t* fileName = nullptr);
// CaptureModal around sending `message` to `hwnd`, the window answered with `answer`.
ModalCapture AnswerMessage(HWND hwnd, UINT message, WPARAM wParam, int answer);
// AnswerMessage for windows that open one after another while `message` is handled
// (a question, then a message box): each is recorded and closed with its answer
// in turn. Returns one capture per answer; one not seen has `seen` false.
std::vector<ModalCapture> AnswerMessages(HWND hwnd, UINT message, WPARAM wParam,
                                         const std::vector<int>& answers);
// CaptureCommand through a common file dialog given `fileName`, where the dialog
// may ask a question of its own after OK (replace the existing file?): it is
// answered with `questionAnswer`, and when that is not IDYES the dialog, left open
// for another name, is cancelled.
ModalCapture CaptureFileDialog(HWND hwnd, UINT command, const wchar_t* fileName,
                               int questionAnswer);
// CaptureModal around a tap on `rect` of `hwnd`.
ModalCapture CaptureTap(HWND hwnd, const SCalcRect& rect);
