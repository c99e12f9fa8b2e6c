#pragma once

#include "ce/ZoqGdiScope.h"

#include <windows.h>

// The shell's furniture around a window: the top bar (title and, on request, the "ok"
// button) and the bottom menu bar (buttons and the soft input panel button). Both are
// drawn in the window's non-client area, so the client area is exactly what a
// full-screen program had on the device. One frame per window, made on first use by
// CZoqShell or CZoqMenuBar and freed with the window; callers use those two classes.
class CZoqFrame {
public:
    static constexpr int kMaxButtons = 8;
    static constexpr int kTextCapacity = 32;
    // Parts of the frame that react to the pen; menu-bar buttons are 0..kMaxButtons-1.
    static constexpr int kNoPart = -1;
    static constexpr int kOkButton = 100;
    static constexpr int kSipButton = 101;

    struct Button {
        wchar_t text[kTextCapacity];
        UINT command;
        int popup; // index of the pop-up in the menu, or -1 for a command button
    };

    // The frame of a window, or null when it has none.
    static CZoqFrame* Of(HWND hwnd);
    // The frame of a window, made when it has none; null when that fails.
    static CZoqFrame* For(HWND hwnd);
    // Repaints the frames of the calling thread's windows (the panel button changed).
    static void RepaintAll();

    void SetTopBar(int okButton);
    // A device window's screen area is the emulated screen: resizing it resizes the screen.
    void SetDevice(int device) { m_device = device; }
    int IsDevice() const { return m_device; }
    // Takes ownership of `menu` (may be null).
    int SetMenuBar(HMENU menu, const Button* buttons, int count);
    void RemoveMenuBar();
    int HasMenuBar() const { return m_hasMenuBar; }
    HMENU Menu() const { return m_menu.Get(); }
    int ButtonCount() const { return m_buttonCount; }
    // The rectangle of a part in screen coordinates; 0 when the part is not shown.
    int PartRect(int part, RECT* screenRect) const;
    // The emulated screen area of the window (client area plus both bars), in screen
    // coordinates.
    int ScreenRect(RECT* screenRect) const;
    // Recomputes the non-client area after a change of bars and repaints it.
    void Refresh();
    // Repaints the bars (their contents changed, not their size).
    void Repaint() { Paint(); }
    // The emulated dpi changed: the bars' fonts and heights follow it.
    void Rescale();

private:
    explicit CZoqFrame(HWND hwnd);
    ~CZoqFrame();
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceMessage(UINT message, WPARAM wParam, LPARAM lParam, int* handled);
    int OnNcButtonDown(WPARAM wParam, LPARAM lParam);
    void OnTrackMove(LPARAM lParam);
    void OnTrackUp(LPARAM lParam);
    void Fire(int part);
    void OpenPopup(int part);
    void Detach();

    RECT ClientInWindow() const;
    RECT TopBarRect() const;
    RECT MenuBarRect() const;
    RECT PartRectInWindow(int part) const;
    int PartAt(POINT windowPoint) const;
    POINT WindowPointFromClient(LPARAM lParam) const;
    void MeasureButtons();
    void Paint();
    void PaintTopBar(HDC dc, const RECT& bar);
    void PaintMenuBar(HDC dc, const RECT& bar);

    HWND m_hwnd;
    WNDPROC m_previous;
    int m_device;
    int m_topBar;
    int m_okButton;
    int m_hasMenuBar;
    CZoqMenuHandle m_menu;
    Button m_buttons[kMaxButtons];
    int m_buttonWidths[kMaxButtons];
    int m_buttonCount;
    int m_pressed;  // part drawn pressed
    int m_tracking; // part that owns the pen capture
    CZoqGdiHandle<HFONT> m_titleFont;
    CZoqGdiHandle<HFONT> m_buttonFont;
};
