#include "financial/app/WizardPage.h"

#include "ce/ZoqScreen.h"
#include "ce/ZoqSip.h"
#include "financial/app/BufferedPaint.h"
#include "financial/app/FinDraw.h"
#include "financial/app/MoneyText.h"
#include "financial/app/resource.h"
#include "ui/ZoqString.h"

#include <initializer_list>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kLabelColour = RGB(0, 0, 0);
constexpr COLORREF kMarkColour = RGB(64, 64, 64);
constexpr COLORREF kRequiredColour = RGB(255, 0, 0);
constexpr COLORREF kTitleColour = RGB(255, 255, 255);

} // namespace

CWizardPage::CWizardPage(Calculator calculator, SPageContext& context)
    : m_context(context), m_calculator(calculator), m_stepCount(StepsOf(calculator).stepCount),
      m_top(LookOf(calculator).top), m_bottom(LookOf(calculator).bottom),
      m_templateId(InfoOf(calculator).pageTemplate) {}

CWizardPage::~CWizardPage() {
    Destroy();
}

int CWizardPage::CreatePageWindow(HINSTANCE instance, HWND parent) {
    if (Handle()) {
        BringWindowToTop(Handle());
        return 1;
    }
    return CreateModeless(instance, m_templateId, parent);
}

int CWizardPage::Scaled(int length) const {
    return CZoqScreen::Scaled(length);
}

// ---------------------------------------------------------------- messages

INT_PTR CWizardPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        // A later move to the same size sends no WM_SIZE: lay out for the size the
        // template gave.
        RECT client;
        GetClientRect(Handle(), &client);
        OnSize(client.right, client.bottom);
        OnInitPage();
        Init();
        return FALSE; // no field takes the focus (and raises the panel) by itself
    }
    case WM_DESTROY:
        CloseFonts();
        return TRUE;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_PAINT:
        OnPaint();
        return TRUE;
    case WM_ERASEBKGND:
        SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return TRUE;
    case WM_LBUTTONDOWN:
        OnLButtonDown({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return TRUE;
    case WM_LBUTTONUP:
        OnLButtonUp({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return TRUE;
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return TRUE;
    case kMsgNext:
        Next();
        return TRUE;
    case kMsgBack:
        Back();
        return TRUE;
    default:
        return message >= WM_USER ? UserMessage(message, wParam, lParam) : FALSE;
    }
}

void CWizardPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id >= IDC_FIELD1 && id <= IDC_FIELD5 && m_templateId == IDD_WIZARDPAGE) {
        const int field = id - IDC_FIELD1;
        switch (code) {
        case EN_CHANGE:
            FieldChanged(field);
            return;
        case EN_SETFOCUS:
            PostMessageW(m_context.frame, kMsgCollapseSelector, 0, 0);
            FieldGotFocus(field);
            return;
        case EN_KILLFOCUS:
            FieldLostFocus(field);
            return;
        default:
            return;
        }
    }
    // Enter in a field confirms the step; a child page must never end itself as a
    // dialog would, which would only hide it.
    if (id == IDOK) {
        Next();
        return;
    }
    if (id == IDCANCEL) {
        return;
    }
    Command(id, code, reinterpret_cast<HWND>(lParam));
}

void CWizardPage::OnLButtonDown(POINT point) {
    PostMessageW(m_context.frame, kMsgCollapseSelector, 0, 0);
    // A tap beside the fields ends the typing: the field loses the focus (and its
    // value is taken), and the arrow keys reach the main window as "Next" and "Back".
    SetFocus(m_context.frame);
    SetCapture(Handle());
    if (m_back.OnLButtonDown(point) || m_next.OnLButtonDown(point)) {
        return;
    }
    StylusDownOnStep(m_step, point);
}

void CWizardPage::OnLButtonUp(POINT point) {
    if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
    if (m_back.OnLButtonUp(point) || m_next.OnLButtonUp(point)) {
        return;
    }
    StylusUpOnStep(m_step, point);
}

void CWizardPage::OnMouseMove(POINT point) {
    m_back.OnMouseMove(point);
    m_next.OnMouseMove(point);
    MouseMoveOnStep(m_step, point);
}

void CWizardPage::StylusDownOnStep(int, POINT) {}
void CWizardPage::StylusUpOnStep(int, POINT) {}
void CWizardPage::MouseMoveOnStep(int, POINT) {}
void CWizardPage::FieldChanged(int) {}
void CWizardPage::FieldLostFocus(int) {}

int CWizardPage::Command(int, int, HWND) {
    return 0;
}

int CWizardPage::UserMessage(UINT, WPARAM, LPARAM) {
    return 0;
}

void CWizardPage::FieldGotFocus(int field) {
    const SStepInfo* step = StepOf(m_calculator, m_step);
    if (step && step->hasFields && !step->fields[field].readOnly && m_context.autoSip &&
        *m_context.autoSip == 1) {
        RaiseInputPanel();
    }
}

// ---------------------------------------------------------------- wizard

int CWizardPage::Next() {
    if (m_step >= m_stepCount - 1) {
        return 0;
    }
    GoToStep(m_step + 1);
    return 1;
}

int CWizardPage::Back() {
    if (m_step <= 0) {
        return 0;
    }
    GoToStep(m_step - 1);
    return 1;
}

void CWizardPage::Init() {
    ApplyStepFields();
    Invalidate();
}

void CWizardPage::GoToStep(int step) {
    m_step = step;
    ApplyStepFields();
    if (IsResultStep(step)) {
        LowerInputPanel();
    }
    m_back.SetDisabled(m_step == 0);
    m_next.SetDisabled(m_step >= m_stepCount - 1);
    Invalidate();
}

int CWizardPage::IsResultStep(int step) const {
    const SStepInfo* info = StepOf(m_calculator, step);
    if (!info) {
        return 0;
    }
    if (!info->hasFields) {
        return 1;
    }
    for (const SFieldInfo& field : info->fields) {
        if (field.label && !field.readOnly) {
            return 0;
        }
    }
    return 1;
}

void CWizardPage::SaveProfile(int) {}
void CWizardPage::LoadProfile(int) {}

// ---------------------------------------------------------------- fields

HWND CWizardPage::Field(int field) const {
    return GetDlgItem(Handle(), IDC_FIELD1 + field);
}

double CWizardPage::FieldValue(int field) {
    m_text[0] = L'\0';
    GetWindowTextW(Field(field), m_text, kTextCapacity);
    return wcstod(m_text, nullptr);
}

int CWizardPage::FieldInt(int field) {
    double value = std::trunc(FieldValue(field));
    // A cast of a double beyond the int range is undefined; such entries become the
    // nearest int, which every setter then refuses.
    if (!(value > INT_MIN)) {
        return std::isnan(value) ? 0 : INT_MIN;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

void CWizardPage::SetFieldText(int field, const wchar_t* text) {
    SetWindowTextW(Field(field), text ? text : L"");
}

void CWizardPage::SetFieldMoney(int field, const wchar_t* number) {
    wchar_t money[kTextCapacity];
    if (!number || !*number || !NormalizeMoney(number, nullptr, money, kTextCapacity)) {
        money[0] = L'\0';
    }
    SetFieldText(field, money);
}

void CWizardPage::SetFieldNumber(int field, double value) {
    wchar_t number[CZoqString::kNumberCapacity];
    if (!CZoqString::GetInstance()->FormatNumber(number, value, 12, CZoqString::kNumberCapacity)) {
        number[0] = L'\0';
    }
    SetFieldText(field, number);
}

void CWizardPage::SetFieldMoneyValue(int field, double value) {
    wchar_t number[CZoqString::kNumberCapacity];
    if (!CZoqString::GetInstance()->FormatNumber(number, value, 12, CZoqString::kNumberCapacity)) {
        number[0] = L'\0';
    }
    SetFieldMoney(field, number);
}

void CWizardPage::SetFieldInt(int field, int value) {
    wchar_t number[16];
    swprintf(number, 16, L"%i", value);
    SetFieldText(field, number);
}

int CWizardPage::FieldsTyped() const {
    for (int field = 0; field < kFieldCount; ++field) {
        if (SendMessageW(Field(field), EM_GETMODIFY, 0, 0)) {
            return 1;
        }
    }
    return 0;
}

void CWizardPage::ApplyStepFields() {
    if (m_templateId != IDD_WIZARDPAGE) {
        return;
    }
    const SStepInfo* step = StepOf(m_calculator, m_step);
    for (int field = 0; field < kFieldCount; ++field) {
        HWND edit = Field(field);
        const int shown = step && step->hasFields && step->fields[field].label;
        SendMessageW(edit, EM_SETREADONLY, shown ? step->fields[field].readOnly : 1, 0);
        ShowWindow(edit, shown ? SW_SHOWNA : SW_HIDE);
    }
}

// ---------------------------------------------------------------- layout

void CWizardPage::Rescale() {
    if (!Handle()) {
        return;
    }
    CloseFonts();
    DropStepFonts();
    RECT client;
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    Invalidate();
}

void CWizardPage::CloseFonts() {
    m_font.Reset();
    m_smallFont.Reset();
    m_editFont.Reset();
}

void CWizardPage::OnSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    m_width = width;
    m_height = height;
    if (!m_font.Get()) {
        m_font.Reset(MakeTahoma(Scaled(14), FW_BOLD));
        m_smallFont.Reset(MakeTahoma(Scaled(13), FW_NORMAL));
        m_editFont.Reset(MakeTahoma(Scaled(15), FW_NORMAL));
        for (int field = 0; field < kFieldCount; ++field) {
            SendMessageW(Field(field), WM_SETFONT, reinterpret_cast<WPARAM>(m_editFont.Get()),
                         FALSE);
        }
    }
    m_titleHeight = Scaled(22);
    const int buttonHeight = Scaled(24);
    const int buttonWidth = Scaled(60);
    // On a square screen the collapsed selector's toggle stands at the bottom centre,
    // where the note between the buttons and the mortgage's result buttons would be:
    // the row of buttons stands above it there.
    const int square = CZoqScreen::Width() == CZoqScreen::Height();
    const int buttonTop =
        height - buttonHeight - (square ? Scaled(kSquareToggleHeight) + Scaled(2) : Scaled(3));
    RECT back = {Scaled(4), buttonTop, Scaled(4) + buttonWidth, buttonTop + buttonHeight};
    RECT next = {width - Scaled(4) - buttonWidth, buttonTop, width - Scaled(4),
                 buttonTop + buttonHeight};
    m_back.Create(back, L"Back", Handle(), kMsgBack, m_top, m_bottom);
    m_next.Create(next, L"Next", Handle(), kMsgNext, m_top, m_bottom);
    m_back.SetDisabled(m_step == 0);
    m_next.SetDisabled(m_step >= m_stepCount - 1);
    const int fieldsBottom = buttonTop - Scaled(2);
    m_footer = {width / 2, buttonTop + (buttonHeight - Scaled(13)) / 2};
    LayoutFields(width, fieldsBottom);
    LayoutStep(width, height);

    CZoqClientDC dc(Handle());
    m_surface.CreateSized(dc.Get(), width, height, CZoqGDI::kDeviceIndependent);
    Invalidate();
}

// Tall pages stack each label above its field; short ones (landscape, square) put
// the label beside it.
void CWizardPage::LayoutFields(int width, int bottom) {
    const int top = m_titleHeight + Scaled(4);
    const int rowHeight = (bottom - top) / kFieldCount;
    const int editHeight =
        rowHeight >= Scaled(36) ? Scaled(21) : std::min(Scaled(21), rowHeight - 2);
    m_stacked = rowHeight >= Scaled(36);
    const int markWidth = Scaled(14);
    for (int field = 0; field < kFieldCount; ++field) {
        SFieldPlace& place = m_places[field];
        const int rowTop = top + field * rowHeight;
        int editLeft, editRight, editTop;
        if (m_stacked) {
            editLeft = Scaled(6) + markWidth;
            editRight = std::min(width - Scaled(20), editLeft + Scaled(170));
            editTop = rowTop + Scaled(15);
            place.label = {editLeft, rowTop};
        } else {
            editRight = width - Scaled(14);
            editLeft = editRight - std::min(Scaled(96), width / 2 - markWidth);
            editTop = rowTop + (rowHeight - editHeight) / 2;
            place.label = {Scaled(4), editTop + (editHeight - Scaled(13)) / 2};
        }
        place.edit = {editLeft, editTop, editRight, editTop + editHeight};
        place.unit = {editLeft - Scaled(3), editTop + (editHeight - Scaled(13)) / 2};
        place.star = {editRight + Scaled(3), editTop + (editHeight - Scaled(13)) / 2};
        MoveWindow(Field(field), editLeft, editTop, editRight - editLeft, editHeight, TRUE);
    }
}

void CWizardPage::LayoutStep(int, int) {}

// ---------------------------------------------------------------- painting

void CWizardPage::Invalidate() {
    if (Handle()) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void CWizardPage::OnPaint() {
    PaintBuffered(Handle(), m_surface, m_width, m_height, kBackground,
                  [this](HDC surface, const RECT&) {
                      // Only a step that exists is drawn.
                      if (m_step >= 0 && m_step < m_stepCount) {
                          PaintStep(surface, m_step);
                      }
                  });
}

void CWizardPage::PaintStep(HDC dc, int step) {
    const SStepInfo* info = StepOf(m_calculator, step);
    if (!info) {
        return;
    }
    PaintTitle(dc, info->title);
    if (info->hasFields) {
        PaintFieldStep(dc, *info);
    }
    PaintWizardButtons(dc);
}

void CWizardPage::PaintTitle(HDC dc, const wchar_t* title) {
    RECT bar = {0, 0, m_width, m_titleHeight};
    m_surface.GradientFill(bar, m_top, m_bottom);
    // The yellow of the car loan needs a shadow under white text to stay legible.
    const int y = (m_titleHeight - Scaled(14)) / 2;
    DrawTextAligned(dc, m_font.Get(), m_width / 2 + 1, y + 1, title, RGB(0, 0, 0),
                    TextAlign::Centre);
    DrawTextAligned(dc, m_font.Get(), m_width / 2, y, title, kTitleColour, TextAlign::Centre);
}

void CWizardPage::PaintFieldStep(HDC dc, const SStepInfo& step) {
    HFONT labelFont = m_stacked ? m_font.Get() : m_smallFont.Get();
    for (int field = 0; field < kFieldCount; ++field) {
        const SFieldInfo& info = step.fields[field];
        if (!info.label) {
            continue;
        }
        const SFieldPlace& place = m_places[field];
        DrawTextAligned(dc, labelFont, place.label.x, place.label.y, info.label, kLabelColour,
                        TextAlign::Left);
        DrawTextAligned(dc, m_smallFont.Get(), place.unit.x, place.unit.y,
                        UnitMark(info.unit, m_context.currency), kMarkColour, TextAlign::Right);
        if (info.required) {
            DrawTextAligned(dc, m_font.Get(), place.star.x, place.star.y, L"*", kRequiredColour,
                            TextAlign::Left);
        }
    }
    // The note stands on every step of fields, whether or not one of them is required.
    DrawTextAligned(dc, m_smallFont.Get(), m_footer.x, m_footer.y, L"(*) Required Field",
                    kRequiredColour, TextAlign::Centre);
}

void CWizardPage::PaintWizardButtons(HDC dc) {
    m_back.Draw(dc, m_font.Get(), m_smallFont.Get());
    m_next.Draw(dc, m_font.Get(), m_smallFont.Get());
}

// ---------------------------------------------------------------- input panel

void CWizardPage::RaiseInputPanel() {
    CZoqSip::Show(m_context.frame, CZoqSip::kRaise);
}

void CWizardPage::LowerInputPanel() {
    CZoqSip::Show(m_context.frame, CZoqSip::kLower);
}
