#pragma once

#include "ce/ZoqGdiScope.h"
#include "financial/app/PageButton.h"
#include "financial/app/PageSteps.h"

#include <windows.h>

// The four gradient buttons that choose the calculator, drawn by the window that
// holds them: a strip across the top of a tall screen, a column at the left of a
// short one. Each posts kMsgSelectCalculator with its calculator index to `target`.
class CCalculatorSelector {
public:
    enum class Shape { Strip, Column };

    // The labels' font, and a narrower one for buttons too small for it.
    void SetFonts(HFONT font, HFONT narrowFont);
    // Lays the buttons out in `area` and renders their faces.
    void Layout(HWND target, const RECT& area, Shape shape);
    // Lays them out as the square screen's two-by-two grid.
    void LayoutGrid(HWND target, const RECT& area);
    void SetCurrent(Calculator calculator);
    void Draw(HDC dc) const;
    int OnLButtonDown(POINT point);
    int OnLButtonUp(POINT point);
    int OnMouseMove(POINT point);
    // The button of a calculator, for tests and layout.
    RECT ButtonRect(Calculator calculator) const;

private:
    void CreateButton(int position, const RECT& rect, HWND target);

    void ChooseFont();

    CPageButton m_buttons[kCalculatorCount]; // in selector order
    HFONT m_font = nullptr;
    HFONT m_narrowFont = nullptr;
    HFONT m_labelFont = nullptr; // the one of the two that fits every button
};

// The selector of a square screen: a separate window at the bottom of the screen with
// a toggle button "-". Expanded, it spans the width and holds the four calculator
// buttons in a two-by-two grid; collapsed, it is a small window centred at the bottom
// holding only the toggle. It starts expanded.
class CSquareSelector {
public:
    CSquareSelector() = default;
    ~CSquareSelector();
    CSquareSelector(const CSquareSelector&) = delete;
    CSquareSelector& operator=(const CSquareSelector&) = delete;

    int Create(HINSTANCE instance, HWND frame);
    void Destroy();
    HWND Handle() const { return m_hwnd; }
    // Places the window for a frame client area of width x height.
    void Place(int width, int height);
    void SetExpanded(int expanded);
    // The emulated dpi changed: the fonts are made again (Place lays out anew).
    void Rescale();
    int IsExpanded() const { return m_expanded; }
    void SetCurrent(Calculator calculator);
    RECT ToggleRect() const { return m_toggle.Rect(); }
    RECT ButtonRect(Calculator calculator) const { return m_selector.ButtonRect(calculator); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void Paint();

    HWND m_hwnd = nullptr;
    HWND m_frame = nullptr;
    int m_expanded = 1;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    int m_width = 0;
    int m_height = 0;
    CPageButton m_toggle;
    CCalculatorSelector m_selector;
    CZoqGDI m_surface;
    CZoqGdiHandle<HFONT> m_font;
    CZoqGdiHandle<HFONT> m_narrowFont;
};
