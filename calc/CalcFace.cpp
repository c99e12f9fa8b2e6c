#include "calc/CalcFace.h"

#include "ui/ZoqDynBtn.h"
#include "ui/ZoqDynDisplay.h"
#include "ui/ZoqGDI.h"
#include "ce/ZoqGdiScope.h"
#include "ui/ZoqString.h"
#include "ce/ZoqScreen.h"

namespace {

// Row 0 selects fields; its colours are the same in both calculators.
const CCalcFace::KeyColours kTopRowColours = {RGB(132, 130, 124), RGB(49, 50, 44),
                                              CZoqGDI::kNoColour, RGB(60, 58, 63)};
// The pill face with its shadow in the extra colour.
constexpr int kButtonStyle = 4;
constexpr int kPanelStyle = 2;

RECT ToRect(const SCalcRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace

CCalcFace::CCalcFace() = default;

CCalcFace::~CCalcFace() {
    Release();
}

int CCalcFace::LoadLabels(HINSTANCE instance, UINT firstLabelId) {
    CZoqString* string = CZoqString::GetInstance();
    int loaded = 1;
    for (int i = 0; i < SCalcLayout::kButtonCount; ++i) {
        if (!string->LoadText(m_labels[i], firstLabelId + i, 16, instance)) {
            loaded = 0;
        }
    }
    return loaded;
}

void CCalcFace::Release() {
    for (auto& button : m_buttons) {
        button.reset();
    }
    m_panel.reset();
    m_backBuffer.reset();
    m_labelFont.Reset();
    m_displayFont.Reset();
    m_laidOut = false;
}

int CCalcFace::Layout(HWND hwnd, int width, int height, int displayDivisor,
                      const KeyColours& keys) {
    Release();
    if (!hwnd || width <= 0 || height <= 0) {
        return 0;
    }
    m_hwnd = hwnd;
    m_width = width;
    m_height = height;
    const bool wide = CZoqScreen::Height() < CZoqScreen::Width();
    m_layout = ComputeCalcLayout(width, height, displayDivisor, wide);
    m_labelFont.Reset(CZoqGDI::MakeFont(m_layout.labelFontHeight, FW_BOLD, 1, L"Tahoma", 0));
    m_displayFont.Reset(CZoqGDI::MakeFont(m_layout.displayFontHeight, FW_BOLD, 1, L"Tahoma", 0));

    CZoqClientDC screen(hwnd);
    m_backBuffer = std::make_unique<CZoqGDI>();
    m_backBuffer->CreateSized(screen.Get(), width, height, 0);

    m_panel = std::make_unique<CZoqDynDisplay>();
    m_panel->Create(ToRect(m_layout.panel), RGB(136, 138, 140), RGB(231, 235, 239),
                    RGB(172, 186, 169), RGB(52, 58, 56), kPanelStyle, nullptr);

    // Buttons of one size share the faces of the first of them.
    for (int i = 0; i < SCalcLayout::kButtonCount; ++i) {
        const KeyColours& colours = i < 3 ? kTopRowColours : keys;
        auto button = std::make_unique<CZoqDynBtn>();
        button->SetColours(colours.face, colours.pressed, colours.outline, colours.extra);
        button->textColour = RGB(255, 255, 255);
        CZoqDynBtn* faceSource = i == 0 || i == 3 ? nullptr : m_buttons[i < 3 ? 0 : 3].get();
        const SCalcRect& r = m_layout.buttons[i];
        // The window acts on the button's index when the pen is lifted over it, so
        // the button itself posts nothing (WM_NULL).
        button->Create(r.left, r.top, r.right, r.bottom, m_labels[i], hwnd, WM_NULL, i,
                       kButtonStyle, faceSource);
        m_buttons[i] = std::move(button);
    }
    m_laidOut = m_backBuffer->DC() != nullptr;
    return m_laidOut ? 1 : 0;
}

HDC CCalcFace::BeginFrame() {
    if (!m_laidOut) {
        return nullptr;
    }
    HDC dc = m_backBuffer->DC();
    CZoqGDI::FillSolid(dc, RECT{0, 0, m_width, m_height}, kBackground);
    m_panel->Draw(dc);
    return dc;
}

void CCalcFace::EndFrame(HDC target) {
    if (!m_laidOut) {
        return;
    }
    HDC dc = m_backBuffer->DC();
    for (auto& button : m_buttons) {
        button->Draw(m_labelFont.Get(), dc, nullptr, nullptr);
    }
    BitBlt(target, 0, 0, m_width, m_height, dc, 0, 0, SRCCOPY);
}

// DrawTextAt sizes its box from the measured text, and Wine's measurement can come
// out a pixel short of what it draws (the ")" of "(1.5, -0.25)" was cut off); an
// unclipped single line in a wide box draws every glyph.
void CCalcFace::Text(int x, int y, const wchar_t* text, bool centred) {
    if (!m_laidOut || !text || !*text) {
        return;
    }
    const int reach = m_width > 0 ? m_width : 1;
    const RECT box =
        centred ? RECT{x - reach, y, x + reach, y + reach} : RECT{x, y, x + reach, y + reach};
    CZoqGDI::DrawTextIn(m_backBuffer->DC(), text, box,
                        DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | (centred ? DT_CENTER : DT_LEFT),
                        m_displayFont.Get(), kText, TRANSPARENT);
}

void CCalcFace::Arrow(int cx, int cy, int size, bool up) {
    if (!m_laidOut) {
        return;
    }
    CalcPoint corners[7];
    ArrowPolygon(cx, cy, size, up, corners);
    POINT points[7];
    for (int i = 0; i < 7; ++i) {
        points[i] = POINT{corners[i].x, corners[i].y};
    }
    HDC dc = m_backBuffer->DC();
    CZoqGdiHandle<HBRUSH> brush(CZoqGDI::MakeBrush(kText));
    CZoqGdiHandle<HPEN> pen(CZoqGDI::MakePen(kText, PS_SOLID, 1));
    CZoqSelection brushSelection(dc, brush.Get());
    CZoqSelection penSelection(dc, pen.Get());
    Polygon(dc, points, 7);
}

COLORREF CCalcFace::PixelAt(int x, int y) const {
    return m_laidOut ? GetPixel(m_backBuffer->DC(), x, y) : CLR_INVALID;
}

int CCalcFace::ButtonDown(POINT point) {
    for (int i = 0; m_laidOut && i < SCalcLayout::kButtonCount; ++i) {
        if (m_buttons[i]->OnLButtonDown(point)) {
            return i;
        }
    }
    return -1;
}

int CCalcFace::ButtonUp(POINT point) {
    int fired = -1;
    for (int i = 0; m_laidOut && i < SCalcLayout::kButtonCount; ++i) {
        if (m_buttons[i]->OnLButtonUp(point) && fired < 0) {
            fired = i;
        }
    }
    return fired;
}

void CCalcFace::MouseMove(POINT point) {
    for (int i = 0; m_laidOut && i < SCalcLayout::kButtonCount; ++i) {
        m_buttons[i]->OnMouseMove(point);
    }
}
