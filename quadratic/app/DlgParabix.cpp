#include "quadratic/app/DlgParabix.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "graph/WndGraph.h"
#include "quadratic/app/resource.h"

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

const CCalcFace::KeyColours kKeyColours = {RGB(100, 218, 87), RGB(36, 130, 13), 0xFF04FF,
                                           RGB(12, 34, 9)};

const SZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_ABOUT, -1, IDS_ABOUT, nullptr},
    {IDM_QUIT, -1, IDS_QUIT, nullptr},
    {0, 0, IDS_VIEW, nullptr},
};

const wchar_t kProgramName[] = L"Zoq Parabix";

} // namespace

CDlgParabix::CDlgParabix() : CCalcWindow(kProgramName, 8, kKeyColours) {}

LRESULT CDlgParabix::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    m_calc.Clear();
    return InitCalcDialog(hwnd, SZoqMenuBarInfo{IDR_MENUBAR, kMenuBarButtons, 3}, IDS_BUTTON_FIRST);
}

void CDlgParabix::ButtonAction(int index) {
    if (const wchar_t digit = KeypadDigit(index)) {
        m_calc.Digit(digit);
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

// Desktop keyboard: digits, ".", "-", Backspace, Enter, Tab and Shift+Tab.
int CDlgParabix::KeyTyped(wchar_t typed, int shift) {
    return KeyAction(ParabixKeyForChar(typed, shift), typed);
}

int CDlgParabix::KeyReleased(unsigned virtualKey) {
    return KeyAction(ParabixKeyForKeyUp(virtualKey), 0);
}

int CDlgParabix::KeyAction(EParabixKey key, wchar_t typed) {
    switch (key) {
    case EParabixKey::Digit:
        m_calc.Digit(typed);
        break;
    case EParabixKey::DecimalPoint:
        m_calc.DecimalPoint();
        break;
    case EParabixKey::MinusSign:
        m_calc.MinusSign();
        break;
    case EParabixKey::Backspace:
        m_calc.Backspace();
        break;
    case EParabixKey::Enter:
        m_calc.Enter();
        break;
    case EParabixKey::NextField:
        m_calc.NextField();
        break;
    case EParabixKey::PreviousField:
        m_calc.PreviousField();
        break;
    case EParabixKey::None:
        return 0;
    }
    return 1;
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

void CDlgParabix::ShowGraph() {
    CWndGraph graph;
    graph.SetEquation(m_calc.PrepareGraph(), 0);
    RunGraph(graph);
}

void CDlgParabix::DrawDisplay() {
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
}
