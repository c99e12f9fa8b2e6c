#pragma once

#include <windows.h>

// One button of a menu bar: it either sends WM_COMMAND `command` to the window when it
// is tapped, or (popup >= 0) opens the pop-up at that position of the menu bar's menu,
// standing on the menu bar at the button's left edge; the pop-up's item then sends its
// command.
struct SZoqMenuBarButton {
    UINT command;
    int popup;           // -1 for a command button
    UINT textId;         // string resource of the label; 0 to use `text`
    const wchar_t* text; // the label when textId is 0
};

// A menu bar: its buttons, left to right, and the menu resource holding the pop-ups
// (0 when no button opens one).
struct SZoqMenuBarInfo {
    UINT menuId;
    const SZoqMenuBarButton* buttons;
    int count;
};

// The bottom menu bar of a window. It lies outside the window's client area, which
// shrinks by the menu bar's height (CZoqScreen::MenuBarHeight()).
class CZoqMenuBar {
public:
    static constexpr int kMaxButtons = 8;

    // Gives `hwnd` the described menu bar, labels and menu loaded from `instance`.
    // Returns 1; 0 for a missing window, more than kMaxButtons buttons, or a menu or
    // label resource that does not exist. A later call replaces the menu bar.
    static int Create(HWND hwnd, HINSTANCE instance, const SZoqMenuBarInfo& info);
    // Removes the menu bar (the client area grows back). 1 when there was one.
    static int Destroy(HWND hwnd);
    // The menu holding the pop-ups (owned by the menu bar), or null.
    static HMENU Menu(HWND hwnd);
    // Pops up `popup` at client point (x, y) of `hwnd` with TrackPopupMenu `flags`;
    // the chosen item sends its command to `hwnd`. For windows that place pop-ups
    // themselves in answer to a button's command.
    static int TrackPopup(HWND hwnd, HMENU popup, int x, int y, UINT flags);
    // A button's rectangle in screen coordinates (tests press buttons with it).
    static int ButtonRect(HWND hwnd, int index, RECT* screenRect);
    // The soft input panel button's rectangle in screen coordinates.
    static int SipButtonRect(HWND hwnd, RECT* screenRect);
};
