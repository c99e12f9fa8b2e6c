#pragma once

#include "ce/ZoqScreen.h"
#include "testing/ZoqWindowDriver.h"

#include <windows.h>

#include <string>

// The screenshot programs: they build a program's windows in their own process, set up a
// state as a user would, and save what shows as PNG files (through CZoqShot).

// Plays a screen of width x height (at 96 dpi, scaled), creates `window` on it, shows
// it and lets it settle. Returns its handle, or null when it was not created.
template <class Window>
HWND OpenShotWindow(Window& window, HINSTANCE instance, const wchar_t* title,
                    const wchar_t* className, int width, int height) {
    CZoqScreen::SetSize(CZoqScreen::Scaled(width), CZoqScreen::Scaled(height));
    if (!window.Create(title, nullptr, instance, className, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, 0, 0)) {
        return nullptr;
    }
    ShowWindow(window.GetHandle(), SW_SHOW);
    PumpFor(200);
    return window.GetHandle();
}

// Sends each character of `keys` to `hwnd` as WM_CHAR.
void TypeKeys(HWND hwnd, const wchar_t* keys);

// Runs `action`, which opens a modal window (the graph); once that window has painted,
// saves it to `path` and closes it with command 1. A watchdog ends the modal loop if
// nothing opens. Returns 1 when the file was written.
int ShootModal(void (*action)(void*), void* context, const std::wstring& path);

// Saves `hwnd` to `path` after letting it paint. Returns 1 when written.
int ShootWindow(HWND hwnd, const std::wstring& path);

// Saves `hwnd` to `path` as the user sees it with the pop-up menu `popup` open over it:
// the window's picture with the menu's drawn where it stands. Returns 1 when written.
int ShootWithPopup(HWND hwnd, HWND popup, const wchar_t* path);

// Moves `hwnd` to the middle of the screen, where a user would keep it for message
// boxes (centred on the screen) to stand over it, and lets it settle.
void PlaceMidScreen(HWND hwnd);

// The output folder: the first command-line argument, or the current folder; it ends
// with a path separator.
std::wstring OutputFolder();

// A screen a shot program plays: the name its pictures carry, its size at 96 dpi and
// its dpi. A program's rows derive from it to add what they shoot there.
struct SShotScreen {
    const wchar_t* name;
    int width, height, dpi;
};

// A shot program's run over its screens: for each row of `screens` (SShotScreen rows) a
// new Window is opened on that screen, handed to shoot(window, hwnd, screen, folder),
// which returns how many pictures failed, and destroyed. Then one more Window on the
// portrait screen (240 x 320 at 96 dpi) is handed to more(window, hwnd, folder) for
// what needs no screen loop. The pictures go to OutputFolder(). Returns the program's
// exit code: 0 when every picture was written, 2 when a window of the screen loop could
// not be opened (nothing further is shot), 3 when some picture failed.
template <class Window, class Screen, int N, class Shoot, class More>
int RunScreenShots(HINSTANCE instance, const wchar_t* title, const wchar_t* className,
                   const Screen (&screens)[N], Shoot shoot, More more) {
    CZoqScreen::DeclareDpiAware();
    const std::wstring folder = OutputFolder();
    const auto run = [&](const SShotScreen& screen, auto shootThere) {
        CZoqScreen::SetDpi(screen.dpi);
        Window window;
        HWND hwnd = OpenShotWindow(window, instance, title, className, screen.width, screen.height);
        if (!hwnd) {
            return -1;
        }
        const int failures = shootThere(window, hwnd);
        window.Destroy();
        return failures;
    };
    int failures = 0;
    for (const Screen& screen : screens) {
        const int failed = run(
            screen, [&](Window& window, HWND hwnd) { return shoot(window, hwnd, screen, folder); });
        if (failed < 0) {
            return 2;
        }
        failures += failed;
    }
    const int failed = run(SShotScreen{L"portrait", 240, 320, 96},
                           [&](Window& window, HWND hwnd) { return more(window, hwnd, folder); });
    failures += failed < 0 ? 1 : failed;
    return failures ? 3 : 0;
}
