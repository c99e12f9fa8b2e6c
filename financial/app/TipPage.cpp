#include "financial/app/TipPage.h"

#include "financial/app/FinDraw.h"
#include "financial/app/FiscoraModels.h"
#include "financial/app/MoneyText.h"
#include "financial/app/resource.h"
#include "ui/ZoqString.h"

#include <initializer_list>
#include <algorithm>
#include <cwchar>
#include <utility>

namespace {

enum { kKeypad = 0, kResults = 1 };
enum { kBillRow, kPercentRow, kPeopleRow, kTipRow, kPerPersonRow, kTotalRow, kRowCount };

constexpr UINT kMsgTipKey = WM_USER + 10; // wParam: the TipKey
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kEntryFrame = RGB(0, 80, 0);

// Column and row of each key on the pad, in TipKey order.
struct SKeyPlace {
    int column;
    int row;
};
constexpr SKeyPlace kKeyPlaces[kTipKeyCount] = {
    {0, 3}, {0, 2}, {1, 2}, {2, 2}, {0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 0}, {2, 0}, // 0-9
    {3, 0},                                                                         // <-
    {3, 1},                                                                         // Restart
    {3, 2},                                                                         // .
};

} // namespace

CTipPage::CTipPage(SPageContext& context) : CWizardPage(Calculator::Tip, context) {}

CTipPage::~CTipPage() {
    Destroy();
}

CTipModel& CTipPage::Model() {
    return m_context.models->tip;
}

// ---------------------------------------------------------------- lists

void CTipPage::OnInitPage() {
    m_entry.Clear();
    FillLists();
}

void CTipPage::FillLists() {
    HWND people = GetDlgItem(Handle(), IDC_TIP_PEOPLE);
    HWND percent = GetDlgItem(Handle(), IDC_TIP_PERCENT);
    wchar_t person[32] = L"Person";
    wchar_t persons[32] = L"People";
    LoadStringW(Instance(), IDS_PERSON, person, 32);
    LoadStringW(Instance(), IDS_PEOPLE, persons, 32);
    SendMessageW(people, CB_RESETCONTENT, 0, 0);
    SendMessageW(percent, CB_RESETCONTENT, 0, 0);
    wchar_t entry[64];
    for (int position = 0; position < kTipMaxPeople; ++position) {
        if (Model().PeopleEntryText(position, entry, 64, person, persons)) {
            SendMessageW(people, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
    }
    for (int position = 0; position < kTipPercentageCount; ++position) {
        if (Model().PercentageEntryText(position, entry, 64)) {
            SendMessageW(percent, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
    }
    SelectCurrent();
    ShowLists(0);
}

void CTipPage::SelectCurrent() {
    SendDlgItemMessageW(Handle(), IDC_TIP_PEOPLE, CB_SETCURSEL, Model().PeoplePosition(), 0);
    SendDlgItemMessageW(Handle(), IDC_TIP_PERCENT, CB_SETCURSEL, Model().PercentagePosition(), 0);
}

void CTipPage::ShowLists(int show) {
    ShowWindow(GetDlgItem(Handle(), IDC_TIP_PEOPLE), show ? SW_SHOWNA : SW_HIDE);
    ShowWindow(GetDlgItem(Handle(), IDC_TIP_PERCENT), show ? SW_SHOWNA : SW_HIDE);
}

int CTipPage::Command(int id, int code, HWND control) {
    if (code != CBN_SELCHANGE || (id != IDC_TIP_PEOPLE && id != IDC_TIP_PERCENT)) {
        return 0;
    }
    const int position = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    if (id == IDC_TIP_PEOPLE) {
        Model().SetPeoplePosition(position);
    } else {
        Model().SetPercentagePosition(position);
    }
    BuildResults();
    Invalidate();
    return 1;
}

// ---------------------------------------------------------------- steps

int CTipPage::Next() {
    if (m_step != kKeypad) {
        return 0;
    }
    LowerInputPanel();
    Model().SetAmountFromText(m_entry.Text());
    SelectCurrent();
    ShowLists(1);
    BuildResults();
    return CWizardPage::Next();
}

int CTipPage::Back() {
    if (!CWizardPage::Back()) {
        return 0;
    }
    ShowLists(0);
    return 1;
}

void CTipPage::Init() {
    ShowLists(m_step == kResults);
    SelectCurrent();
    if (m_step == kResults) {
        BuildResults();
    }
    CWizardPage::Init();
}

// A bill typed on the pad reaches the model only at "Next": without this a profile
// saved or the key written at exit would keep the bill of the last "Next" instead of
// the one on screen.
void CTipPage::TakeTypedValues() {
    if (m_step == kKeypad && m_entry.Length()) {
        Model().SetAmountFromText(m_entry.Text());
    }
}

void CTipPage::SaveProfile(int profile) {
    TakeTypedValues();
    Model().SaveProfile(m_context.models->Store(), profile);
}

void CTipPage::LoadProfile(int profile) {
    Model().LoadProfile(m_context.models->Store(), profile);
    // The loaded bill goes back on the pad, or the next "Next" would bill 0.
    m_entry.Clear();
    wchar_t number[kValueChars];
    if (Model().Amount() > 0 && FormatCents(Model().Amount(), number, kValueChars)) {
        m_entry.SetText(number);
    }
    GoToStep(kKeypad);
    Init();
}

// The calculator was cleared behind the page: the bill on the pad goes with it.
void CTipPage::Refresh() {
    m_entry.Clear();
    Init();
}

// ---------------------------------------------------------------- keypad

void CTipPage::PressKey(TipKey key) {
    m_entry.Press(key);
    Invalidate();
}

int CTipPage::UserMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != kMsgTipKey || wParam >= static_cast<WPARAM>(kTipKeyCount)) {
        return 0;
    }
    PressKey(static_cast<TipKey>(wParam));
    return 1;
}

void CTipPage::StylusDownOnStep(int step, POINT point) {
    for (int key = 0; step == kKeypad && key < kTipKeyCount; ++key) {
        if (m_keys[key].OnLButtonDown(point)) {
            return;
        }
    }
}

void CTipPage::StylusUpOnStep(int step, POINT point) {
    for (int key = 0; step == kKeypad && key < kTipKeyCount; ++key) {
        if (m_keys[key].OnLButtonUp(point)) {
            return;
        }
    }
}

void CTipPage::MouseMoveOnStep(int step, POINT point) {
    for (int key = 0; step == kKeypad && key < kTipKeyCount; ++key) {
        m_keys[key].OnMouseMove(point);
    }
}

// ---------------------------------------------------------------- layout

void CTipPage::DropStepFonts() {
    m_entryFont.Reset();
    m_resultFont.Reset();
    m_resultBold.Reset();
}

void CTipPage::LayoutStep(int width, int) {
    if (!m_entryFont.Get()) {
        m_entryFont.Reset(MakeTahoma(Scaled(20), FW_BOLD));
        m_resultFont.Reset(MakeTahoma(Scaled(13), FW_NORMAL));
        m_resultBold.Reset(MakeTahoma(Scaled(13), FW_BOLD));
        SendDlgItemMessageW(Handle(), IDC_TIP_PEOPLE, WM_SETFONT,
                            reinterpret_cast<WPARAM>(m_smallFont.Get()), FALSE);
        SendDlgItemMessageW(Handle(), IDC_TIP_PERCENT, WM_SETFONT,
                            reinterpret_cast<WPARAM>(m_smallFont.Get()), FALSE);
    }
    const RECT back = BackRect();
    const int margin = Scaled(8);
    m_entryBox = {margin, m_titleHeight + Scaled(20), width - margin,
                  m_titleHeight + Scaled(20) + Scaled(26)};

    // The pad: 55 x 35 keys where the page has room, smaller on short screens.
    const int gap = Scaled(3);
    const int padTop = m_entryBox.bottom + Scaled(5);
    const int padBottom = back.top - Scaled(4);
    const int keyWidth = std::min(Scaled(55), (width - 2 * margin - 3 * gap) / 4);
    const int keyHeight = std::min(Scaled(35), (padBottom - padTop - 3 * gap) / 4);
    const int padLeft = (width - 4 * keyWidth - 3 * gap) / 2;
    for (int key = 0; key < kTipKeyCount; ++key) {
        const int left = padLeft + kKeyPlaces[key].column * (keyWidth + gap);
        const int top = padTop + kKeyPlaces[key].row * (keyHeight + gap);
        RECT rect = {left, top, left + keyWidth, top + keyHeight};
        m_keys[key].Create(rect, CTipEntry::Label(static_cast<TipKey>(key)), Handle(), kMsgTipKey,
                           m_top, m_bottom, key);
    }

    // The results: six rows, the two lists beside their labels.
    m_rowTop = m_titleHeight + Scaled(4);
    m_rowHeight = std::min<int>(Scaled(26), (back.top - Scaled(2) - m_rowTop) / kRowCount);
    const int listWidth = Scaled(100);
    const int listLeft = width - margin - listWidth;
    for (auto [list, row] :
         {std::pair{IDC_TIP_PERCENT, kPercentRow}, std::pair{IDC_TIP_PEOPLE, kPeopleRow}}) {
        HWND control = GetDlgItem(Handle(), list);
        // The closed list stands centred on its label's row.
        const int closed = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, -1, 0)) + 6;
        MoveWindow(control, listLeft, RowY(row) + (m_rowHeight - closed) / 2, listWidth,
                   Scaled(160), TRUE);
    }
}

int CTipPage::RowY(int row) const {
    return m_rowTop + row * m_rowHeight;
}

// ---------------------------------------------------------------- painting

void CTipPage::MoneyFromValue(wchar_t* out, double value) const {
    wchar_t number[CZoqString::kNumberCapacity];
    if (!CZoqString::GetInstance()->FormatNumber(number, value, 12, CZoqString::kNumberCapacity) ||
        !NormalizeMoney(number, m_context.currency, out, kValueChars)) {
        out[0] = L'\0';
    }
}

void CTipPage::BuildResults() {
    if (!NormalizeMoney(m_entry.Length() ? m_entry.Text() : L"0", m_context.currency, m_bill,
                        kValueChars)) {
        m_bill[0] = L'\0';
    }
    MoneyFromValue(m_tip, Model().TipAmount());
    MoneyFromValue(m_perPerson, Model().TotalSplit());
    MoneyFromValue(m_total, Model().Total());
}

void CTipPage::PaintStep(HDC dc, int step) {
    PaintTitle(dc, StepOf(Calculator::Tip, step)->title);
    if (step == kKeypad) {
        PaintEntry(dc);
    } else {
        PaintResults(dc);
    }
    PaintWizardButtons(dc);
}

void CTipPage::PaintEntry(HDC dc) {
    DrawTextAligned(dc, m_font.Get(), m_entryBox.left, m_titleHeight + Scaled(3),
                    L"Enter Bill Amount:", kTextColour, TextAlign::Left);
    FrameRect(dc, &m_entryBox, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int textTop = m_entryBox.top + (m_entryBox.bottom - m_entryBox.top - Scaled(20)) / 2;
    DrawTextAligned(dc, m_entryFont.Get(), m_entryBox.left + Scaled(4), textTop, m_context.currency,
                    kEntryFrame, TextAlign::Left);
    DrawTextAligned(dc, m_entryFont.Get(), m_entryBox.right - Scaled(4), textTop, m_entry.Text(),
                    kTextColour, TextAlign::Right);
    for (CPageButton& key : m_keys) {
        key.Draw(dc, m_font.Get(), m_smallFont.Get());
    }
}

void CTipPage::PaintResults(HDC dc) {
    const int labelX = Scaled(8);
    const int valueX = m_width - Scaled(8);
    const int textOffset = (m_rowHeight - Scaled(13)) / 2;
    struct SLine {
        int row;
        const wchar_t* label;
        const wchar_t* value; // null: a list stands there
        int bold;
    };
    const SLine lines[] = {
        {kBillRow, L"Bill Amount:", m_bill, 0},
        {kPercentRow, L"Tip Percentage:", nullptr, 0},
        {kPeopleRow, L"Number of People:", nullptr, 0},
        {kTipRow, L"Tip Amount:", m_tip, 0},
        {kPerPersonRow, L"Amount Per Person:", m_perPerson, 0},
        {kTotalRow, L"Total:", m_total, 1},
    };
    for (const SLine& line : lines) {
        HFONT font = line.bold ? m_resultBold.Get() : m_resultFont.Get();
        const int y = RowY(line.row) + textOffset;
        DrawTextAligned(dc, font, labelX, y, line.label, kTextColour, TextAlign::Left);
        if (line.value) {
            DrawTextAligned(dc, font, valueX, y, line.value, kTextColour, TextAlign::Right);
        }
    }
}
