#pragma once

#include "ce/ZoqGdiScope.h"
#include "calc/CalcLayout.h"

#include <memory>
#include <windows.h>

class CZoqGDI;
class CZoqDynBtn;
class CZoqDynDisplay;

// The face the regression and quadratic calculator windows share: the back buffer,
// the display panel, the two fonts and the keypad of 19 owner-drawn buttons, laid
// out by ComputeCalcLayout. The window draws its own texts between BeginFrame and
// EndFrame and forwards the pen here.
class CCalcFace {
public:
    // The four colours of a button face: main, second (pressed), outline, extra.
    struct KeyColours {
        COLORREF face, pressed, outline, extra;
    };
    static constexpr COLORREF kBackground = RGB(128, 138, 162);
    static constexpr COLORREF kText = RGB(43, 45, 46);

    CCalcFace();
    ~CCalcFace();
    CCalcFace(const CCalcFace&) = delete;
    CCalcFace& operator=(const CCalcFace&) = delete;

    // Loads the 19 labels (string firstLabelId + i of `instance`).
    int LoadLabels(HINSTANCE instance, UINT firstLabelId);
    // Rebuilds everything for a client area of width x height: layout, fonts, panel,
    // buttons and back buffer. Row 0 of the keypad gets `topRow`, the others `keys`.
    int Layout(HWND hwnd, int width, int height, int displayDivisor, const KeyColours& keys);
    bool IsLaidOut() const { return m_laidOut; }
    const SCalcLayout& GetLayout() const { return m_layout; }

    // The back buffer's device context, filled with the background and the panel; null
    // before the first layout.
    HDC BeginFrame();
    // Draws the buttons and copies the frame to `target`.
    void EndFrame(HDC target);
    // Text in the display font at (x, y), left-aligned or (centred) centred on x.
    void Text(int x, int y, const wchar_t* text, bool centred = false);
    void Arrow(int cx, int cy, int size, bool up);

    // Pen forwarding. ButtonDown returns the index of the button that took the pen or
    // -1; ButtonUp the index of the button that fires, or -1.
    int ButtonDown(POINT point);
    int ButtonUp(POINT point);
    void MouseMove(POINT point);

    void Release();
    // A pixel of the last frame composed in the back buffer (tests read the drawing).
    COLORREF PixelAt(int x, int y) const;

private:
    HWND m_hwnd = nullptr;
    SCalcLayout m_layout;
    bool m_laidOut = false;
    int m_width = 0;
    int m_height = 0;
    CZoqGdiHandle<HFONT> m_labelFont;
    CZoqGdiHandle<HFONT> m_displayFont;
    std::unique_ptr<CZoqGDI> m_backBuffer;
    std::unique_ptr<CZoqDynDisplay> m_panel;
    std::unique_ptr<CZoqDynBtn> m_buttons[SCalcLayout::kButtonCount];
    wchar_t m_labels[SCalcLayout::kButtonCount][16] = {};
};
