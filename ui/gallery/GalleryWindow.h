#pragma once

#include "ce/ZoqGdiScope.h"
#include "ui/ZoqDynBtn.h"
#include "ui/ZoqDynDisplay.h"
#include "ui/ZoqGDI.h"
#include "ui/ZoqWnd.h"

// One window showing every button face style released and pressed, the three panel
// styles, and a disabled, a toggle and a two-text button: the visual check of the
// drawing library.
class CGalleryWindow : public CZoqWnd {
public:
    static constexpr int kStyles = CZoqDynBtn::kStyleCount;

    CGalleryWindow();
    ~CGalleryWindow() override;

    LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client) override;
    LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnEraseBkgnd(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(HWND hwnd, POINT point) override;
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnMouseMove(HWND hwnd, POINT point) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout(int width, int height);
    void DrawFrame(HDC dc, const RECT& client);
    int ButtonCount() const { return 2 * kStyles + kExtras; }
    CZoqDynBtn& Button(int index);

    static constexpr int kExtras = 3; // disabled, toggle, two texts
    CZoqDynBtn m_released[kStyles];
    CZoqDynBtn m_pressed[kStyles];
    CZoqDynBtn m_extras[kExtras];
    CZoqDynDisplay m_panels[3];
    CZoqGDI m_backBuffer;
    CZoqGdiHandle<HFONT> m_labelFont;
    CZoqGdiHandle<HFONT> m_smallFont;
    CZoqGdiHandle<HFONT> m_captionFont;
    int m_rowTop[kStyles];
    int m_panelTop;
};
