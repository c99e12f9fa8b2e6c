#include "quadratic/app/DlgParabix.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "graph/GraphResources.h"
#include "graph/WndGraph.h"
#include "quadratic/app/resource.h"

#include <cwchar>

namespace {

enum Button {
    ButtonA = 0,
    ButtonB = 1,
    ButtonC = 2,
    ButtonClear = 6,
    ButtonBackspace = 10,
    ButtonEnter = 14,
    ButtonPoint = 16,
    ButtonMinus = 17,
    ButtonGraph = 18
};

// The digit of each keypad button, or 0.
constexpr wchar_t kDigits[CalcLayout::kButtonCount] = {0, 0,   0,   '7', '8', '9', 0, '4', '5', '6',
                                                       0, '1', '2', '3', 0,   '0', 0, 0,   0};

const CCalcFace::KeyColours kKeyColours = {RGB(100, 218, 87), RGB(36, 130, 13), 0xFF04FF,
                                           RGB(12, 34, 9)};

const ZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_ABOUT, -1, IDS_ABOUT, nullptr},
    {IDM_QUIT, -1, IDS_QUIT, nullptr},
};

const wchar_t kProgramName[] = L"Zoq Parabix";

} // namespace

CDlgParabix::CDlgParabix() = default;

CDlgParabix::~CDlgParabix() {
    m_face.Release();
}

LRESULT CDlgParabix::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    CZoqShell::InitFullScreen(hwnd, 0);
    CZoqMenuBar::Create(hwnd, m_instance, ZoqMenuBarInfo{0, kMenuBarButtons, 2});
    m_face.LoadLabels(m_instance, IDS_BUTTON_FIRST);
    m_calc.Clear();
    m_initialised = true;
    // The full-screen sizing above came before initialisation; lay out what it left.
    RECT client;
    GetClientRect(hwnd, &client);
    OnSize(hwnd, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    return 1;
}

LRESULT CDlgParabix::OnSize(HWND hwnd, WPARAM, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (!m_initialised || (m_face.IsLaidOut() && width == m_lastWidth && height == m_lastHeight)) {
        return 0;
    }
    m_lastWidth = width;
    m_lastHeight = height;
    m_face.Layout(hwnd, width, height, 8, kKeyColours);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT CDlgParabix::OnDestroy(HWND, WPARAM, LPARAM) {
    m_face.Release();
    return 1;
}

void CDlgParabix::Redraw() {
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

LRESULT CDlgParabix::OnLButtonDown(HWND, POINT point) {
    m_face.ButtonDown(point);
    return 0;
}

LRESULT CDlgParabix::OnLButtonUp(HWND, POINT point) {
    const int index = m_face.ButtonUp(point);
    if (index >= 0) {
        ButtonAction(index);
    }
    return 0;
}

LRESULT CDlgParabix::OnMouseMove(HWND, POINT point) {
    m_face.MouseMove(point);
    return 0;
}

void CDlgParabix::ButtonAction(int index) {
    if (index >= 0 && index < CalcLayout::kButtonCount && kDigits[index]) {
        m_calc.Digit(kDigits[index]);
    }
    switch (index) {
    case ButtonA:
    case ButtonB:
    case ButtonC:
        m_calc.SetActiveField(CParabixCalc::FieldA + index);
        break;
    case ButtonClear:
        m_calc.Clear();
        break;
    case ButtonBackspace:
        m_calc.Backspace();
        break;
    case ButtonEnter:
        m_calc.Enter();
        break;
    case ButtonPoint:
        m_calc.DecimalPoint();
        break;
    case ButtonMinus:
        m_calc.MinusSign();
        break;
    case ButtonGraph:
        ShowGraph();
        break;
    default:
        break;
    }
    Redraw();
}

LRESULT CDlgParabix::OnChar(HWND, WPARAM wParam, LPARAM) {
    const wchar_t key = static_cast<wchar_t>(wParam);
    if (key >= L'0' && key <= L'9') {
        m_calc.Digit(key);
    } else if (key == L'.') {
        m_calc.DecimalPoint();
    } else if (key == L'-') {
        m_calc.MinusSign();
    } else if (key == 8) {
        m_calc.Backspace();
    } else if (key == 13) {
        m_calc.Enter();
    } else if (key == 9) {
        if (GetKeyState(VK_SHIFT) < 0) {
            m_calc.PreviousField();
        } else {
            m_calc.NextField();
        }
    } else {
        return 0;
    }
    Redraw();
    return 0;
}

LRESULT CDlgParabix::OnKeyUp(HWND, WPARAM wParam, LPARAM) {
    if (wParam == VK_UP) {
        m_calc.PreviousField();
    } else if (wParam == VK_DOWN) {
        m_calc.NextField();
    } else {
        return 0;
    }
    Redraw();
    return 0;
}

LRESULT CDlgParabix::OnCommand(HWND, WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDM_ABOUT:
        ShowAbout();
        break;
    case IDM_QUIT:
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return 0;
}

void CDlgParabix::ShowAbout() {
    wchar_t title[64] = L"About ";
    std::wcscat(title, kProgramName);
    wchar_t text[160];
    std::swprintf(text, 160, L"%ls\r\n2.0.0\r\n\r\nZoq Calculators\r\nwww.zoq.example",
                  kProgramName);
    MessageBoxW(m_hWnd, text, title, MB_OK);
}

void CDlgParabix::ShowGraph() {
    CWndGraph graph;
    graph.SetEquation(m_calc.PrepareGraph(), 0);
    graph.DoModal(m_hWnd, m_instance, IDD_GRAPH);
    graph.Destroy();
    Redraw();
}

LRESULT CDlgParabix::OnDraw(HWND, HDC dc, RECT*) {
    if (!m_face.BeginFrame()) {
        return 0;
    }
    const int f = m_face.GetLayout().displayFontHeight;
    const int c = f * 3 / 4 + 6;
    const wchar_t* labels[] = {L"A = ", L"B = ", L"C = "};
    for (int field = CParabixCalc::FieldA; field <= CParabixCalc::FieldC; ++field) {
        const int y = (field - 1) * f + 7;
        if (m_calc.GetActiveField() == field) {
            m_face.Text(6, y, L"\x2022");
        }
        m_face.Text(c, y, labels[field - 1]);
        m_face.Text(c + 2 * f, y, m_calc.GetEntry(field));
    }
    const bool wide = CZoqScreen::Height() < CZoqScreen::Width();
    const int x = wide ? CZoqScreen::Width() / 2 : c;
    const int y = wide ? 7 : 3 * f + 7;
    for (int line = 0; line < CParabixCalc::kLineCount; ++line) {
        m_face.Text(x, y + line * f, m_calc.GetLine(line));
    }
    m_face.EndFrame(dc);
    return 0;
}
