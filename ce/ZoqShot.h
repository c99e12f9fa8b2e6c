#pragma once

#include <windows.h>

// Screenshots for `tools/shots`: a program captures its own windows and writes PNG
// files, headless or not.
//
// Command-line switches read by ReadCommandLine (the programs take no other options):
//   --screen WxH   start with an emulated screen of W x H pixels (e.g. 320x240)
//   --shot FILE    once the main window has painted, save it to FILE and quit; a
//                  dialog open over the main window then is saved instead
//   --size N       the program's Size choice in percent (100, 150, 200, 300), made
//                  once the main window stands, as the user would make it
class CZoqShot {
public:
    static constexpr int kPathCapacity = 520;

    // Saves a window as a PNG file: a window with the shell's bars as the device's
    // screen (top bar, client area, menu bar), any other window whole. 1 on success.
    static int SaveWindow(HWND hwnd, const wchar_t* path);
    // Saves a window as SaveWindow does, with the windows standing over it (an open
    // pop-up menu, a message box) drawn where the screen shows them, in the order given.
    // The picture grows to take in a window reaching past the first one's edges; what
    // lies around them there is the screen's own. 1 on success.
    static int SaveWindowWith(HWND hwnd, const HWND* over, int count, const wchar_t* path);
    // Saves a window with the pop-up menu the calling thread has open over it, as
    // SaveWindowWith does. 0 when no pop-up is open.
    static int SaveWindowWithMenu(HWND hwnd, const wchar_t* path);
    // Saves a rectangle of a device context (a back buffer) as a PNG file. 1 on success.
    static int SaveArea(HDC dc, const RECT& rect, const wchar_t* path);

    // Applies --screen and remembers --shot; call before the main window is created.
    // Returns 1 when a shot was asked for.
    static int ReadCommandLine();
    // When a shot was asked for: once `hwnd` has painted (after `delayMs`), saves it and
    // posts WM_QUIT with exit code 0 (3 when the file could not be written). Returns 1
    // when a shot is scheduled.
    static int StartIfRequested(HWND hwnd, UINT delayMs = 400);
    // The --shot path, or null.
    static const wchar_t* RequestedPath();
    // The --size percent, or 0.
    static int RequestedSize();
};
