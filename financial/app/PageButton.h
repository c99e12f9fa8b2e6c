#pragma once

#include "ui/ZoqGDI.h"

#include <windows.h>

// How the financial calculator uses an owner-drawn button: a rounded gradient face in
// a calculator's two colours with white text, rendered once per size, following the
// pen as its page forwards it and posting `message` (wParam `param`) to the target
// when the pen is lifted over it.
class CPageButton {
public:
    static constexpr int kLabelChars = 16;

    void Create(const RECT& rect, const wchar_t* label, HWND target, UINT message, COLORREF top,
                COLORREF bottom, WPARAM param = 0);
    void SetDisabled(int disabled);
    // A latched button shows its pressed face (the selector's current calculator).
    void SetLatched(int latched);
    int IsLatched() const { return m_latched; }
    int IsDisabled() const { return m_disabled; }
    int IsPressed() const { return m_pressed; }
    // Draws the face and the label in `font`, or in `narrowFont` (when given) where
    // the label would not fit the face.
    void Draw(HDC dc, HFONT font, HFONT narrowFont = nullptr) const;
    RECT Rect() const { return m_rect; }
    const wchar_t* Label() const { return m_label; }

    // 1 when the button took the event.
    int OnLButtonDown(POINT point);
    int OnLButtonUp(POINT point);
    int OnMouseMove(POINT point);

    // The font a row of buttons shares: `font` when every label fits its face in it,
    // else `narrowFont`.
    static HFONT FittingFont(const CPageButton* buttons, int count, HFONT font, HFONT narrowFont);

private:
    void Render();
    void InvalidateTarget() const;
    int Contains(POINT point) const;

    CZoqGDI m_faces; // released face left, pressed face right
    RECT m_rect = {};
    wchar_t m_label[kLabelChars] = {};
    HWND m_target = nullptr;
    UINT m_message = 0;
    WPARAM m_param = 0;
    COLORREF m_top = 0;
    COLORREF m_bottom = 0;
    int m_pressed = 0;
    int m_disabled = 0;
    int m_latched = 0;
};
