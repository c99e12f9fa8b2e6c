#include "quadratic/app/DlgParabix.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "graph/WndGraph.h"
#include "quadratic/app/resource.h"

#include <iterator>

namespace {

// The program's own buttons: the field each makes active.
enum Button { ButtonA = 0, ButtonB = 1, ButtonC = 2 };

const SCalcEntryMembers<CParabixCalc> kEntry = {
    &CParabixCalc::Digit, &CParabixCalc::Clear,        &CParabixCalc::Backspace,
    &CParabixCalc::Enter, &CParabixCalc::DecimalPoint, &CParabixCalc::MinusSign};

const SSharedKey<EParabixKey> kSharedKeys[] = {
    {EParabixKey::Digit, ECalcAction::Digit},
    {EParabixKey::DecimalPoint, ECalcAction::DecimalPoint},
    {EParabixKey::MinusSign, ECalcAction::Sign},
    {EParabixKey::Backspace, ECalcAction::Backspace},
    {EParabixKey::Enter, ECalcAction::Enter},
};

// Digits, ".", "-", Backspace, Enter, Tab and Shift+Tab, the Up and Down arrows.
const SCalcKeyboard<EParabixKey> kKeyboard = {ParabixKeyForChar, ParabixKeyForKeyUp, kSharedKeys,
                                              std::size(kSharedKeys)};

const CCalcFace::KeyColours kKeyColours = {RGB(100, 218, 87), RGB(36, 130, 13), 0xFF04FF,
                                           RGB(12, 34, 9)};

const SZoqMenuBarButton kMenuBarButtons[] = {
    {IDM_ABOUT, -1, IDS_ABOUT, nullptr},
    {IDM_QUIT, -1, IDS_QUIT, nullptr},
    {0, 0, IDS_VIEW, nullptr},
};

const wchar_t kProgramName[] = L"Zoq Parabix";

} // namespace

CDlgParabix::CDlgParabix() : CCalcEntryWindow(kProgramName, 8, kKeyColours, kEntry, kKeyboard) {}

LRESULT CDlgParabix::OnInitDialog(HWND hwnd, WPARAM, LPARAM) {
    return InitCalcDialog(hwnd, SZoqMenuBarInfo{IDR_MENUBAR, kMenuBarButtons, 3}, IDS_BUTTON_FIRST);
}

void CDlgParabix::ProgramButton(int index) {
    if (index >= ButtonA && index <= ButtonC) {
        m_calc.SetActiveField(CParabixCalc::FieldA + index);
    }
}

int CDlgParabix::ProgramKey(EParabixKey key) {
    switch (key) {
    case EParabixKey::NextField:
        m_calc.NextField();
        return 1;
    case EParabixKey::PreviousField:
        m_calc.PreviousField();
        return 1;
    default:
        return 0;
    }
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
