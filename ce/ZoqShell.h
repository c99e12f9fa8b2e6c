#pragma once

#include <windows.h>

// The shell's part in a full-screen window's life.
class CZoqShell {
public:
    // Flags of InitFullScreen.
    static constexpr int kNoButton = 0;
    static constexpr int kOkButton = 1; // the top bar shows "ok", which sends WM_COMMAND IDOK (1)

    // Makes `hwnd` a full-screen window with the top bar (and the "ok" button when
    // asked). A window without an owner becomes a device window: it gets a desktop frame
    // the user can move and resize, its screen area is sized to the emulated screen, and
    // resizing it resizes the screen (so WM_SIZE reaches the layout code with the new
    // screen already in place). An owned window (a full-screen dialog) covers the screen
    // area of its owner's device window. Returns 1, 0 for a missing or child window.
    static int InitFullScreen(HWND hwnd, int flags);
    // Resizes the device window `hwnd` so that its screen area is width x height (a
    // rotation of the device); the emulated screen follows.
    static int ResizeScreen(HWND hwnd, int width, int height);
    // The "ok" button's rectangle in screen coordinates (tests press it with it).
    static int OkButtonRect(HWND hwnd, RECT* screenRect);

    // What the shell keeps for a window between activation and setting changes.
    struct ActivateInfo {
        DWORD size = sizeof(ActivateInfo);
        HWND lastFocus = nullptr;
        DWORD flags = 0;
    };
    // The shell's handling of WM_ACTIVATE and WM_SETTINGCHANGE: on the desktop there is
    // nothing to restore, so both accept the message and do nothing. Return 1.
    static int HandleActivate(HWND hwnd, WPARAM wParam, LPARAM lParam, ActivateInfo* info);
    static int HandleSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam, ActivateInfo* info);
};
