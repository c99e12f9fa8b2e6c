#include "financial/app/MortgagePage.h"

#include "financial/app/AmortizationDialog.h"
#include "financial/app/FinDraw.h"
#include "financial/app/MoneyText.h"
#include "financial/app/resource.h"
#include "ui/ZoqString.h"

#include <initializer_list>
#include <algorithm>
#include <cwchar>

namespace {
enum { kMortgage = 0, kResults = 3 };
// Messages of the result step's buttons, posted to the page.
constexpr UINT kMsgReset = WM_USER + 1;
constexpr UINT kMsgAmortize = WM_USER + 2;
constexpr UINT kMsgPoints = WM_USER + 3;
constexpr UINT kMsgNoPoints = WM_USER + 4;
constexpr COLORREF kTextColour = RGB(0, 0, 0);
} // namespace

CMortgagePage::CMortgagePage(SPageContext& context)
    : CModelStepsPage(Calculator::Mortgage, context) {}

CMortgagePage::~CMortgagePage() {
    Destroy();
}

void CMortgagePage::OnInitPage() {
    Model().Clear();
}

// ---------------------------------------------------------------- steps

// Amounts below 0 or above the principal are refused as every other bad value is:
// the field shows the model's value again. The principal goes first (the table's
// order): the cost of the points is a share of it. Rates that fail the check are
// refused as a whole: the model keeps what it had, so that neither a profile saved
// now nor the key written at exit holds them.
int CMortgagePage::TakeStep(int step) {
    if (IsResultStep(step)) {
        return 1;
    }
    CMortgageModel& model = Model();
    if (step != kMortgage) {
        TakeFields(step);
        model.Recalculate();
        return 1;
    }
    const CMortgageModel before = model;
    TakeFields(step);
    model.Recalculate();
    if (!model.InterestRatesAreValid()) {
        model = before;
        return 0;
    }
    return 1;
}

void CMortgagePage::StepRefused(int step) {
    if (step == kMortgage) {
        MessageBoxW(m_context.frame, kInterestRatesErrorText, kInterestRatesErrorCaption,
                    MB_OK | MB_ICONEXCLAMATION);
    }
}

void CMortgagePage::ShowStep() {
    CFieldStepsPage::ShowStep();
    if (m_step == kResults) {
        BuildResults();
    }
    LayoutResultButtons();
}

// ---------------------------------------------------------------- result buttons

void CMortgagePage::ResetCalculator() {
    Model().Clear();
    GoToStep(kMortgage);
    ShowStep();
}

void CMortgagePage::AmortizeWithPoints(EPointsView view) {
    Model().SetUsePoints(view == kWithPoints);
    Model().Recalculate();
    Amortize();
}

void CMortgagePage::Amortize() {
    CAmortizationDialog dialog(Model());
    dialog.DoModal(Instance(), IDD_AMORTIZATION, m_context.frame);
}

int CMortgagePage::UserMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case kMsgReset:
        ResetCalculator();
        return 1;
    case kMsgAmortize:
        Amortize();
        return 1;
    case kMsgPoints:
        AmortizeWithPoints(kWithPoints);
        return 1;
    case kMsgNoPoints:
        AmortizeWithPoints(kWithoutPoints);
        return 1;
    default:
        return 0;
    }
}

int CMortgagePage::ResultButtonCount() const {
    return m_step != kResults ? 0 : (m_pointsView ? 3 : 2);
}

void CMortgagePage::LayoutResultButtons() {
    const int count = ResultButtonCount();
    if (count == 0 || m_width <= 0) {
        return;
    }
    // The row right of "Back": "Reset" and one or two buttons, where "Next" stands on
    // the input steps.
    const RECT back = BackRect();
    const int gap = Scaled(4);
    const int left = back.right + gap;
    const int width = (m_width - gap - left - (count - 1) * gap) / count;
    static const wchar_t* const kPlain[] = {L"Reset", L"Amortize"};
    static const wchar_t* const kPoints[] = {L"Reset", L"Points", L"NoPoints"};
    static const UINT kPlainMessages[] = {kMsgReset, kMsgAmortize};
    static const UINT kPointsMessages[] = {kMsgReset, kMsgPoints, kMsgNoPoints};
    for (int i = 0; i < count; ++i) {
        RECT rect = {left + i * (width + gap), back.top, left + i * (width + gap) + width,
                     back.bottom};
        m_results[i].Create(rect, m_pointsView ? kPoints[i] : kPlain[i], Handle(),
                            m_pointsView ? kPointsMessages[i] : kPlainMessages[i], m_top, m_bottom);
    }
    // "Back" and the result buttons share one font, the page's own where every label
    // fits ("NoPoints" may not on a narrow screen).
    m_buttonFont = CPageButton::FittingFont(m_results, count, m_font.Get(), m_smallFont.Get());
}

void CMortgagePage::StylusDownOnStep(int step, POINT point) {
    for (int i = 0; step == kResults && i < ResultButtonCount(); ++i) {
        if (m_results[i].OnLButtonDown(point)) {
            return;
        }
    }
}

void CMortgagePage::StylusUpOnStep(int step, POINT point) {
    for (int i = 0; step == kResults && i < ResultButtonCount(); ++i) {
        if (m_results[i].OnLButtonUp(point)) {
            return;
        }
    }
}

void CMortgagePage::MouseMoveOnStep(int step, POINT point) {
    for (int i = 0; step == kResults && i < ResultButtonCount(); ++i) {
        m_results[i].OnMouseMove(point);
    }
}

// ---------------------------------------------------------------- results

void CMortgagePage::MoneyText(wchar_t* out, double value) const {
    wchar_t cents[kValueChars];
    FormatCents(value, cents, kValueChars);
    swprintf(out, kValueChars, L"%ls%ls", m_context.currency, cents);
}

CMortgagePage::SRow& CMortgagePage::AddRow(const wchar_t* label, int bold) {
    SRow& row = m_rows[m_rowCount < kMaxRows ? m_rowCount++ : kMaxRows - 1];
    row.label = label;
    row.value[0] = L'\0';
    row.bold = bold;
    row.heading = 0;
    return row;
}

const wchar_t* CMortgagePage::ResultLabel(int row) const {
    return row >= 0 && row < m_rowCount ? m_rows[row].label : L"";
}

const wchar_t* CMortgagePage::ResultValue(int row) const {
    return row >= 0 && row < m_rowCount ? m_rows[row].value : L"";
}

// The figures are worked out once when the step is entered (the comparison even
// recalculates the model twice); painting only draws them.
void CMortgagePage::BuildResults() {
    m_rowCount = 0;
    m_pointsView = Model().UsePoints();
    if (m_pointsView) {
        BuildPointsResults();
    } else {
        BuildPlainResults();
    }
}

void CMortgagePage::BuildPlainResults() {
    CMortgageModel& model = Model();
    CZoqString* strings = CZoqString::GetInstance();
    wchar_t number[CZoqString::kNumberCapacity];
    const int schedule = model.Schedule();
    swprintf(AddRow(L"Payment Schedule:").value, kValueChars, L"%ls",
             IsMortgageSchedule(schedule) ? kMortgageSchedules[schedule].resultLabel : L"");
    strings->FormatNumber(number, model.Term(), 4, CZoqString::kNumberCapacity);
    swprintf(AddRow(L"Term:").value, kValueChars, L"%ls Years", number);
    MoneyText(AddRow(L"Principle:").value, model.Principal());
    strings->FormatNumber(number, model.SelectedAnnualRate() * 100, 4, CZoqString::kNumberCapacity);
    swprintf(AddRow(L"Interest:").value, kValueChars, L"%ls%%", number);
    MoneyText(AddRow(L"Interest Paid:").value, model.Total(MortgageTotal::InterestPaid));
    MoneyText(AddRow(L"Sum of Payments:").value, model.Total(MortgageTotal::SumOfPayments));
    const double extras = model.RecurringCosts() + model.Insurance() + model.PropertyTax();
    MoneyText(AddRow(L"Payment Amount:").value, model.PaymentAmount() + extras);
    MoneyText(AddRow(L"Recurring Costs:").value, extras);
    swprintf(AddRow(L"Total Payments:", 1).value, kValueChars, L"%i", model.PaymentCount());
    MoneyText(AddRow(L"Total:", 1).value, model.Total(MortgageTotal::Grand));
    AddSavingsRows();
}

// The APR, and what the extra payments save, counted in payments of the schedule
// shown (months only for a monthly one).
void CMortgagePage::AddSavingsRows() {
    CMortgageModel& model = Model();
    wchar_t number[CZoqString::kNumberCapacity];
    double apr = 0;
    SRow& aprRow = AddRow(L"APR:");
    if (model.AnnualPercentageRate(&apr)) {
        CZoqString::GetInstance()->FormatNumber(number, apr * 100, 4, CZoqString::kNumberCapacity);
        swprintf(aprRow.value, kValueChars, L"%ls%%", number);
    } else {
        swprintf(aprRow.value, kValueChars, L"-");
    }
    SMortgageSavings savings;
    if (!model.HasExtraPayments() || !model.Savings(&savings)) {
        return;
    }
    swprintf(AddRow(L"Paid Off After:").value, kValueChars, L"%i Payments", savings.periods);
    swprintf(AddRow(L"Payments Saved:").value, kValueChars, L"%i", savings.periodsSaved);
    MoneyText(AddRow(L"Interest Saved:").value, savings.interestSaved);
}

void CMortgagePage::BuildPointsResults() {
    SMortgagePointsComparison comparison;
    Model().ComparePoints(&comparison);
    wchar_t number[CZoqString::kNumberCapacity];
    AddRow(L"Monthly Payments", 1).heading = 1;
    MoneyText(AddRow(L"With Points:").value, comparison.withPoints);
    MoneyText(AddRow(L"Without Points:").value, comparison.withoutPoints);
    MoneyText(AddRow(L"Monthly Savings:").value, comparison.monthlySavings);
    CZoqString::GetInstance()->FormatNumber(number, comparison.timeToRecover, 4,
                                            CZoqString::kNumberCapacity);
    swprintf(AddRow(L"Time To Recover:").value, kValueChars, L"%ls", number);
    MoneyText(AddRow(L"Cost of Points:").value, comparison.costOfPoints);
    swprintf(AddRow(L"Total Payments:").value, kValueChars, L"%i", comparison.paymentCount);
    AddSavingsRows();
}

// The results are drawn in 13-pixel Tahoma where ten rows have room for it, and
// smaller on short screens, so that rows never overlap.
void CMortgagePage::LayoutStep(int, int) {
    const int available = BackRect().top - Scaled(2) - (m_titleHeight + Scaled(6));
    const int height = std::max(8, std::min<int>(Scaled(13), available / kPlainRows));
    if (height != m_resultFontHeight) {
        m_resultFont.Reset(MakeTahoma(height, FW_NORMAL));
        m_resultBold.Reset(MakeTahoma(height, FW_BOLD));
        m_resultFontHeight = height;
    }
    LayoutResultButtons();
}

void CMortgagePage::PaintStep(HDC dc, int step) {
    if (step != kResults) {
        CWizardPage::PaintStep(dc, step);
        return;
    }
    PaintTitle(dc, StepOf(Calculator::Mortgage, kResults)->title);
    const int labelX = Scaled(20);
    const int valueX = Scaled(220);
    const int top = m_titleHeight + Scaled(6);
    const RECT back = BackRect();
    // Rows share what lies between the title and the buttons, at most 16 pixels each.
    const int available = back.top - Scaled(2) - top;
    const int rowHeight = m_rowCount ? std::min(Scaled(16), available / m_rowCount) : 0;
    for (int i = 0; i < m_rowCount; ++i) {
        const SRow& row = m_rows[i];
        const int y = top + i * rowHeight;
        HFONT font = row.bold ? m_resultBold.Get() : m_resultFont.Get();
        if (row.heading) {
            DrawTextAligned(dc, font, (labelX + valueX) / 2, y, row.label, kTextColour,
                            TextAlign::Centre);
            continue;
        }
        DrawTextAligned(dc, font, labelX, y, row.label, kTextColour, TextAlign::Left);
        DrawTextAligned(dc, font, valueX, y, row.value, kTextColour, TextAlign::Right);
    }
    m_back.Draw(dc, m_buttonFont);
    for (int i = 0; i < ResultButtonCount(); ++i) {
        m_results[i].Draw(dc, m_buttonFont);
    }
}
