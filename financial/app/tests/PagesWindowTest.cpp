#include "financial/app/CarLoanPage.h"
#include "ce/ZoqGdiScope.h"
#include "financial/app/LeasePage.h"
#include "financial/app/MoneyText.h"
#include "financial/app/MortgagePage.h"
#include "financial/app/PageContext.h"
#include "financial/app/TipPage.h"
#include "financial/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "financial/app/tests/FrameFixture.h"
#include "financial/models/FinancialOptions.h"

#include <commctrl.h>

#include <algorithm>

namespace {

class PagesWindowTest : public CFrameFixture {
protected:
    void Select(Calculator calculator) {
        SendMessageW(m_frame->Handle(), kMsgSelectCalculator, static_cast<WPARAM>(calculator), 0);
        Pump();
        ASSERT_EQ(calculator, m_frame->Current());
    }
    void Choose(HWND page, int listId, int position) {
        SendDlgItemMessageW(page, listId, CB_SETCURSEL, position, 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(page, listId)));
        Pump();
    }
    // Red pixels of the "(*) Required Field" note, which stands between the buttons.
    static int RequiredNotePixels(const CWizardPage& page) {
        UpdateWindow(page.Handle());
        const RECT back = page.BackRect();
        const RECT next = page.NextRect();
        CZoqClientDC dc(page.Handle());
        int red = 0;
        for (int y = back.top; y < back.bottom; ++y) {
            for (int x = back.right + 1; x < next.left; ++x) {
                const COLORREF pixel = GetPixel(dc.Get(), x, y);
                red += GetRValue(pixel) > 200 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90;
            }
        }
        return red;
    }
    // The face of a font; empty for no font, which would draw in the system font.
    static std::wstring FaceOf(HFONT font) {
        LOGFONTW info = {};
        return font && GetObjectW(font, sizeof info, &info) ? info.lfFaceName : L"";
    }
};

TEST_F(PagesWindowTest, CarLoanExampleShowsItsTotals) {
    Select(Calculator::CarLoan);
    CCarLoanPage& page = m_frame->CarLoanPage();
    Type(page, 0, L"20000");
    Type(page, 1, L"7");
    Type(page, 3, L"0");
    Type(page, 4, L"0");
    EXPECT_EQ(L"1400.00", FieldText(page, 2)) << "the tax follows each field that loses the focus";
    PressNext(page);
    ASSERT_EQ(1, page.Step());
    EXPECT_EQ(m_frame->Handle(), GetFocus())
        << "a tap on the page sends the arrow keys to Next/Back";
    Type(page, 0, L"0");
    Type(page, 3, L"60");
    Type(page, 4, L"6");
    PressNext(page);
    ASSERT_EQ(2, page.Step());
    const wchar_t* const expected[] = {L"21400.00", L"3423.31", L"24823.31", L"413.72",
                                       L"20000.00"};
    for (int field = 0; field < 5; ++field) {
        SCOPED_TRACE(testing::Message() << "TOTALS field " << field);
        EXPECT_EQ(expected[field], FieldText(page, field));
        EXPECT_EQ(1, IsReadOnly(page, field));
    }
    PressBack(page);
    EXPECT_EQ(1, page.Step());
    EXPECT_EQ(L"60", FieldText(page, 3)) << "going back shows that step's values again";
    EXPECT_EQ(0, IsReadOnly(page, 0));
}

TEST_F(PagesWindowTest, NextOnTheLastStepAndBackOnTheFirstDoNothing) {
    for (Calculator calculator :
         {Calculator::CarLoan, Calculator::Lease, Calculator::Mortgage, Calculator::Tip}) {
        SCOPED_TRACE(testing::Message() << "calculator " << static_cast<int>(calculator));
        CWizardPage& page = *m_frame->Page(calculator);
        Select(calculator);
        PressBack(page);
        EXPECT_EQ(0, page.Step());
        for (int step = 0; step < page.StepCount(); ++step) {
            if (step > 0) {
                PressNext(page);
            }
            ASSERT_EQ(step, page.Step());
            // Every step of fields carries the note, even one with no required field.
            if (StepOf(calculator, step)->hasFields) {
                EXPECT_LT(0, RequiredNotePixels(page)) << "step " << step;
            }
        }
        // On the mortgage's last step its result buttons stand where "Next" was: the
        // wizard message and the arrow key reach "Next" there.
        SendMessageW(page.Handle(), kMsgNext, 0, 0);
        EXPECT_EQ(page.StepCount() - 1, page.Step());
        EXPECT_EQ(0, page.Next());
        SendMessageW(m_frame->Handle(), WM_KEYUP, VK_RIGHT, 0);
        EXPECT_EQ(page.StepCount() - 1, page.Step());
        SendMessageW(m_frame->Handle(), WM_KEYUP, VK_LEFT, 0);
        EXPECT_EQ(page.StepCount() - 2, page.Step()) << "the left arrow is Back";
    }
}

TEST_F(PagesWindowTest, MortgageRatesCheckShowsItsMessageAndStays) {
    CMortgagePage& page = m_frame->MortgagePage();
    Type(page, 2, L"6");
    Type(page, 3, L"1");
    Type(page, 4, L"6");
    std::wstring text;
    CZoqModalWatch driver(
        [&](HWND box) {
            text = MessageText(box);
            Press(box, IDOK);
        },
        EveryDialog());
    PressNext(page);
    Pump();
    ASSERT_EQ(1u, driver.Seen().size());
    EXPECT_EQ(L"Interest Rates Error", driver.Seen()[0]);
    EXPECT_EQ(L"The Points Interest Rate must be lower than the Mortgage interest Rate and The "
              L"Mortage Interest Rate must be greater than 0.",
              text);
    EXPECT_EQ(0, page.Step());
    EXPECT_EQ(0, driver.TimedOut());
    EXPECT_EQ(0.0, m_models->mortgage.AnnualRateWithPoints())
        << "the refused step leaves the model as it was, for a profile saved now";
    EXPECT_EQ(0, m_models->mortgage.Points());

    Type(page, 4, L"5.5");
    PressNext(page);
    EXPECT_EQ(1, page.Step());
    EXPECT_EQ(1u, driver.Seen().size()) << "a lower points rate passes";
}

TEST_F(PagesWindowTest, MortgageResultsAndAmortizationList) {
    CMortgagePage& page = m_frame->MortgagePage();
    EXPECT_EQ(L"250000.00", FieldText(page, 0));
    EXPECT_EQ(L"25", FieldText(page, 1));
    EXPECT_EQ(L"5", FieldText(page, 2));
    PressNext(page);
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(3, page.Step());
    for (int field = 0; field < 5; ++field) {
        EXPECT_EQ(0, IsShown(Field(page, field))) << "the results are drawn, not fields";
    }
    const std::wstring money = Currency();
    struct Row {
        const wchar_t* label;
        std::wstring value;
    };
    const Row rows[] = {
        {L"Payment Schedule:", L"Monthly"},
        {L"Term:", L"25 Years"},
        {L"Principle:", money + L"250000.00"},
        {L"Interest:", L"5%"},
        {L"Payment Amount:", money + L"1461.48"},
        {L"Recurring Costs:", money + L"0.00"},
        {L"Total Payments:", L"300"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << row.label);
        int found = -1;
        for (int i = 0; i < page.ResultRowCount(); ++i) {
            if (std::wstring(page.ResultLabel(i)) == row.label) {
                found = i;
            }
        }
        ASSERT_NE(-1, found);
        EXPECT_EQ(row.value, page.ResultValue(found));
    }
    ASSERT_EQ(2, page.ResultButtonCount());
    EXPECT_STREQ(L"Amortize", page.ResultButtonLabel(1));
    EXPECT_EQ(L"Tahoma", FaceOf(page.ResultButtonFont())) << "the buttons share the page's font";

    int count = 0;
    std::wstring first[4], last[4];
    CZoqModalWatch driver(
        [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_AMORT_LIST);
            count = ListView_GetItemCount(list);
            wchar_t cell[32];
            for (int column = 0; column < 4; ++column) {
                ListView_GetItemText(list, 0, column, cell, 32);
                first[column] = cell;
                ListView_GetItemText(list, count - 1, column, cell, 32);
                last[column] = cell;
            }
            Press(dialog, IDOK);
        },
        EveryDialog());
    Tap(page.Handle(), page.ResultButtonRect(1));
    ASSERT_EQ(1u, driver.Seen().size());
    EXPECT_EQ(L"Amortization", driver.Seen()[0]);
    EXPECT_EQ(300, count);
    EXPECT_EQ(L"1", first[0]);
    EXPECT_EQ(L"250000.00", first[1]);
    EXPECT_EQ(L"1041.67", first[2]);
    EXPECT_EQ(L"419.81", first[3]);
    EXPECT_EQ(L"300", last[0]);

    Tap(page.Handle(), page.ResultButtonRect(0)); // "Reset"
    EXPECT_EQ(0, page.Step());
    EXPECT_EQ(1, IsShown(Field(page, 0)));
}

// The four columns share the list's client width beside its vertical scroll bar: no
// horizontal scroll bar, nothing of the last column ("Principle") hidden, and each
// column wide enough for its title and its widest figure.
TEST_F(PagesWindowTest, AmortizationColumnsFitTheListOnEveryScreen) {
    struct Screen {
        int width;
        int height;
    };
    const Screen screens[] = {{240, 320}, {320, 240}, {240, 240}, {480, 640}};
    for (const Screen& screen : screens) {
        SCOPED_TRACE(testing::Message() << screen.width << " x " << screen.height);
        Stop();
        Start(screen.width, screen.height);
        CMortgagePage& page = m_frame->MortgagePage();
        Type(page, 1, L"30"); // 360 rows: the list needs its vertical scroll bar
        PressNext(page);
        PressNext(page);
        PressNext(page);
        ASSERT_EQ(3, page.Step());
        int checked = 0;
        CZoqModalWatch driver(
            [&](HWND dialog) {
                HWND list = GetDlgItem(dialog, IDC_AMORT_LIST);
                const LONG style = GetWindowLongW(list, GWL_STYLE);
                EXPECT_NE(0, style & WS_VSCROLL);
                EXPECT_EQ(0, style & WS_HSCROLL) << "a horizontal scroll bar";
                RECT client;
                GetClientRect(list, &client);
                HWND header = ListView_GetHeader(list);
                ASSERT_EQ(4, Header_GetItemCount(header));
                int right = 0;
                const wchar_t* widest[4] = {L"360", L"250000.00", L"1041.67", L"Principle"};
                for (int column = 0; column < 4; ++column) {
                    SCOPED_TRACE(column);
                    RECT item;
                    ASSERT_TRUE(Header_GetItemRect(header, column, &item));
                    EXPECT_EQ(right, item.left);
                    right = item.right;
                    wchar_t title[32] = {};
                    LVCOLUMNW info = {};
                    info.mask = LVCF_TEXT;
                    info.pszText = title;
                    info.cchTextMax = 32;
                    ASSERT_TRUE(ListView_GetColumn(list, column, &info));
                    const int needed = std::max(ListView_GetStringWidth(list, title),
                                                ListView_GetStringWidth(list, widest[column]));
                    EXPECT_GE(item.right - item.left, needed + 6) << "too narrow for its text";
                }
                EXPECT_LE(right, client.right) << "the last column runs under the scroll bar";
                EXPECT_GE(right, client.right - 4) << "the columns leave the list partly empty";
                ++checked;
                Press(dialog, IDOK);
            },
            EveryDialog());
        Tap(page.Handle(), page.ResultButtonRect(1)); // "Amortize"
        EXPECT_EQ(1, checked);
    }
}

// A term of 0 years after a calculation gives no payments: the results show nothing
// of the earlier loan, and the list is empty.
TEST_F(PagesWindowTest, ZeroYearTermAfterACalculationShowsNoOldFigures) {
    CMortgagePage& page = m_frame->MortgagePage();
    PressNext(page);
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(3, page.Step());
    PressBack(page);
    PressBack(page);
    PressBack(page);
    ASSERT_EQ(0, page.Step());
    Type(page, 1, L"0");
    PressNext(page);
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(3, page.Step());
    const std::wstring zero = Currency() + L"0.00";
    const struct {
        const wchar_t* label;
        std::wstring value;
    } rows[] = {
        {L"Term:", L"0 Years"},     {L"Interest Paid:", zero},  {L"Sum of Payments:", zero},
        {L"Payment Amount:", zero}, {L"Total Payments:", L"0"}, {L"Total:", zero},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << row.label);
        int found = -1;
        for (int i = 0; i < page.ResultRowCount(); ++i) {
            if (std::wstring(page.ResultLabel(i)) == row.label) {
                found = i;
            }
        }
        ASSERT_NE(-1, found);
        EXPECT_EQ(row.value, page.ResultValue(found));
    }
    int rowsListed = -1;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            rowsListed = ListView_GetItemCount(GetDlgItem(dialog, IDC_AMORT_LIST));
            Press(dialog, IDOK);
        },
        EveryDialog());
    Tap(page.Handle(), page.ResultButtonRect(1)); // "Amortize"
    EXPECT_EQ(0, rowsListed);
}

TEST_F(PagesWindowTest, MortgageWithPointsComparesAndAmortizes) {
    CMortgagePage& page = m_frame->MortgagePage();
    Type(page, 0, L"200000");
    Type(page, 3, L"2");
    Type(page, 4, L"4.5");
    PressNext(page);
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(3, page.Step());
    ASSERT_EQ(3, page.ResultButtonCount());
    EXPECT_STREQ(L"Points", page.ResultButtonLabel(1));
    EXPECT_STREQ(L"NoPoints", page.ResultButtonLabel(2));
    EXPECT_EQ(L"Tahoma", FaceOf(page.ResultButtonFont()));
    EXPECT_STREQ(L"Monthly Payments", page.ResultLabel(0));
    EXPECT_STREQ(L"Cost of Points:", page.ResultLabel(5));
    EXPECT_EQ(Currency() + L"4000.00", page.ResultValue(5)) << "2 points at 1 % of 200000";
    EXPECT_STREQ(L"300", page.ResultValue(6));

    int rows = 0;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            rows = ListView_GetItemCount(GetDlgItem(dialog, IDC_AMORT_LIST));
            Press(dialog, IDOK);
        },
        EveryDialog());
    Tap(page.Handle(), page.ResultButtonRect(2)); // "NoPoints"
    EXPECT_EQ(300, rows);
    EXPECT_EQ(0, m_models->mortgage.UsePoints());
    Tap(page.Handle(), page.ResultButtonRect(1)); // "Points"
    EXPECT_EQ(1, m_models->mortgage.UsePoints());
    EXPECT_EQ(2u, driver.Seen().size());
}

TEST_F(PagesWindowTest, TipExampleOnTheKeypad) {
    Tap(m_frame->Handle(), m_frame->Selector().ButtonRect(Calculator::Tip));
    ASSERT_EQ(Calculator::Tip, m_frame->Current());
    CTipPage& page = m_frame->TipPage();
    EXPECT_EQ(0, IsShown(GetDlgItem(page.Handle(), IDC_TIP_PEOPLE)));
    for (TipKey key : {TipKey::Digit0, TipKey::Digit8, TipKey::Digit0, TipKey::Point}) {
        Tap(page.Handle(), page.KeyRect(key));
    }
    EXPECT_STREQ(L"80.", page.EntryText()) << "a lone leading 0 gives way to the next digit";
    PressNext(page);
    ASSERT_EQ(1, page.Step());
    EXPECT_EQ(1, IsShown(GetDlgItem(page.Handle(), IDC_TIP_PEOPLE)));
    EXPECT_EQ(1, IsShown(GetDlgItem(page.Handle(), IDC_TIP_PERCENT)));
    Choose(page.Handle(), IDC_TIP_PERCENT, 15);
    Choose(page.Handle(), IDC_TIP_PEOPLE, 2);
    const std::wstring money = Currency();
    EXPECT_EQ(money + L"80.00", page.BillText());
    EXPECT_EQ(money + L"12.00", page.TipText());
    EXPECT_EQ(money + L"92.00", page.TotalText());
    EXPECT_EQ(money + L"30.66", page.PerPersonText());
    PressBack(page);
    EXPECT_EQ(0, page.Step());
    EXPECT_EQ(0, IsShown(GetDlgItem(page.Handle(), IDC_TIP_PERCENT)));
}

TEST_F(PagesWindowTest, LeaseRateAndMoneyFactorFollowEachOther) {
    Select(Calculator::Lease);
    CLeasePage& page = m_frame->LeasePage();
    Type(page, 0, L"30000");
    Type(page, 1, L"8");
    Type(page, 4, L"15000");
    PressNext(page);
    ASSERT_EQ(1, page.Step());
    Type(page, 2, L"36");
    Type(page, 3, L"6");
    SetFocus(Field(page, 4)); // the rate field loses the focus
    Pump();
    EXPECT_EQ(L"0.0025", FieldText(page, 4));
    Type(page, 4, L"0.00125");
    SetFocus(Field(page, 0)); // the money factor loses it
    Pump();
    EXPECT_EQ(L"3", FieldText(page, 3));
    Type(page, 3, L"6");
    PressNext(page);
    ASSERT_EQ(2, page.Step());
    EXPECT_EQ(L"112.50", FieldText(page, 3)) << "monthly interest (30000 + 15000) x 0.0025";
    EXPECT_EQ(L"416.66", FieldText(page, 2)) << "monthly depreciation, cut to cents";

    // Passing through the money factor keeps the rate its twelve digits only approximate.
    PressBack(page);
    Type(page, 3, L"6.5");
    SetFocus(Field(page, 4));
    SetFocus(Field(page, 0));
    Pump();
    EXPECT_EQ(L"6.5", FieldText(page, 3));

    // A money factor still being typed, its field focused, is taken by Enter and by a
    // profile saved from the menu bar as well as by a tap.
    struct Leave {
        const char* how;
        int command; // sent to the page (Enter) or to the main window
        int toPage;
    };
    const Leave leaves[] = {{"Enter", IDOK, 1}, {"Save Profile 1", ID_SAVE_PROFILE1, 0}};
    for (const Leave& leave : leaves) {
        SCOPED_TRACE(leave.how);
        Type(page, 3, L"6");
        Type(page, 4, L"0.002");
        ASSERT_EQ(Field(page, 4), GetFocus());
        SendMessageW(leave.toPage ? page.Handle() : m_frame->Handle(), WM_COMMAND, leave.command,
                     0);
        Pump();
        EXPECT_DOUBLE_EQ(4.8, m_models->lease.Interest());
        CLeaseModel stored;
        stored.LoadProfile(m_store, 1);
        if (!leave.toPage) {
            EXPECT_DOUBLE_EQ(4.8, stored.Interest()) << "the profile holds the typed factor";
        }
        if (page.Step() != 1) {
            PressBack(page);
        }
        EXPECT_EQ(L"4.8", FieldText(page, 3));
    }
}

TEST_F(PagesWindowTest, FieldFocusRaisesThePanelOnlyWithAutoSip) {
    struct Case {
        int autoSip;
        int field;
        int raised;
    };
    const Case cases[] = {{1, 0, 1}, {0, 0, 0}, {1, 2, 0}}; // field 2 ("Tax") is read-only
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "AutoSip " << c.autoSip << " field " << c.field);
        Stop();
        SaveAutoSip(m_store, c.autoSip);
        Start();
        Select(Calculator::CarLoan);
        CZoqSip::Show(nullptr, CZoqSip::kLower);
        SetFocus(Field(m_frame->CarLoanPage(), c.field));
        Pump();
        EXPECT_EQ(c.raised, CZoqSip::IsRaised());
    }
}

TEST_F(PagesWindowTest, MovingOntoAResultStepLowersThePanel) {
    Select(Calculator::CarLoan);
    CCarLoanPage& page = m_frame->CarLoanPage();
    PressNext(page);
    CZoqSip::Show(nullptr, CZoqSip::kRaise);
    PressNext(page);
    ASSERT_EQ(2, page.Step());
    EXPECT_EQ(0, CZoqSip::IsRaised());
}

} // namespace

namespace {

// The result row with this label, or "" when the page shows none.
std::wstring ResultOf(const CMortgagePage& page, const wchar_t* label) {
    for (int i = 0; i < page.ResultRowCount(); ++i) {
        if (std::wstring(page.ResultLabel(i)) == label) {
            return page.ResultValue(i);
        }
    }
    return L"";
}

} // namespace

TEST_F(PagesWindowTest, MortgageExtraPaymentsShowTheSavingAndTheRate) {
    CMortgagePage& page = m_frame->MortgagePage();
    PressNext(page);
    PressNext(page);
    ASSERT_EQ(2, page.Step());
    EXPECT_EQ(1, IsShown(Field(page, 2)));
    EXPECT_EQ(0, IsShown(Field(page, 4))) << "the step has four fields";
    EXPECT_EQ(1, IsReadOnly(page, 3));
    Type(page, 0, L"200");
    Type(page, 1, L"250000.01"); // more than the loan: refused
    Type(page, 2, L"12");
    PressNext(page);
    ASSERT_EQ(3, page.Step());

    // The same loan worked out by the model directly.
    CMortgageModel expected;
    ASSERT_EQ(1, expected.SetPrincipal(250000));
    ASSERT_EQ(1, expected.SetTerm(25));
    ASSERT_EQ(1, expected.SetInterestRate(5));
    ASSERT_EQ(1, expected.SetExtraPayment(200));
    ASSERT_EQ(1, expected.SetLumpSumPeriod(12));
    ASSERT_EQ(1, expected.Recalculate());
    SMortgageSavings savings;
    ASSERT_EQ(1, expected.Savings(&savings));
    ASSERT_GT(savings.periodsSaved, 0);
    EXPECT_EQ(200.0, m_models->mortgage.ExtraPayment());
    EXPECT_EQ(0.0, m_models->mortgage.LumpSum());
    EXPECT_EQ(12, m_models->mortgage.LumpSumPeriod());

    EXPECT_EQ(L"5%", ResultOf(page, L"APR:")) << "no points: the note rate";
    EXPECT_EQ(std::to_wstring(savings.periods) + L" Payments", ResultOf(page, L"Paid Off After:"));
    EXPECT_EQ(std::to_wstring(savings.periodsSaved), ResultOf(page, L"Payments Saved:"));
    wchar_t cents[48];
    FormatCents(savings.interestSaved, cents, 48);
    EXPECT_EQ(Currency() + cents, ResultOf(page, L"Interest Saved:"));

    int listed = -1;
    std::wstring lastBalance;
    CZoqModalWatch driver(
        [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_AMORT_LIST);
            listed = ListView_GetItemCount(list);
            wchar_t cell[32] = {};
            ListView_GetItemText(list, listed - 1, 1, cell, 32);
            lastBalance = cell;
            Press(dialog, IDOK);
        },
        EveryDialog());
    Tap(page.Handle(), page.ResultButtonRect(1)); // "Amortize"
    EXPECT_EQ(savings.periods, listed) << "the list ends with the payment that clears the loan";
    FormatCents(expected.BalanceAt(savings.periods - 1), cents, 48);
    EXPECT_EQ(cents, lastBalance);

    PressBack(page);
    ASSERT_EQ(2, page.Step());
    EXPECT_EQ(L"200.00", FieldText(page, 0));
    EXPECT_EQ(L"0.00", FieldText(page, 1)) << "the refused lump sum is not shown";
    Type(page, 0, L"0");
    PressNext(page);
    EXPECT_EQ(L"", ResultOf(page, L"Payments Saved:")) << "no extra payments, no saving";
    EXPECT_EQ(L"5%", ResultOf(page, L"APR:"));
}
