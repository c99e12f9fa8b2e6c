#pragma once

#include <windows.h>

class CSkin;

// Message a key window sends its main window: kKeyMessageBase + key index, with wParam
// WM_LBUTTONDOWN when the pen goes down on the key and WM_LBUTTONUP when it lifts.
constexpr UINT kKeyMessageBase = WM_USER + 5;
// Sent to a key window: release the key without a key message.
constexpr UINT kKeyRelease = WM_USER + 1;

// An invisible-until-pressed window over one key rectangle: it draws its piece of the
// skin (the pressed face while pressed) and turns pen taps into key messages.
class CKeyWindow {
public:
    CKeyWindow() = default;
    ~CKeyWindow() { Destroy(); }
    CKeyWindow(const CKeyWindow&) = delete;
    CKeyWindow& operator=(const CKeyWindow&) = delete;

    static int RegisterKeyClass(HINSTANCE instance);

    // Creates the window over `rect` (client coordinates of `parent`), which is also the
    // key's place in the skin images. 1 on success.
    int Create(HWND parent, HINSTANCE instance, int key, const RECT& rect, const CSkin* skin);
    void Destroy();

    HWND Handle() const { return m_hwnd; }
    int IsPressed() const { return m_pressed; }
    const RECT& Rect() const { return m_rect; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnLButtonDown();
    void OnMouseMove(LPARAM lParam);
    void OnLButtonUp();
    void OnPaint();
    void SetPressed(int pressed);

    HWND m_hwnd = nullptr;
    HWND m_parent = nullptr;
    int m_key = 0;
    RECT m_rect = {};
    const CSkin* m_skin = nullptr;
    int m_pressed = 0;
};
