#include "ui/gallery/GalleryWindow.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "ui/gallery/GalleryResources.h"

#include <cstdio>

namespace {

struct StyleLook {
    const wchar_t* name;
    COLORREF face, pressed, outline, extra, text;
};

// Colour sets borrowed from the calculators' keypads, one per style.
const StyleLook kLooks[CZoqDynBtn::kStyleCount] = {
    {L"0 bevelled", RGB(200, 208, 220), RGB(90, 100, 120), RGB(40, 40, 40), 0xFF00FF, RGB(0, 0, 0)},
    {L"1 flat", RGB(132, 130, 124), RGB(49, 50, 44), RGB(60, 58, 63), 0xFF00FF, RGB(255, 255, 255)},
    {L"2 gradient", RGB(228, 146, 27), RGB(164, 47, 4), RGB(40, 22, 10), 0xFF00FF,
     RGB(255, 255, 255)},
    {L"3 rounded", RGB(100, 218, 87), RGB(36, 130, 13), RGB(12, 34, 9), 0xFF00FF,
     RGB(255, 255, 255)},
    {L"4 pill", RGB(0, 128, 224), RGB(0, 0, 80), RGB(0, 0, 40), RGB(60, 58, 63),
     RGB(255, 255, 255)},
    {L"5 nested", RGB(60, 60, 70), RGB(120, 130, 150), RGB(170, 180, 200), RGB(230, 235, 240),
     RGB(0, 0, 0)},
    {L"6 glass", RGB(255, 0, 0), RGB(80, 0, 0), RGB(40, 0, 0), 0xFF00FF, RGB(255, 255, 255)},
    {L"7 glass, flat", RGB(0, 210, 0), RGB(0, 80, 0), RGB(0, 40, 0), 0xFF00FF, RGB(255, 255, 255)},
    {L"8 highlight", RGB(255, 255, 0), RGB(128, 80, 0), RGB(64, 40, 0), 0xFF00FF, RGB(0, 0, 0)},
    {L"9 glass, inset", RGB(0, 128, 224), RGB(0, 0, 80), RGB(0, 0, 40), 0xFF00FF,
     RGB(255, 255, 255)},
};

const COLORREF kBackground = RGB(128, 138, 162);
const COLORREF kCaption = RGB(255, 255, 255);
const UINT kButtonMessage = WM_USER + 10;

const SZoqMenuBarButton kMenuButtons[] = {
    {0, 0, 0, L"File"},
    {kGalleryCommandToggle, -1, 0, L"Toggle"},
};

} // namespace

CGalleryWindow::CGalleryWindow()
    : m_labelFont(), m_smallFont(), m_captionFont(), m_rowTop(), m_panelTop(0) {}

CGalleryWindow::~CGalleryWindow() = default;

CZoqDynBtn& CGalleryWindow::Button(int index) {
    if (index < kStyles)
        return m_released[index];
    if (index < 2 * kStyles)
        return m_pressed[index - kStyles];
    return m_extras[index - 2 * kStyles];
}

LRESULT CGalleryWindow::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    CZoqShell::InitFullScreen(hwnd, CZoqShell::kOkButton);
    SZoqMenuBarInfo menuBar = {kGalleryMenu, kMenuButtons, 2};
    CZoqMenuBar::Create(hwnd, m_instance, menuBar);
    m_labelFont.Reset(CZoqGDI::MakeFont(CZoqScreen::Scaled(15), FW_BOLD, 1, L"Tahoma", 0));
    m_smallFont.Reset(CZoqGDI::MakeFont(CZoqScreen::Scaled(10), FW_BOLD, 1, L"Tahoma", 0));
    m_captionFont.Reset(CZoqGDI::MakeFont(CZoqScreen::Scaled(13), FW_NORMAL, 1, L"Tahoma", 0));
    RECT client;
    GetClientRect(hwnd, &client);
    Layout(client.right, client.bottom);
    return 0;
}

void CGalleryWindow::Layout(int width, int height) {
    const int margin = CZoqScreen::Scaled(8);
    const int nameWidth = width / 4;
    const int rowHeight = (height * 70 / 100) / kStyles;
    const int buttonHeight = rowHeight - CZoqScreen::Scaled(6);
    const int buttonWidth = (width - nameWidth - 3 * margin) / 2;
    const int left = margin + nameWidth;
    HWND hwnd = GetHandle();
    for (int style = 0; style < kStyles; ++style) {
        const StyleLook& look = kLooks[style];
        int top = margin + style * rowHeight;
        m_rowTop[style] = top;
        CZoqDynBtn* pair[2] = {&m_released[style], &m_pressed[style]};
        for (int column = 0; column < 2; ++column) {
            CZoqDynBtn& button = *pair[column];
            button.SetColours(look.face, look.pressed, look.outline, look.extra);
            button.textColour = look.text;
            int x = left + column * (buttonWidth + margin);
            button.Create(x, top, x + buttonWidth, top + buttonHeight,
                          column ? L"pressed" : L"released", hwnd, kButtonMessage,
                          style * 2 + column, style, column ? &m_released[style] : nullptr);
        }
        POINT inside = {left + buttonWidth + margin + 2, top + 2};
        m_pressed[style].OnLButtonDown(inside);
    }
    m_panelTop = margin + kStyles * rowHeight + margin;
    const int panelWidth = (width - 4 * margin) / 3;
    const int panelHeight = (height - m_panelTop) / 2 - margin;
    for (int style = 0; style < 3; ++style) {
        RECT panel = {margin + style * (panelWidth + margin), m_panelTop,
                      margin + style * (panelWidth + margin) + panelWidth,
                      m_panelTop + panelHeight};
        m_panels[style].Create(panel, RGB(136, 138, 140), RGB(231, 235, 239), RGB(172, 186, 169),
                               RGB(52, 58, 56), style, nullptr);
    }
    const int extrasTop = m_panelTop + panelHeight + margin + CZoqScreen::Scaled(14);
    const int extrasHeight = height - extrasTop - margin;
    const wchar_t* labels[kExtras] = {L"disabled", L"toggle", L"10"};
    for (int i = 0; i < kExtras; ++i) {
        CZoqDynBtn& button = m_extras[i];
        const StyleLook& look = kLooks[i == 0 ? 2 : i == 1 ? 3 : 4];
        button.SetColours(look.face, look.pressed, look.outline, look.extra);
        button.textColour = look.text;
        button.disabled = i == 0;
        button.toggle = i == 1;
        button.shadow = i == 2;
        button.shadowColour = RGB(0, 0, 0);
        int x = margin + i * (panelWidth + margin);
        button.Create(x, extrasTop, x + panelWidth, extrasTop + extrasHeight, labels[i], hwnd,
                      kButtonMessage, 100 + i,
                      i == 0   ? 2
                      : i == 1 ? 3
                               : 4,
                      nullptr);
    }
    RECT all = {0, 0, width, height};
    CZoqClientDC windowDC(hwnd);
    m_backBuffer.Create(windowDC.Get(), all, 0);
}

LRESULT CGalleryWindow::OnSize(HWND hwnd, WPARAM, LPARAM) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (client.right > 0 && client.bottom > 0 && m_labelFont.Get())
        Layout(client.right, client.bottom);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT CGalleryWindow::OnEraseBkgnd(HWND, WPARAM, LPARAM) {
    return 1;
}

LRESULT CGalleryWindow::OnDraw(HWND, HDC dc, RECT* client) {
    if (m_backBuffer.IsEmpty())
        return 0;
    DrawFrame(m_backBuffer.DC(), *client);
    BitBlt(dc, 0, 0, client->right, client->bottom, m_backBuffer.DC(), 0, 0, SRCCOPY);
    return 0;
}

void CGalleryWindow::DrawFrame(HDC dc, const RECT& client) {
    CZoqGDI::FillSolid(dc, client, kBackground);
    const int margin = CZoqScreen::Scaled(8);
    for (int style = 0; style < kStyles; ++style) {
        int middle = (m_released[style].rect.top + m_released[style].rect.bottom) / 2;
        CZoqGDI::DrawTextAt(dc, kLooks[style].name, margin, middle - CZoqScreen::Scaled(8),
                            CZoqGDI::kAlignLeft, m_captionFont.Get(), kCaption, TRANSPARENT);
        m_released[style].Draw(m_labelFont.Get(), dc);
        m_pressed[style].Draw(m_labelFont.Get(), dc);
    }
    const wchar_t* names[3] = {L"0 bevelled", L"1 double outline", L"2 with gradient"};
    for (int style = 0; style < 3; ++style) {
        m_panels[style].Draw(dc);
        const RECT& panel = m_panels[style].Rect();
        CZoqGDI::DrawTextAt(dc, names[style], (panel.left + panel.right) / 2,
                            (panel.top + panel.bottom) / 2 - CZoqScreen::Scaled(8),
                            CZoqGDI::kAlignCentre, m_captionFont.Get(), RGB(43, 45, 46),
                            TRANSPARENT);
    }
    const wchar_t* extras[kExtras] = {L"disabled", L"toggle (tap me)", L"second text, shadow"};
    for (int i = 0; i < kExtras; ++i) {
        const RECT& box = m_extras[i].rect;
        CZoqGDI::DrawTextAt(dc, extras[i], box.left, box.top - CZoqScreen::Scaled(15),
                            CZoqGDI::kAlignLeft, m_captionFont.Get(), kCaption, TRANSPARENT);
        m_extras[i].Draw(m_labelFont.Get(), dc, i == 2 ? L"x" : nullptr, m_smallFont.Get());
    }
}

LRESULT CGalleryWindow::OnLButtonDown(HWND, POINT point) {
    for (int i = 0; i < ButtonCount(); ++i)
        if (Button(i).OnLButtonDown(point))
            break;
    return 0;
}

LRESULT CGalleryWindow::OnLButtonUp(HWND, POINT point) {
    for (int i = 0; i < ButtonCount(); ++i)
        Button(i).OnLButtonUp(point);
    return 0;
}

LRESULT CGalleryWindow::OnMouseMove(HWND, POINT point) {
    for (int i = 0; i < ButtonCount(); ++i)
        Button(i).OnMouseMove(point);
    return 0;
}

LRESULT CGalleryWindow::OnCommand(HWND hwnd, WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case kGalleryCommandQuit:
        PostQuitMessage(0);
        return 1;
    case kGalleryCommandToggle:
        m_extras[0].disabled = !m_extras[0].disabled;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 1;
    }
    return 0;
}
