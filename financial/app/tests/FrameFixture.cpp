#include "financial/app/tests/FrameFixture.h"

#include <commctrl.h>

void CFrameFixture::SetUp() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CZoqSip::Show(nullptr, CZoqSip::kLower);
    m_guard = std::make_unique<CZoqModalWatch>([](HWND dialog) { Press(dialog, IDCANCEL); },
                                               EveryDialog(120000));
    Start();
}

void CFrameFixture::TearDown() {
    Stop();
    CZoqScreen::SetSize(0, 0);
    for (const std::wstring& caption : m_guard->Seen()) {
        ADD_FAILURE() << "unexpected dialog \"" << testing::PrintToString(caption) << "\"";
    }
    m_guard.reset();
}

void CFrameFixture::Start(int width, int height) {
    CZoqScreen::SetSize(width, height);
    m_models = std::make_unique<CFiscoraModels>(m_store);
    m_frame = std::make_unique<CFiscoraFrame>(*m_models);
    ASSERT_EQ(1, m_frame->Create(GetModuleHandleW(nullptr), L"FISCORATEST", L"Zoq Financial Test"));
    ShowWindow(m_frame->Handle(), SW_SHOW);
    Pump();
}

void CFrameFixture::Stop() {
    m_frame.reset();
    Pump();
    m_models.reset();
}

void CFrameFixture::Pump() {
    ::Pump();
}

void CFrameFixture::PenDown(HWND window, POINT point) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    Pump();
}

void CFrameFixture::PenUp(HWND window, POINT point) {
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    Pump();
}

void CFrameFixture::Tap(HWND window, const RECT& rect) {
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    PenDown(window, centre);
    PenUp(window, centre);
}

HWND CFrameFixture::Field(const CWizardPage& page, int field) const {
    return GetDlgItem(page.Handle(), 1001 + field);
}

void CFrameFixture::Type(CWizardPage& page, int field, const wchar_t* text) {
    SetFocus(Field(page, field));
    SetWindowTextW(Field(page, field), text);
    // Typing, unlike a text set by the program, marks the field modified.
    SendMessageW(Field(page, field), EM_SETMODIFY, TRUE, 0);
    Pump();
}

std::wstring CFrameFixture::FieldText(const CWizardPage& page, int field) const {
    wchar_t text[64] = {};
    GetWindowTextW(Field(page, field), text, 64);
    return text;
}

int CFrameFixture::IsReadOnly(const CWizardPage& page, int field) const {
    return (GetWindowLongW(Field(page, field), GWL_STYLE) & ES_READONLY) ? 1 : 0;
}

int CFrameFixture::IsShown(HWND window) const {
    return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
}

void CFrameFixture::PressNext(CWizardPage& page) {
    Tap(page.Handle(), page.NextRect());
}

void CFrameFixture::PressBack(CWizardPage& page) {
    Tap(page.Handle(), page.BackRect());
}

void CFrameFixture::Command(int id) {
    SendMessageW(m_frame->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

std::wstring CFrameFixture::Currency() {
    wchar_t symbol[32] = L"$";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, symbol, 32);
    return symbol;
}
