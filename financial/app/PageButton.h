#pragma once

#include "ui/ZoqDynBtn.h"

#include <windows.h>

// How the financial calculator uses the owner-drawn button: a rounded gradient face in
// a calculator's two colours with a white, shadowed label, rendered once per size,
// following the pen as its page forwards it and posting `message` (wParam `param`) to
// the target when the pen is lifted over it.
class CPageButton {
public:
    void Create(const RECT& rect, const wchar_t* label, HWND target, UINT message, COLORREF top,
                COLORREF bottom, WPARAM param = 0);
    void SetDisabled(int disabled);
    // A latched button is framed (the selector's current calculator).
    void SetLatched(int latched);
    // Draws the face and the label in `font`, or in `narrowFont` (when given) where
    // the label would not fit the face.
    void Draw(HDC dc, HFONT font, HFONT narrowFont = nullptr) const;
    RECT Rect() const { return m_button.rect; }
    const wchar_t* Label() const { return m_button.Label() ? m_button.Label() : L""; }

    // 1 when the button took the event.
    int OnLButtonDown(POINT point) { return m_button.OnLButtonDown(point); }
    int OnLButtonUp(POINT point) { return m_button.OnLButtonUp(point); }
    int OnMouseMove(POINT point) { return m_button.OnMouseMove(point); }

    // The font a row of buttons shares: `font` when every label fits its face in it,
    // else `narrowFont`.
    static HFONT FittingFont(const CPageButton* buttons, int count, HFONT font, HFONT narrowFont);

private:
    void InvalidateTarget() const;

    // Drawing a disabled button builds its greyed face on first use.
    mutable CZoqDynBtn m_button;
    HWND m_target = nullptr;
    int m_latched = 0;
};
