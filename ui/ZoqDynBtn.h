#pragma once

#include "ui/ZoqGDI.h"

#include <windows.h>

class CZoqString;

// A light-weight owner-drawn button that is not a window: it owns a rectangle of its
// target window's client area, renders its released and pressed faces once into a
// surface, draws itself on request and follows the pen through the target's mouse
// handlers, posting `message` (wParam = parameter, lParam = 0) when it fires.
//
// The colours, flags and rectangle are plain fields: colours are set before Create
// (they are rendered into the faces), flags at any time.
class CZoqDynBtn {
public:
    // Face styles.
    static constexpr int kBevelled = 0;
    static constexpr int kFlat = 1; // also every value not listed
    static constexpr int kGradient = 2;
    static constexpr int kRounded = 3;
    static constexpr int kPill = 4;
    static constexpr int kNested = 5;
    static constexpr int kGlass = 6;
    static constexpr int kGlassFlat = 7;
    static constexpr int kHighlight = 8;
    static constexpr int kGlassInset = 9;
    static constexpr int kStyleCount = 10;

    // Disabled buttons are tinted towards this grey by this amount of 255.
    static constexpr COLORREF kDisabledTint = RGB(200, 200, 200);
    static constexpr int kDisabledAmount = 160;

    CZoqDynBtn();
    virtual ~CZoqDynBtn();
    CZoqDynBtn(const CZoqDynBtn&) = delete;
    CZoqDynBtn& operator=(const CZoqDynBtn&) = delete;

    // Pen handlers, called by the target with client coordinates; 1 when consumed.
    virtual int OnLButtonDown(POINT point);
    virtual int OnLButtonUp(POINT point);
    virtual int OnMouseMove(POINT point);

    // Places the button and copies its label; clears the pressed state. Without a face
    // source the faces are rendered at once; with one (a button of the same size) its
    // faces are used. 0 for an empty or missing label, or faces that cannot be made.
    int Create(int left, int top, int right, int bottom, const wchar_t* label, HWND target,
               UINT message, WPARAM parameter, int style, CZoqDynBtn* faceSource);
    // Replaces the label; 0 (label unchanged) for an empty or missing text.
    int SetText(const wchar_t* label);
    // Sets the four face colours in one call (see the fields).
    void SetColours(COLORREF face, COLORREF pressed, COLORREF outline, COLORREF extra);
    // Draws the face and the label in `font`; a second text in `secondFont` stands
    // raised after the label like an exponent. 0 for a missing context.
    int Draw(HFONT font, HDC dc, const wchar_t* secondText = nullptr, HFONT secondFont = nullptr);

    const wchar_t* Label() const { return m_label; }
    int IsPressed() const { return m_pressed; }
    // The faces (left half released, right half pressed) this button draws with.
    const CZoqGDI& Faces() const { return m_faceSource ? m_faceSource->m_faces : m_faces; }

    int toggle;   // 1: each tap flips the pressed state and posts at once
    int disabled; // 1: ignores the pen and is drawn greyed
    COLORREF textColour;
    COLORREF shadowColour;  // colour of the offset copy of the label
    int shadow;             // 1: draw the offset copy
    RECT rect;              // in the target's client area
    COLORREF faceColour;    // released face; top of the gradients
    COLORREF pressedColour; // pressed face; bottom of the gradients
    COLORREF outlineColour;
    COLORREF extraColour; // highlight or shadow of some styles; kTransparent: none

private:
    // Which of the two faces RenderFace draws.
    static constexpr int kReleasedFace = 0;
    static constexpr int kPressedFace = 1;

    int RenderFaces();
    void RenderFace(const RECT& face, COLORREF main, COLORREF second, int pressedFace);
    void DrawLabel(HDC dc, const RECT& box, HFONT font, const wchar_t* secondText,
                   HFONT secondFont) const;
    int DrawDisabled(HDC dc, HFONT font, const wchar_t* secondText, HFONT secondFont);
    void Invalidate() const;
    void Post() const;
    int Contains(POINT point) const;
    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }

    CZoqString* m_string;
    wchar_t* m_label;
    CZoqDynBtn* m_faceSource;
    CZoqGDI m_faces;
    CZoqGDI* m_disabledFace;
    int m_style;
    int m_pressed;
    UINT m_message;
    HWND m_target;
    WPARAM m_parameter;
};
