#include "financial/app/CalculatorSelector.h"

#include "ce/ZoqScreen.h"
#include "financial/app/BufferedPaint.h"
#include "financial/app/FinDraw.h"
#include "financial/app/PageContext.h"
#include "ce/ZoqRoute.h"

#include <initializer_list>

namespace {

constexpr UINT kMsgToggle = WM_USER + 1;
constexpr COLORREF kToggleTop = RGB(200, 200, 200);
constexpr COLORREF kToggleBottom = RGB(90, 90, 90);
constexpr COLORREF kSelectorBackground = RGB(255, 255, 255);
const wchar_t kSelectorClass[] = L"FiscoraSquareSelector";

int Scaled(int length) {
    return CZoqScreen::Scaled(length);
}

} // namespace

// ---------------------------------------------------------------- buttons

void CCalculatorSelector::CreateButton(int position, const RECT& rect, HWND target) {
    const Calculator calculator = SelectorCalculator(position);
    const CalculatorLook& look = LookOf(calculator);
    m_buttons[position].Create(rect, look.name, target, kMsgSelectCalculator, look.top, look.bottom,
                               static_cast<WPARAM>(calculator));
}

void CCalculatorSelector::SetFonts(HFONT font, HFONT narrowFont) {
    m_font = font;
    m_narrowFont = narrowFont;
}

void CCalculatorSelector::ChooseFont() {
    m_labelFont = CPageButton::FittingFont(m_buttons, kCalculatorCount, m_font, m_narrowFont);
}

void CCalculatorSelector::Layout(HWND target, const RECT& area, Shape shape) {
    const int gap = Scaled(2);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (int position = 0; position < kCalculatorCount; ++position) {
        RECT rect;
        if (shape == Shape::Strip) {
            const int each = (width - (kCalculatorCount + 1) * gap) / kCalculatorCount;
            rect.left = area.left + gap + position * (each + gap);
            rect = {rect.left, area.top + gap, rect.left + each, area.bottom - gap};
        } else {
            const int each = (height - (kCalculatorCount + 1) * gap) / kCalculatorCount;
            rect.top = area.top + gap + position * (each + gap);
            rect = {area.left + gap, rect.top, area.right - gap, rect.top + each};
        }
        CreateButton(position, rect, target);
    }
    ChooseFont();
}

void CCalculatorSelector::LayoutGrid(HWND target, const RECT& area) {
    const int gap = Scaled(2);
    const int each = (area.right - area.left - 3 * gap) / 2;
    const int tall = (area.bottom - area.top - 3 * gap) / 2;
    for (int position = 0; position < kCalculatorCount; ++position) {
        const int left = area.left + gap + (position % 2) * (each + gap);
        const int top = area.top + gap + (position / 2) * (tall + gap);
        CreateButton(position, {left, top, left + each, top + tall}, target);
    }
    ChooseFont();
}

void CCalculatorSelector::SetCurrent(Calculator calculator) {
    for (int position = 0; position < kCalculatorCount; ++position) {
        m_buttons[position].SetLatched(SelectorCalculator(position) == calculator);
    }
}

void CCalculatorSelector::Draw(HDC dc) const {
    for (const CPageButton& button : m_buttons) {
        button.Draw(dc, m_labelFont);
    }
}

int CCalculatorSelector::OnLButtonDown(POINT point) {
    for (CPageButton& button : m_buttons) {
        if (button.OnLButtonDown(point)) {
            return 1;
        }
    }
    return 0;
}

int CCalculatorSelector::OnLButtonUp(POINT point) {
    int taken = 0;
    for (CPageButton& button : m_buttons) {
        taken |= button.OnLButtonUp(point);
    }
    return taken;
}

int CCalculatorSelector::OnMouseMove(POINT point) {
    int taken = 0;
    for (CPageButton& button : m_buttons) {
        taken |= button.OnMouseMove(point);
    }
    return taken;
}

RECT CCalculatorSelector::ButtonRect(Calculator calculator) const {
    return m_buttons[SelectorPosition(calculator)].Rect();
}

// ---------------------------------------------------------------- square screen

CSquareSelector::~CSquareSelector() {
    Destroy();
}

int CSquareSelector::Create(HINSTANCE instance, HWND frame) {
    Destroy();
    m_frame = frame;
    WNDCLASSW windowClass = {};
    if (!GetClassInfoW(instance, kSelectorClass, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kSelectorClass;
        if (!RegisterClassW(&windowClass)) {
            return 0;
        }
    }
    m_expanded = 1;
    if (!m_font.Get()) {
        m_font.Reset(MakeTahoma(Scaled(13), FW_BOLD));
        m_narrowFont.Reset(MakeTahoma(Scaled(12), FW_NORMAL));
        m_selector.SetFonts(m_font.Get(), m_narrowFont.Get());
    }
    CreateWindowExW(0, kSelectorClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 1, 1, frame, nullptr,
                    instance, this);
    return m_hwnd != nullptr;
}

void CSquareSelector::Rescale() {
    m_font.Reset(MakeTahoma(Scaled(13), FW_BOLD));
    m_narrowFont.Reset(MakeTahoma(Scaled(12), FW_NORMAL));
    m_selector.SetFonts(m_font.Get(), m_narrowFont.Get());
}

void CSquareSelector::Destroy() {
    if (m_hwnd) {
        DestroyWindow(m_hwnd);
    }
}

void CSquareSelector::Place(int width, int height) {
    m_frameWidth = width;
    m_frameHeight = height;
    Layout();
}

void CSquareSelector::SetExpanded(int expanded) {
    if (m_expanded == expanded) {
        return;
    }
    m_expanded = expanded;
    Layout();
}

void CSquareSelector::SetCurrent(Calculator calculator) {
    m_selector.SetCurrent(calculator);
}

void CSquareSelector::Layout() {
    if (!m_hwnd || m_frameWidth <= 0) {
        return;
    }
    const int toggleWidth = Scaled(36);
    const int toggleHeight = Scaled(kSquareToggleHeight);
    if (m_expanded) {
        m_width = m_frameWidth;
        m_height = toggleHeight + 2 * Scaled(28) + Scaled(6);
    } else {
        m_width = toggleWidth;
        m_height = toggleHeight;
    }
    const int left = (m_frameWidth - m_width) / 2;
    const RECT toggle = {(m_width - toggleWidth) / 2, 0, (m_width + toggleWidth) / 2, toggleHeight};
    m_toggle.Create(toggle, L"-", m_hwnd, kMsgToggle, kToggleTop, kToggleBottom);
    if (m_expanded) {
        m_selector.LayoutGrid(m_hwnd, {0, toggleHeight, m_width, m_height});
    }
    CZoqClientDC dc(m_hwnd);
    m_surface.CreateSized(dc.Get(), m_width, m_height, CZoqGDI::kDeviceIndependent);
    SetWindowPos(m_hwnd, HWND_TOP, left, m_frameHeight - m_height, m_width, m_height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

LRESULT CALLBACK CSquareSelector::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    return CZoqRoute<CSquareSelector>::Window(hwnd, message, wParam, lParam,
                                              &CSquareSelector::m_hwnd, &CSquareSelector::Handle);
}

LRESULT CSquareSelector::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetCapture(m_hwnd);
        if (!m_toggle.OnLButtonDown(point) && m_expanded) {
            m_selector.OnLButtonDown(point);
        }
        return 0;
    case WM_MOUSEMOVE:
        m_toggle.OnMouseMove(point);
        m_selector.OnMouseMove(point);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == m_hwnd) {
            ReleaseCapture();
        }
        if (!m_toggle.OnLButtonUp(point) && m_expanded) {
            m_selector.OnLButtonUp(point);
        }
        return 0;
    case kMsgToggle:
        SetExpanded(!m_expanded);
        return 0;
    case kMsgSelectCalculator:
        // The frame chooses; this window only holds the buttons.
        PostMessageW(m_frame, kMsgSelectCalculator, wParam, 0);
        return 0;
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

void CSquareSelector::Paint() {
    PaintBuffered(m_hwnd, m_surface, m_width, m_height, kSelectorBackground,
                  [this](HDC surface, const RECT& all) {
                      CZoqGDI::DrawRect(surface, all, CZoqGDI::kNoColour, RGB(90, 90, 90));
                      m_toggle.Draw(surface, m_font.Get());
                      if (m_expanded) {
                          m_selector.Draw(surface);
                      }
                  });
}
