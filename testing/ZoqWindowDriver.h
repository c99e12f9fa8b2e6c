#pragma once

#include <windows.h>

#include <string>

// Drives real windows in tests and screenshot programs the way a user does (pen taps,
// characters, commands) and reads back what they show.

// Lets the queued messages through (invalidations, posted button messages, painting).
void Pump();
// Pump for `milliseconds`, sleeping between rounds, so that timers fire too.
void PumpFor(DWORD milliseconds);

// Pen down and up at client point (x, y).
void TapAt(HWND hwnd, int x, int y);
// Pen down and up at the centre of `rect` (client coordinates): any rectangle with
// left, top, right and bottom.
template <class Rect> void TapCentre(HWND hwnd, const Rect& rect) {
    TapAt(hwnd, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}
// Pen down and up on the frame at `screenPoint`, as the system reports a tap on the
// menu bar or a shell button: a non-client press, then the release with the capture.
void TapFrame(HWND hwnd, POINT screenPoint);

// Sends each character of `keys` as WM_CHAR.
void Type(HWND hwnd, const wchar_t* keys);
// Sends WM_COMMAND `command`, as a menu item does.
void Command(HWND hwnd, UINT command);
// Presses button `id` of a dialog or message box (IDOK, IDCANCEL, IDYES...): the
// command its click sends.
void Press(HWND dialog, int id);

// The title of a window.
std::wstring Caption(HWND window);
// The text of a message box: its static control 0xFFFF.
std::wstring MessageText(HWND box);
// The texts of every child control of `window` that has one, run together.
std::wstring ControlTexts(HWND window);

// The pop-up menu this thread shows, or null: other processes may show menus too.
HWND FindPopupMenu();
// The items of a menu, "|" between them, "*" after a checked one, "" for a separator.
std::wstring MenuItems(HMENU menu);
// The items of the pop-up menu window `popup` (see MenuItems).
std::wstring PopupItems(HWND popup);

// Creates `window` (a CZoqWnd) as a top-level window of the default size, shows it and
// lets its first messages through. Returns its handle, or null when it was not created.
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
