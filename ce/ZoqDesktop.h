#pragma once

#include "ce/ZoqDesktopIds.h"

#include <windows.h>

class CZoqSettingsStore;

// The desktop habits of a program's main window: how large the device it plays is
// drawn (the Size choice: 100, 150, 200 or 300 % of a 96-dpi screen, laid out as on a
// device of that dpi, changed with Ctrl+Plus, Ctrl+Minus and Ctrl+0 or the menus'
// ZOQ_ID_SIZE_* commands), "Keep on top" (ZOQ_ID_KEEP_ON_TOP) and where the window
// stands. All of it is kept in the program's settings key and restored at the next
// start; a position that no longer lies on a monitor is moved onto the nearest one.
// One main window per program: the latest Attach wins.
class CZoqDesktop {
public:
    // Before the main window exists: reads what `store` keeps under `key` (null store:
    // nothing is read or written) and sets the emulated screen's dpi for the stored
    // size. With none stored, `firstSize` when it is a size choice, otherwise the
    // largest size whose window fits in about 60 % of the desktop's work-area height.
    static void Begin(CZoqSettingsStore* store, const wchar_t* key, int firstSize = 0);
    // Begin as a program's start-up calls it, after CZoqShot::ReadCommandLine: a
    // screenshot run starts at 100 % and neither reads nor writes the user's settings.
    static void BeginProgram(CZoqSettingsStore* store, const wchar_t* key);
    // Attach, then the size a screenshot run asks for (--size).
    static int AttachProgram(HWND hwnd);
    // Once the main window is a device window (CZoqShell::InitFullScreen): puts it where
    // it stood, on top when asked. Its frame reports moves, commands, pop-ups opening
    // and its end to this class from then on. 1 when attached.
    static int Attach(HWND hwnd);
    // The attached window, or null.
    static HWND Window();
    // Forgets the window after saving; Attach starts again.
    static void Detach();

    // Message loops call this before translating a message: Ctrl+Plus, Ctrl+Minus and
    // Ctrl+0 pressed in the attached window (or a child of it) change the size. 1 when
    // the message was such a key and must not be dispatched.
    static int TranslateKey(const MSG& message);

    static int Size();
    // Lays the attached window out again as a device of 96 x `percent` / 100 dpi: the
    // screen keeps its shape, the window its top-left corner (moved back onto the work
    // area if it grew past it); the window gets ScaleMessage() once the new screen is in
    // place. 0 for a size that is no choice or when no window is attached.
    static int SetSize(int percent);
    static int KeepOnTop();
    static int SetKeepOnTop(int onTop);
    // Writes size, "Keep on top" and position to the settings key now.
    static int Save();

    // Sent to the main window after its size changed (wParam: the new percent). Fonts
    // and images made for the old dpi are stale: the window drops them and lays itself
    // out again at its current client size.
    static UINT ScaleMessage();

    // Called by the device window's frame.
    static void OnMoved(HWND hwnd);
    static int OnCommand(HWND hwnd, UINT id);
    static void OnInitMenu(HWND hwnd, HMENU menu);
    static void OnEnd(HWND hwnd);
};
