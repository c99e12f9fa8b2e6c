#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "financial/app/CarLoanPage.h"
#include "financial/app/LeasePage.h"
#include "financial/app/MortgagePage.h"
#include "financial/app/OptionsDialog.h"
#include "financial/app/PageContext.h"
#include "financial/app/TipPage.h"
#include "financial/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "financial/app/tests/FrameFixture.h"
#include "financial/models/FinancialKeys.h"
#include "financial/models/FinancialOptions.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class FrameTest : public CFrameFixture {
protected:
    void Select(Calculator calculator) {
        SendMessageW(m_frame->Handle(), kMsgSelectCalculator, static_cast<WPARAM>(calculator), 0);
        Pump();
    }
    // The car price stored in a car loan profile (0 when the profile is empty).
    double StoredCarPrice(int profile) {
        CCarLoanModel stored;
        stored.LoadProfile(m_store, profile);
        return stored.CarPrice();
    }
    // Finds a control of one of the options dialog's tab pages.
    static HWND TabControlWith(HWND options, int id) {
        for (HWND child = GetWindow(options, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (HWND control = GetDlgItem(child, id)) {
                return control;
            }
        }
        return nullptr;
    }
    static void Click(HWND control) {
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    // Starts again on an empty store, as on a machine where Fiscora never ran.
    void StartAfresh() {
        Stop();
        m_store = CZoqMemoryStore();
        Start();
    }
    // What the calculator keys hold of the values the exit tests type: car loan and
    // lease down payment, tip bill, mortgage principal, term, rate with points (%).
    std::vector<double> StoredKeys() {
        CCarLoanModel carLoan;
        CLeaseModel lease;
        CTipModel tip;
        CMortgageModel mortgage;
        for (CFinancialRecordModel* model :
             std::initializer_list<CFinancialRecordModel*>{&carLoan, &lease, &tip, &mortgage}) {
            model->LoadSettings(m_store);
        }
        return {
            carLoan.DownPayment(), lease.DownPayment(),     tip.Amount(),
            mortgage.Principal(),  double(mortgage.Term()), mortgage.AnnualRateWithPoints() * 100};
    }
};

TEST_F(FrameTest, StartsOnTheMortgagePageWithTheMenuBar) {
    EXPECT_EQ(Calculator::Mortgage, m_frame->Current());
    for (Calculator calculator :
         {Calculator::Tip, Calculator::Lease, Calculator::Mortgage, Calculator::CarLoan}) {
        SCOPED_TRACE(testing::Message() << "calculator " << static_cast<int>(calculator));
        EXPECT_EQ(calculator == Calculator::Mortgage, IsShown(m_frame->Page(calculator)->Handle()));
    }
    RECT client;
    GetClientRect(m_frame->Handle(), &client);
    EXPECT_EQ(CZoqScreen::Width(), client.right);
    EXPECT_EQ(CZoqScreen::Height() - CZoqScreen::TopBarHeight() - CZoqScreen::MenuBarHeight(),
              client.bottom)
        << "the client area is the screen less the top bar and the menu bar";
    RECT file;
    EXPECT_EQ(1, CZoqMenuBar::ButtonRect(m_frame->Handle(), 0, &file));
    HMENU menu = CZoqMenuBar::Menu(m_frame->Handle());
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(ID_OPTIONS, static_cast<int>(GetMenuItemID(GetSubMenu(menu, 0), 0)));
    EXPECT_EQ(ID_SAVE_PROFILE2, static_cast<int>(GetMenuItemID(GetSubMenu(menu, 1), 4)));
}

TEST_F(FrameTest, SelectorButtonsShowOnePageAtATime) {
    for (Calculator calculator :
         {Calculator::Tip, Calculator::Lease, Calculator::CarLoan, Calculator::Mortgage}) {
        SCOPED_TRACE(testing::Message() << "calculator " << static_cast<int>(calculator));
        Tap(m_frame->Handle(), m_frame->Selector().ButtonRect(calculator));
        EXPECT_EQ(calculator, m_frame->Current());
        for (Calculator other :
             {Calculator::Tip, Calculator::Lease, Calculator::Mortgage, Calculator::CarLoan}) {
            EXPECT_EQ(other == calculator, IsShown(m_frame->Page(other)->Handle()));
        }
    }
    // Pen down on a button, moved off and lifted elsewhere: nothing is chosen.
    const RECT lease = m_frame->Selector().ButtonRect(Calculator::Lease);
    PenDown(m_frame->Handle(), {(lease.left + lease.right) / 2, (lease.top + lease.bottom) / 2});
    SendMessageW(m_frame->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(lease.right + 40, 100));
    PenUp(m_frame->Handle(), {lease.right + 40, 100});
    EXPECT_EQ(Calculator::Mortgage, m_frame->Current());
}

TEST_F(FrameTest, SquareScreenSelectorCollapsesWhenAPageIsTapped) {
    Stop();
    Start(240, 240);
    ASSERT_EQ(1, m_frame->IsSquare());
    const CSquareSelector& selector = m_frame->SquareSelector();
    ASSERT_NE(nullptr, selector.Handle());
    EXPECT_EQ(1, IsShown(selector.Handle()));
    EXPECT_EQ(1, selector.IsExpanded()) << "it starts expanded";
    RECT window;
    GetWindowRect(selector.Handle(), &window);
    EXPECT_EQ(240, window.right - window.left) << "expanded it spans the screen";
    const RECT mortgage = selector.ButtonRect(Calculator::Mortgage);
    const RECT tip = selector.ButtonRect(Calculator::Tip);
    const RECT lease = selector.ButtonRect(Calculator::Lease);
    EXPECT_EQ(mortgage.top, tip.top) << "Mortgage and Tip on top";
    EXPECT_LT(mortgage.left, tip.left);
    EXPECT_GT(lease.top, mortgage.top) << "Lease and Car Loan below";

    Tap(selector.Handle(), tip);
    EXPECT_EQ(Calculator::Tip, m_frame->Current());

    PenDown(m_frame->TipPage().Handle(), {10, 40});
    EXPECT_EQ(0, selector.IsExpanded());
    GetWindowRect(selector.Handle(), &window);
    EXPECT_LT(window.right - window.left, 120) << "collapsed it holds only the toggle";
    Tap(selector.Handle(), selector.ToggleRect());
    EXPECT_EQ(1, selector.IsExpanded());

    // The collapsed toggle at the bottom centre covers none of the mortgage result
    // buttons.
    Tap(selector.Handle(), selector.ButtonRect(Calculator::Mortgage));
    CMortgagePage& page = m_frame->MortgagePage();
    PressNext(page);
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(3, page.Step());
    ASSERT_EQ(0, selector.IsExpanded());
    GetWindowRect(selector.Handle(), &window);
    for (int i = 0; i < page.ResultButtonCount(); ++i) {
        SCOPED_TRACE(testing::Message() << "result button " << i);
        RECT button = page.ResultButtonRect(i);
        MapWindowPoints(page.Handle(), nullptr, reinterpret_cast<POINT*>(&button), 2);
        RECT overlap;
        EXPECT_FALSE(IntersectRect(&overlap, &button, &window));
    }
}

TEST_F(FrameTest, ShortScreensPutTheSelectorInAColumn) {
    Stop();
    Start(320, 240);
    EXPECT_EQ(0, m_frame->IsSquare());
    const RECT mortgage = m_frame->Selector().ButtonRect(Calculator::Mortgage);
    const RECT tip = m_frame->Selector().ButtonRect(Calculator::Tip);
    EXPECT_EQ(mortgage.left, tip.left);
    EXPECT_LT(mortgage.top, tip.top);
    RECT page;
    GetWindowRect(m_frame->CurrentPage()->Handle(), &page);
    EXPECT_EQ(320 - mortgage.right - 2, page.right - page.left) << "the page takes the rest";
}

TEST_F(FrameTest, SaveProfileTakesOverAnUnconfirmedValue) {
    Select(Calculator::CarLoan);
    CCarLoanPage& page = m_frame->CarLoanPage();
    Type(page, 0, L"20000");
    PressNext(page);
    Type(page, 0, L"1500"); // typed, not confirmed with Next
    Command(ID_SAVE_PROFILE1);
    EXPECT_EQ(1, page.Step()) << "the page stays on its step";
    EXPECT_EQ(L"1500.00", FieldText(page, 0));
    CCarLoanModel stored;
    ASSERT_EQ(1, stored.LoadProfile(m_store, 1));
    EXPECT_EQ(1500.0, stored.DownPayment());
    EXPECT_EQ(20000.0, stored.CarPrice());

    // On the result step nothing is pending: the page keeps its step.
    PressNext(page);
    ASSERT_EQ(2, page.Step());
    Command(ID_SAVE_PROFILE2);
    EXPECT_EQ(2, page.Step());
    EXPECT_EQ(20000.0, StoredCarPrice(2));
}

TEST_F(FrameTest, LoadProfileShowsTheLoadedValuesOnTheFirstStep) {
    Select(Calculator::Lease);
    CLeasePage& page = m_frame->LeasePage();
    m_models->lease.SetPayTaxOnCapitalCost(1);
    Type(page, 0, L"30000");
    Command(ID_SAVE_PROFILE2);
    m_models->lease.SetPayTaxOnCapitalCost(0);
    Type(page, 0, L"1");
    PressNext(page);
    Command(ID_LOAD_PROFILE2);
    EXPECT_EQ(0, page.Step());
    EXPECT_EQ(L"30000.00", FieldText(page, 0));
    EXPECT_EQ(1, m_models->lease.PayTaxOnCapitalCost()) << "the option comes back with the profile";

    Select(Calculator::Tip);
    CTipPage& tip = m_frame->TipPage();
    for (TipKey key : {TipKey::Digit4, TipKey::Digit2}) {
        Tap(tip.Handle(), tip.KeyRect(key));
    }
    PressNext(tip);
    Command(ID_SAVE_PROFILE1);
    PressBack(tip);
    Tap(tip.Handle(), tip.KeyRect(TipKey::Restart));
    Command(ID_LOAD_PROFILE1);
    EXPECT_EQ(0, tip.Step());
    EXPECT_STREQ(L"42.00", tip.EntryText()) << "the loaded bill is back on the pad";

    // A bill typed on the pad and saved before "Next" is saved too.
    Tap(tip.Handle(), tip.KeyRect(TipKey::Restart));
    Tap(tip.Handle(), tip.KeyRect(TipKey::Digit7));
    Command(ID_SAVE_PROFILE2);
    Tap(tip.Handle(), tip.KeyRect(TipKey::Restart));
    Command(ID_LOAD_PROFILE2);
    EXPECT_STREQ(L"7.00", tip.EntryText());
}

TEST_F(FrameTest, ValuesSurviveARestartExceptTheMortgage) {
    Select(Calculator::CarLoan);
    Type(m_frame->CarLoanPage(), 0, L"18000");
    PressNext(m_frame->CarLoanPage());
    Type(m_frame->MortgagePage(), 0, L"300000");
    PressNext(m_frame->MortgagePage());
    Select(Calculator::Tip);
    HWND tip = m_frame->TipPage().Handle();
    PressNext(m_frame->TipPage());
    for (auto [list, position] : {std::pair{IDC_TIP_PERCENT, 22}, std::pair{IDC_TIP_PEOPLE, 3}}) {
        SendDlgItemMessageW(tip, list, CB_SETCURSEL, position, 0);
        SendMessageW(tip, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(tip, list)));
    }
    Stop(); // every calculator writes its key
    Start();
    tip = m_frame->TipPage().Handle();
    EXPECT_EQ(22, SendDlgItemMessageW(tip, IDC_TIP_PERCENT, CB_GETCURSEL, 0, 0)) << "25 %";
    EXPECT_EQ(3, SendDlgItemMessageW(tip, IDC_TIP_PEOPLE, CB_GETCURSEL, 0, 0)) << "4 People";
    Select(Calculator::CarLoan);
    EXPECT_EQ(L"18000.00", FieldText(m_frame->CarLoanPage(), 0));
    EXPECT_EQ(L"250000.00", FieldText(m_frame->MortgagePage(), 0))
        << "the mortgage starts from its defaults";
    CMortgageModel stored;
    stored.LoadSettings(m_store);
    EXPECT_EQ(300000.0, stored.Principal()) << "though its key was written";
}

// Values typed on every calculator and confirmed on none: the last one typed on is
// showing, the others are hidden. Each way out keeps them for the next start; a
// session that goes on writes nothing.
TEST_F(FrameTest, WhatIsTypedButUnconfirmedSurvivesEveryWayOut) {
    struct Way {
        const char* how;
        UINT message;
        WPARAM wParam;
        int closes; // when the session ends the window stays, then the process is gone
        int writes;
    };
    const Way ways[] = {
        {"Exit", WM_COMMAND, ID_EXIT, 1, 1},
        {"Ctrl+Q", WM_COMMAND, IDOK, 1, 1},
        {"close box", WM_CLOSE, 0, 1, 1},
        {"session ends", WM_ENDSESSION, TRUE, 0, 1},
        {"session goes on", WM_ENDSESSION, FALSE, 0, 0},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.how);
        StartAfresh();
        // A down payment above the price is void: each loan has a confirmed price.
        for (Calculator calculator : {Calculator::CarLoan, Calculator::Lease}) {
            Select(calculator);
            CWizardPage& page = *m_frame->Page(calculator);
            Type(page, 0, L"30000");
            PressNext(page);
            Type(page, 0, calculator == Calculator::Lease ? L"2000" : L"1500");
        }
        Select(Calculator::Tip);
        for (TipKey key : {TipKey::Digit4, TipKey::Digit2}) {
            Tap(m_frame->TipPage().Handle(), m_frame->TipPage().KeyRect(key));
        }
        Select(Calculator::Mortgage);
        Type(m_frame->MortgagePage(), 0, L"300000");
        ASSERT_EQ(0.0, m_models->carLoan.DownPayment()) << "nothing confirmed yet";

        HWND main = m_frame->Handle();
        SendMessageW(main, way.message, way.wParam, 0);
        Pump();
        EXPECT_EQ(way.closes == 0, IsWindow(main) != 0);
        if (way.closes) {
            Stop(); // the models write their keys as they go
        }
        ZoqValueType autoSip = ZoqValueType::Missing;
        int size = 0;
        m_store.QueryValue(kFinancialKey, L"AutoSip", &autoSip, &size);
        EXPECT_EQ(way.writes ? ZoqValueType::Binary : ZoqValueType::Missing, autoSip);
        if (!way.writes) {
            EXPECT_EQ(0, m_store.KeyExists(FinancialRecordKey(Calculator::CarLoan, 0)));
            continue;
        }
        const std::vector<double> typed = {1500, 2000, 42, 300000, 25, 0};
        EXPECT_EQ(typed, StoredKeys()) << "the mortgage writes its key too";
        Stop();
        Start();
        EXPECT_EQ(1500.0, m_models->carLoan.DownPayment()) << "read back at the next start";
        EXPECT_EQ(2000.0, m_models->lease.DownPayment());
        EXPECT_EQ(42.0, m_models->tip.Amount());
    }
}

// Typed values that confirming would refuse, and steps nothing was typed on since
// they were shown, are not taken at exit; and exit never asks anything.
TEST_F(FrameTest, ExitKeepsConfirmedValuesWhereNothingValidIsTyped) {
    struct Case {
        const char* what;
        std::function<void()> type;
        std::vector<double> stored; // as StoredKeys() lists them
    };
    const Case cases[] = {
        {"a negative down payment",
         [&] {
             Select(Calculator::CarLoan);
             CCarLoanPage& page = m_frame->CarLoanPage();
             Type(page, 0, L"20000");
             PressNext(page);
             Type(page, 0, L"1500");
             PressNext(page);
             PressBack(page);
             Type(page, 0, L"-5");
         },
         {1500, 0, 0, 250000, 25, 0}},
        {"nothing typed since Back: the step shown in cents is not taken again",
         [&] {
             Select(Calculator::CarLoan);
             CCarLoanPage& page = m_frame->CarLoanPage();
             Type(page, 0, L"20000");
             PressNext(page);
             Type(page, 0, L"1500.555");
             PressNext(page);
             PressBack(page);
         },
         {1500.555, 0, 0, 250000, 25, 0}},
        {"a term beyond 30 years, beside a good principal",
         [&] {
             Type(m_frame->MortgagePage(), 0, L"300000");
             Type(m_frame->MortgagePage(), 1, L"45");
         },
         {0, 0, 0, 300000, 25, 0}},
        {"a points rate not below the mortgage rate: the whole step is refused",
         [&] {
             Type(m_frame->MortgagePage(), 0, L"300000");
             Type(m_frame->MortgagePage(), 3, L"1");
             Type(m_frame->MortgagePage(), 4, L"6");
         },
         {0, 0, 0, 250000, 25, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartAfresh();
        c.type();
        CZoqModalWatch driver([](HWND dialog) { Press(dialog, IDOK); }, EveryDialog());
        Command(ID_EXIT);
        Stop();
        EXPECT_TRUE(driver.Seen().empty()) << "no message at exit";
        EXPECT_EQ(c.stored, StoredKeys());
    }
}

TEST_F(FrameTest, ResetAllClearsEveryProfileAndSaysSo) {
    Select(Calculator::CarLoan);
    Type(m_frame->CarLoanPage(), 0, L"20000");
    Command(ID_SAVE_PROFILE1);
    Command(ID_SAVE_PROFILE2);
    ASSERT_EQ(20000.0, StoredCarPrice(1));
    ASSERT_EQ(20000.0, StoredCarPrice(2));

    std::wstring text;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            if (Caption(dialog) == L"Options") {
                Click(TabControlWith(dialog, IDC_RESET_ALL));
                Press(dialog, IDOK);
            } else {
                text = MessageText(dialog);
                Press(dialog, IDOK);
            }
        },
        EveryDialog());
    Command(ID_OPTIONS);
    ASSERT_EQ(2u, driver.Seen().size());
    EXPECT_EQ(L"Reset All", driver.Seen()[1]);
    EXPECT_EQ(L"All Profiles Cleared \n\rAll Calculators Reset", text);
    EXPECT_EQ(0.0, StoredCarPrice(1));
    EXPECT_EQ(0.0, StoredCarPrice(2));
    EXPECT_EQ(L"0.00", FieldText(m_frame->CarLoanPage(), 0)) << "the page shows the cleared model";
    EXPECT_EQ(nullptr, COptionsDialog::OpenDialog());
}

TEST_F(FrameTest, OptionsShowClearedCalculatorsAndKeepWhatIsTyped) {
    // The tip's result step and the car loan's second step hold typed values.
    Select(Calculator::Tip);
    CTipPage& tip = m_frame->TipPage();
    for (TipKey key : {TipKey::Digit8, TipKey::Digit0}) {
        Tap(tip.Handle(), tip.KeyRect(key));
    }
    PressNext(tip);
    Select(Calculator::CarLoan);
    CCarLoanPage& carLoan = m_frame->CarLoanPage();
    PressNext(carLoan);
    Type(carLoan, 0, L"1500"); // typed, not confirmed with Next

    struct Visit {
        const char* what;
        const wchar_t* tab; // the caption of the tab whose button is pressed, or null
        int button;
        const wchar_t* downPayment; // the car loan's field afterwards
        const wchar_t* bill;        // the tip's bill and total afterwards
        const wchar_t* total;
    };
    const Visit visits[] = {
        {"nothing cleared", nullptr, 0, L"1500", L"80.00", L"88.00"},
        {"tip profile 1 cleared", L"Tip Calc Options", IDC_CLEAR_PROFILE1, L"1500", L"0.00",
         L"0.00"},
        {"car loan profile 2 cleared", L"Car Loan Calc Options", IDC_CLEAR_PROFILE2, L"0.00",
         L"0.00", L"0.00"},
    };
    for (const Visit& visit : visits) {
        SCOPED_TRACE(visit.what);
        CZoqModalWatch driver(
            [&](HWND dialog) {
                for (HWND child = GetWindow(dialog, GW_CHILD); child && visit.tab;
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    wchar_t caption[64] = {};
                    GetDlgItemTextW(child, IDC_TAB_CAPTION, caption, 64);
                    if (std::wstring(caption) == visit.tab) {
                        Click(GetDlgItem(child, visit.button));
                    }
                }
                Press(dialog, IDOK);
            },
            EveryDialog());
        Command(ID_OPTIONS);
        ASSERT_EQ(1u, driver.Seen().size());
        EXPECT_EQ(visit.downPayment, FieldText(carLoan, 0));
        EXPECT_EQ(1, tip.Step());
        EXPECT_EQ(Currency() + visit.bill, tip.BillText());
        EXPECT_EQ(Currency() + visit.total, tip.TotalText());
    }
}

// The Size choice of the general tab is made when the dialog closes: the window and its
// pages are laid out again for the new dpi, as later the menu's Size commands do.
TEST_F(FrameTest, OptionsSizeChoiceLaysTheWindowOutAgain) {
    CZoqDesktop::Begin(nullptr, nullptr, 100);
    ASSERT_EQ(1, CZoqDesktop::Attach(m_frame->Handle()));
    const struct {
        int click;
        int size;
    } rows[] = {{IDC_SIZE_200, 200}, {IDC_SIZE_150, 150}, {IDC_SIZE_100, 100}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        int checked = -1;
        CZoqModalWatch driver(
            [&](HWND dialog) {
                const int shown = CZoqDesktop::Size();
                checked = SendMessageW(TabControlWith(dialog, IDC_SIZE_100 + (shown == 100   ? 0
                                                                              : shown == 150 ? 1
                                                                                             : 2)),
                                       BM_GETCHECK, 0, 0) == BST_CHECKED;
                Click(TabControlWith(dialog, row.click));
                Press(dialog, IDOK);
            },
            EveryDialog());
        Command(ID_OPTIONS);
        EXPECT_EQ(1, checked);
        EXPECT_EQ(row.size, CZoqDesktop::Size());
        RECT client;
        GetClientRect(m_frame->Handle(), &client);
        EXPECT_EQ(240 * row.size / 100, client.right);
        // "Next" is 60 x 24 pixels at 96 dpi, 4 from the right edge.
        const RECT next = m_frame->MortgagePage().NextRect();
        EXPECT_EQ(60 * row.size / 100, next.right - next.left);
        EXPECT_EQ(24 * row.size / 100, next.bottom - next.top);
        RECT page;
        GetClientRect(m_frame->MortgagePage().Handle(), &page);
        EXPECT_EQ(page.right - 4 * row.size / 100, next.right);
    }
    CZoqDesktop::Detach();
    CZoqScreen::SetDpi(0);
}

TEST_F(FrameTest, OptionsChangeTheModels) {
    CZoqModalWatch driver(
        [&](HWND dialog) {
            // "Don't automatically show the SIP", the lease option, the third schedule and a
            // point price of 1.5 %.
            Click(TabControlWith(dialog, IDC_NO_SIP));
            HWND payTax = TabControlWith(dialog, IDC_PAY_TAX_CAP);
            SendMessageW(payTax, BM_SETCHECK, BST_CHECKED, 0);
            for (auto [id, position] :
                 {std::pair{IDC_SCHEDULE, 2}, std::pair{IDC_POINT_COST, 15}}) {
                HWND list = TabControlWith(dialog, id);
                SendMessageW(list, CB_SETCURSEL, position, 0);
                SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }
            EXPECT_EQ(0, m_models->lease.PayTaxOnCapitalCost()) << "taken only when it closes";
            Press(dialog, IDOK);
        },
        EveryDialog());
    ASSERT_EQ(1, m_frame->AutoSip());
    Command(ID_OPTIONS);
    ASSERT_EQ(1u, driver.Seen().size());
    EXPECT_EQ(0, m_frame->AutoSip());
    EXPECT_EQ(1, m_models->lease.PayTaxOnCapitalCost());
    EXPECT_EQ(2, m_models->mortgage.Schedule());
    EXPECT_DOUBLE_EQ(1.5, m_models->mortgage.CostPerPoint());
    Stop();
    EXPECT_EQ(0, LoadAutoSip(m_store)) << "written when the main window goes";
}

TEST_F(FrameTest, EveryOptionAndTheAboutBoxFitEveryScreen) {
    struct Screen {
        int width;
        int height;
    };
    const Screen screens[] = {{240, 320}, {320, 240}, {240, 240}};
    for (const Screen& screen : screens) {
        SCOPED_TRACE(testing::Message() << screen.width << " x " << screen.height);
        Stop();
        Start(screen.width, screen.height);
        int tabs = 0;
        CZoqModalWatch driver(
            [&](HWND dialog) {
                for (HWND tab = GetWindow(dialog, GW_CHILD); tab;
                     tab = GetWindow(tab, GW_HWNDNEXT)) {
                    if (!GetDlgItem(tab, IDC_TAB_CAPTION)) {
                        continue; // the tab control
                    }
                    ++tabs;
                    wchar_t caption[64] = {};
                    GetDlgItemTextW(tab, IDC_TAB_CAPTION, caption, 64);
                    SCOPED_TRACE(testing::Message() << "tab " << caption);
                    // Scrolled to its end, the tab shows its lowest control whole.
                    SendMessageW(tab, WM_VSCROLL, SB_BOTTOM, 0);
                    RECT client;
                    GetClientRect(tab, &client);
                    LONG lowest = 0;
                    for (HWND control = GetWindow(tab, GW_CHILD); control;
                         control = GetWindow(control, GW_HWNDNEXT)) {
                        RECT rect;
                        GetWindowRect(control, &rect);
                        MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&rect), 2);
                        lowest = std::max(lowest, rect.bottom);
                    }
                    EXPECT_LE(lowest, client.bottom);
                    // Back at its start the caption stands where the template put it.
                    SendMessageW(tab, WM_VSCROLL, SB_TOP, 0);
                    RECT top;
                    GetWindowRect(GetDlgItem(tab, IDC_TAB_CAPTION), &top);
                    MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&top), 2);
                    EXPECT_GT(top.top, 0);
                    EXPECT_LT(top.top, 20);
                }
                Press(dialog, IDOK);
            },
            EveryDialog());
        Command(ID_OPTIONS);
        EXPECT_EQ(COptionsDialog::kTabCount, tabs);

        // The about box's "Done" stands whole on the screen too.
        LONG doneBottom = 0;
        RECT client = {};
        CZoqModalWatch about(
            [&](HWND dialog) {
                GetClientRect(dialog, &client);
                RECT done;
                GetWindowRect(GetDlgItem(dialog, IDOK), &done);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&done), 2);
                doneBottom = done.bottom;
                Press(dialog, IDOK);
            },
            EveryDialog());
        Command(ID_ABOUT);
        ASSERT_EQ(1u, about.Seen().size());
        EXPECT_LE(doneBottom, client.bottom) << "about box";
    }
}

TEST_F(FrameTest, AboutBoxAndExit) {
    HWND icon = nullptr;
    std::wstring name;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            icon = GetDlgItem(dialog, IDC_ABOUT_ICON);
            wchar_t text[64] = {};
            GetDlgItemTextW(dialog, IDC_ABOUT_NAME, text, 64);
            name = text;
            Press(dialog, IDOK);
        },
        EveryDialog());
    SendMessageW(m_frame->Handle(), WM_COMMAND, ID_ABOUT, 0); // what Ctrl+A sends
    ASSERT_EQ(1u, driver.Seen().size());
    EXPECT_EQ(L"About Fiscora", driver.Seen()[0]);
    EXPECT_NE(nullptr, icon);
    EXPECT_EQ(L"Fiscora", name);

    HWND main = m_frame->Handle();
    SendMessageW(main, WM_COMMAND, IDOK, 0); // what Ctrl+Q sends
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(FrameTest, AcceleratorsGiveAboutAndExit) {
    HACCEL accelerators =
        LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
    ASSERT_NE(nullptr, accelerators);
    ACCEL entries[4] = {};
    const int count = CopyAcceleratorTableW(accelerators, entries, 4);
    ASSERT_EQ(2, count);
    EXPECT_EQ('A', entries[0].key);
    EXPECT_EQ(ID_ABOUT, entries[0].cmd);
    EXPECT_EQ('Q', entries[1].key);
    EXPECT_EQ(IDOK, entries[1].cmd);
    for (const ACCEL& entry : entries) {
        if (entry.cmd) {
            EXPECT_EQ(FCONTROL | FVIRTKEY, entry.fVirt & (FCONTROL | FVIRTKEY));
        }
    }
}

} // namespace
