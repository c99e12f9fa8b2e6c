// Screenshots of Fiscora for tools/shots: each calculator's steps with example
// figures, the mortgage results and points comparison, the amortization list, the
// options tabs, the about box, and the landscape, square and high-resolution layouts;
// the "File" and "Profiles" pop-ups, the interest rate check, "Reset All" and an open
// drop-down list, over the window.
//
//   FiscoraShots.exe OUTPUT_FOLDER      writes OUTPUT_FOLDER\fiscora-*.png

#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "ce/ZoqSip.h"
#include "financial/app/CarLoanPage.h"
#include "financial/app/FiscoraFrame.h"
#include "financial/app/FiscoraModels.h"
#include "financial/app/LeasePage.h"
#include "financial/app/MortgagePage.h"
#include "financial/app/PageContext.h"
#include "financial/app/TipPage.h"
#include "financial/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqShotDriver.h"
#include "testing/ZoqWindowDriver.h"
#include "ui/ZoqMemoryStore.h"
#include "ui/ZoqString.h"

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

namespace {

std::wstring g_folder;
int g_failures = 0;

// A dialog is shown when its modal loop first finds no message waiting; under load the
// drivers' moment to act comes before that, and an unshown window has no picture. It is
// shown as that loop would show it, a moment early.
void ShowIfNotYet(HWND window) {
    if (!IsWindowVisible(window)) {
        ShowWindow(window, SW_SHOWNORMAL);
    }
}

void Save(HWND window, const wchar_t* name) {
    ShowIfNotYet(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME | RDW_ALLCHILDREN);
    Pump();
    const std::wstring path = g_folder + L"\\fiscora-" + name + L".png";
    if (!CZoqShot::SaveWindow(window, path.c_str())) {
        fwprintf(stderr, L"FiscoraShots: could not write %ls\n", path.c_str());
        ++g_failures;
    }
}

// One running frame on an emulated screen, with its settings in memory.
class CSession {
public:
    CSession(int width, int height) {
        CZoqScreen::SetSize(width, height);
        m_models = std::make_unique<CFiscoraModels>(m_store);
        m_frame = std::make_unique<CFiscoraFrame>(*m_models);
        m_frame->Create(GetModuleHandleW(nullptr), L"FISCORASHOTS", L"Zoq Financial");
        ShowWindow(m_frame->Handle(), SW_SHOW);
        Pump();
    }
    ~CSession() {
        m_frame.reset();
        Pump();
    }
    CFiscoraFrame& Frame() { return *m_frame; }
    HWND Window() { return m_frame->Handle(); }
    void Select(Calculator calculator) {
        SendMessageW(Window(), kMsgSelectCalculator, static_cast<WPARAM>(calculator), 0);
        Pump();
    }
    void Type(CWizardPage& page, int field, const wchar_t* text) {
        HWND edit = GetDlgItem(page.Handle(), IDC_FIELD1 + field);
        SetFocus(edit);
        SetWindowTextW(edit, text);
        Pump();
    }
    void Tap(HWND window, const RECT& rect) {
        const LPARAM centre =
            MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        SendMessageW(window, WM_LBUTTONUP, 0, centre);
        Pump();
    }
    void Next(CWizardPage& page) {
        SendMessageW(page.Handle(), kMsgNext, 0, 0);
        SetFocus(Window()); // no caret in the pictures
        Pump();
    }

private:
    CZoqMemoryStore m_store;
    std::unique_ptr<CFiscoraModels> m_models;
    std::unique_ptr<CFiscoraFrame> m_frame;
};

// What is typed into one field of a step.
struct STyped {
    int field;
    const wchar_t* text;
};
using Typing = std::initializer_list<STyped>;

// A step of a wizard as shot: what is typed into it, then the picture's name.
struct SShotStep {
    Typing typed;
    const wchar_t* name;
};

void TypeAll(CSession& session, CWizardPage& page, Typing typed) {
    for (const STyped& entry : typed) {
        session.Type(page, entry.field, entry.text);
    }
}

// Each step filled in and saved as NAME+suffix, then left with "Next" for the one after.
void ShootSteps(CSession& session, CWizardPage& page, std::initializer_list<SShotStep> steps,
                const wchar_t* suffix) {
    for (const SShotStep& step : steps) {
        if (&step != steps.begin()) {
            session.Next(page);
        }
        TypeAll(session, page, step.typed);
        SetFocus(session.Window()); // no caret in the pictures
        Save(session.Window(), (std::wstring(step.name) + suffix).c_str());
    }
}

// The car loan's prices, shot on their own step and under the square screen's selector.
const Typing kCarLoanPricing = {{0, L"20000"}, {1, L"7"}, {3, L"150"}, {4, L"0"}};

void ShootCarLoan(CSession& session, const wchar_t* suffix) {
    session.Select(Calculator::CarLoan);
    ShootSteps(session, session.Frame().CarLoanPage(),
               {{kCarLoanPricing, L"carloan-pricing"},
                {{{0, L"2000"}, {3, L"60"}, {4, L"6"}}, L"carloan-financing"},
                {{}, L"carloan-totals"}},
               suffix);
}

void ShootLease(CSession& session, const wchar_t* suffix) {
    session.Select(Calculator::Lease);
    ShootSteps(session, session.Frame().LeasePage(),
               {{{{0, L"30000"}, {1, L"8"}, {4, L"15000"}}, L"lease-pricing"},
                {{{2, L"36"}, {3, L"6"}}, L"lease-leasing"},
                {{}, L"lease-payments"},
                {{}, L"lease-totals"}},
               suffix);
}

void ShootAmortization(CSession& session, CMortgagePage& page, int button, const wchar_t* name) {
    CZoqModalWatch driver(
        [&](HWND dialog) {
            Save(dialog, name);
            Press(dialog, IDOK);
        },
        EveryDialog());
    session.Tap(page.Handle(), page.ResultButtonRect(button));
}

void ShootMortgage(CSession& session, const wchar_t* suffix) {
    session.Select(Calculator::Mortgage);
    ShootSteps(session, session.Frame().MortgagePage(),
               {{{}, L"mortgage-mortgage"},
                {{{0, L"25000"}, {1, L"45"}, {3, L"180"}}, L"mortgage-costs"},
                {{{0, L"200"}, {1, L"10000"}, {2, L"12"}}, L"mortgage-extra"},
                {{}, L"mortgage-results"}},
               suffix);
}

void ShootMortgageDetails(CSession& session) {
    CMortgagePage& page = session.Frame().MortgagePage();
    ShootAmortization(session, page, 1, L"amortization");
    session.Tap(page.Handle(), page.ResultButtonRect(0)); // "Reset"
    TypeAll(session, page, {{3, L"2"}, {4, L"4.5"}});
    session.Next(page);
    session.Next(page);
    session.Next(page);
    Save(session.Window(), L"mortgage-points");
}

void ShootTip(CSession& session, const wchar_t* suffix) {
    session.Select(Calculator::Tip);
    CTipPage& page = session.Frame().TipPage();
    for (TipKey key : {TipKey::Digit8, TipKey::Digit0, TipKey::Point, TipKey::Digit5}) {
        session.Tap(page.Handle(), page.KeyRect(key));
    }
    Save(session.Window(), (std::wstring(L"tip-keypad") + suffix).c_str());
    session.Next(page);
    for (auto [list, position] : {std::pair{IDC_TIP_PERCENT, 15}, std::pair{IDC_TIP_PEOPLE, 2}}) {
        SendDlgItemMessageW(page.Handle(), list, CB_SETCURSEL, position, 0);
        SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(page.Handle(), list)));
    }
    Pump();
    Save(session.Window(), (std::wstring(L"tip-results") + suffix).c_str());
}

void ShootOptions(CSession& session, const wchar_t* suffix) {
    static const wchar_t* const kNames[] = {L"options-general", L"options-mortgage", L"options-tip",
                                            L"options-lease", L"options-carloan"};
    CZoqModalWatch driver(
        [&](HWND dialog) {
            HWND tabs = GetDlgItem(dialog, IDC_TABS);
            for (int tab = 0; tab < 5; ++tab) {
                TabCtrl_SetCurSel(tabs, tab);
                NMHDR change = {tabs, IDC_TABS, static_cast<UINT>(TCN_SELCHANGE)};
                SendMessageW(dialog, WM_NOTIFY, IDC_TABS, reinterpret_cast<LPARAM>(&change));
                std::wstring name = kNames[tab];
                Save(dialog, (name + suffix).c_str());
            }
            Press(dialog, IDOK);
        },
        EveryDialog());
    SendMessageW(session.Window(), WM_COMMAND, ID_OPTIONS, 0);
    Pump();
}

void ShootAbout(CSession& session) {
    CZoqModalWatch driver(
        [&](HWND dialog) {
            Save(dialog, L"about");
            Press(dialog, IDOK);
        },
        EveryDialog());
    SendMessageW(session.Window(), WM_COMMAND, ID_ABOUT, 0);
    Pump();
}

void ShootSquare() {
    CSession session(240, 240);
    Save(session.Window(), L"square-selector");
    session.Select(Calculator::CarLoan);
    CCarLoanPage& page = session.Frame().CarLoanPage();
    TypeAll(session, page, kCarLoanPricing);
    SendMessageW(page.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(page.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SetFocus(session.Window());
    Pump();
    Save(session.Window(), L"square-collapsed");
}

// The lease steps, the amortization list of the mortgage shot before and the options
// tabs (those of the high-resolution portrait screen are shot with its calculators),
// on a screen where the other calculators were shot.
void ShootLaterLayouts(CSession& session, const wchar_t* suffix) {
    session.Select(Calculator::Mortgage);
    CMortgagePage& page = session.Frame().MortgagePage();
    ShootAmortization(session, page, 1, (std::wstring(L"amortization") + suffix).c_str());
    ShootLease(session, suffix);
    if (std::wcscmp(suffix, L"-hires") != 0) {
        ShootOptions(session, suffix);
    }
}

// ---- What the user meets over the window: the menu-bar pop-ups, the message boxes and
// ---- a drop-down list, each saved with the windows under it.

// Saves `over` (a window standing over the frame or a dialog of it) with `under` below.
// Returns 1 when written.
int SaveOver(HWND under, HWND over, const wchar_t* name) {
    ShowIfNotYet(over);
    Pump();
    const std::wstring path = g_folder + L"\\fiscora-" + name + L".png";
    if (!CZoqShot::SaveWindowWith(under, &over, 1, path.c_str())) {
        fwprintf(stderr, L"FiscoraShots: could not write %ls\n", path.c_str());
        ++g_failures;
        return 0;
    }
    return 1;
}

// Counts a message box that never came as a failure.
void ExpectShot(int written, const wchar_t* name) {
    if (!written) {
        fwprintf(stderr, L"FiscoraShots: no picture %ls\n", name);
        ++g_failures;
    }
}

struct SMenuShot {
    HWND window;
    const wchar_t* name;
    int written;
};
SMenuShot g_menuShot;

// Runs inside the pop-up's menu loop: saves it over the window and closes it.
void CALLBACK SaveOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const std::wstring path = g_folder + L"\\fiscora-" + g_menuShot.name + L".png";
    g_menuShot.written = CZoqShot::SaveWindowWithMenu(g_menuShot.window, path.c_str());
    EndMenu();
}

// The pen put down on a part of the menu bar (`rect`, on the screen).
void TapMenuBar(HWND window, const RECT& rect) {
    const POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SendMessageW(window, WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(centre.x, centre.y));
}

// A tap on a menu-bar button opens its pop-up, which is saved over the window.
void ShootMenu(HWND window, int button, const wchar_t* name) {
    RECT rect;
    if (!CZoqMenuBar::ButtonRect(window, button, &rect)) {
        ++g_failures;
        return;
    }
    g_menuShot = SMenuShot{window, name, 0};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, SaveOpenMenu);
    TapMenuBar(window, rect);
    KillTimer(nullptr, timer);
    ExpectShot(g_menuShot.written, name);
}

// The mortgage's interest rate with points above the rate without: "Next" is refused.
void ShootRateCheck(CSession& session) {
    session.Select(Calculator::Mortgage);
    CMortgagePage& page = session.Frame().MortgagePage();
    TypeAll(session, page, {{2, L"5"}, {4, L"6"}});
    int written = 0;
    {
        CZoqModalWatch driver(
            [&](HWND box) {
                written = SaveOver(session.Window(), box, L"rate-check");
                Press(box, IDOK);
            },
            EveryDialog());
        session.Next(page);
    }
    ExpectShot(written, L"rate-check");
}

BOOL CALLBACK FindShownTab(HWND hwnd, LPARAM found) {
    wchar_t className[16] = L"";
    GetClassNameW(hwnd, className, 16);
    if (std::wcscmp(className, L"#32770") != 0 || !IsWindowVisible(hwnd)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// "Reset All" on the options' first tab, and the message saying what it did.
void ShootResetAll(CSession& session) {
    int written = 0;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            HWND tab = nullptr;
            EnumChildWindows(dialog, FindShownTab, reinterpret_cast<LPARAM>(&tab));
            if (!tab) {
                Press(dialog, IDOK);
                return;
            }
            {
                CZoqModalWatch inner(
                    [&](HWND box) {
                        written = SaveOver(dialog, box, L"reset-all");
                        Press(box, IDOK);
                    },
                    EveryDialog());
                Press(tab, IDC_RESET_ALL);
            }
            Press(dialog, IDOK);
        },
        EveryDialog());
    SendMessageW(session.Window(), WM_COMMAND, ID_OPTIONS, 0);
    Pump();
    ExpectShot(written, L"reset-all");
}

// The tip's percentages dropped down by a tap on their box.
void ShootDropDown(CSession& session) {
    session.Select(Calculator::Tip);
    CTipPage& page = session.Frame().TipPage();
    for (TipKey key : {TipKey::Digit4, TipKey::Digit2}) {
        session.Tap(page.Handle(), page.KeyRect(key));
    }
    session.Next(page);
    HWND box = GetDlgItem(page.Handle(), IDC_TIP_PERCENT);
    RECT rect;
    GetClientRect(box, &rect);
    session.Tap(box, rect);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(box, &info) || !IsWindowVisible(info.hwndList)) {
        fwprintf(stderr, L"FiscoraShots: the drop-down list did not open\n");
        ++g_failures;
        return;
    }
    SaveOver(session.Window(), info.hwndList, L"tip-dropdown");
    SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
    SetFocus(session.Window());
    Pump();
}

// A window kept in the middle of the screen, where the message boxes (centred on the
// screen) stand over it.
void ShootOverTheWindow() {
    CSession session(240, 320);
    PlaceMidScreen(session.Window());
    // The input panel an earlier session left up is put away with its button.
    RECT panel;
    if (CZoqSip::IsRaised() && CZoqMenuBar::SipButtonRect(session.Window(), &panel)) {
        TapMenuBar(session.Window(), panel);
    }
    Pump();
    ShootMenu(session.Window(), 0, L"menu-file");
    ShootMenu(session.Window(), 1, L"menu-profiles");
    ShootRateCheck(session);
    ShootResetAll(session);
    ShootDropDown(session);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: FiscoraShots OUTPUT_FOLDER\n");
        return 2;
    }
    g_folder = argv[1];
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CZoqString::GetInstance()->SetModule(GetModuleHandleW(nullptr));
    {
        CSession portrait(240, 320);
        ShootMortgage(portrait, L"");
        ShootMortgageDetails(portrait);
        ShootCarLoan(portrait, L"");
        ShootLease(portrait, L"");
        ShootTip(portrait, L"");
        ShootOptions(portrait, L"");
        ShootAbout(portrait);
    }
    {
        CSession landscape(320, 240);
        ShootCarLoan(landscape, L"-landscape");
        ShootMortgage(landscape, L"-landscape");
        ShootTip(landscape, L"-landscape");
        ShootLaterLayouts(landscape, L"-landscape");
    }
    ShootSquare();
    ShootOverTheWindow();
    {
        // A 192-dpi screen, as the program enlarged to 200 % plays it.
        CZoqDesktop::Begin(nullptr, nullptr, 200);
        {
            CSession hires(480, 640);
            ShootCarLoan(hires, L"-hires");
            ShootMortgage(hires, L"-hires");
            ShootTip(hires, L"-hires");
            ShootOptions(hires, L"-hires");
            ShootLaterLayouts(hires, L"-hires");
        }
        CSession wide(640, 480);
        ShootMortgage(wide, L"-hires-landscape");
        ShootTip(wide, L"-hires-landscape");
        ShootLaterLayouts(wide, L"-hires-landscape");
        CZoqScreen::SetDpi(0);
    }
    return g_failures ? 1 : 0;
}
