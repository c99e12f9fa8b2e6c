#include "financial/app/FiscoraFrame.h"
#include <initializer_list>
#include <iterator>

#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "financial/app/AboutDialog.h"
#include "financial/app/BufferedPaint.h"
#include "financial/app/CarLoanPage.h"
#include "financial/app/FinDraw.h"
#include "financial/app/FiscoraModels.h"
#include "financial/app/LeasePage.h"
#include "financial/app/MortgagePage.h"
#include "financial/app/OptionsDialog.h"
#include "financial/app/TipPage.h"
#include "ce/ZoqRoute.h"
#include "financial/app/resource.h"
#include "financial/models/FinancialOptions.h"
#include "ui/ZoqUserLocale.h"

namespace {

const SZoqMenuBarButton kMenuButtons[] = {
    {ID_MENU_FILE, 0, IDS_MENU_FILE, nullptr},
    {ID_MENU_PROFILES, 1, IDS_MENU_PROFILES, nullptr},
};

constexpr COLORREF kBackground = RGB(255, 255, 255);

int Scaled(int length) {
    return CZoqScreen::Scaled(length);
}

// The one place that knows the page class of each calculator.
std::unique_ptr<CWizardPage> MakePage(Calculator calculator, SPageContext& context) {
    switch (calculator) {
    case Calculator::Tip:
        return std::make_unique<CTipPage>(context);
    case Calculator::Lease:
        return std::make_unique<CLeasePage>(context);
    case Calculator::Mortgage:
        return std::make_unique<CMortgagePage>(context);
    case Calculator::CarLoan:
        return std::make_unique<CCarLoanPage>(context);
    }
    return nullptr;
}

} // namespace

CFiscoraFrame::CFiscoraFrame(CFiscoraModels& models) : m_models(models) {
    m_context.models = &models;
    m_context.autoSip = &m_autoSip;
    for (const SCalculatorInfo& info : kCalculators) {
        m_pages[static_cast<int>(info.calculator)] = MakePage(info.calculator, m_context);
    }
}

CFiscoraFrame::~CFiscoraFrame() {
    if (m_hwnd) {
        DestroyWindow(m_hwnd);
    }
}

int CFiscoraFrame::Create(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    m_instance = instance;
    WNDCLASSW windowClass = {};
    if (!GetClassInfoW(instance, className, &windowClass)) {
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_FISCORA));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = className;
        if (!RegisterClassW(&windowClass)) {
            return 0;
        }
    }
    CreateWindowExW(0, className, title, WS_OVERLAPPED | WS_CLIPCHILDREN, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    return m_hwnd != nullptr;
}

CWizardPage* CFiscoraFrame::Page(Calculator calculator) const {
    const int index = static_cast<int>(calculator);
    return index >= 0 && index < kCalculatorCount ? m_pages[index].get() : nullptr;
}

CTipPage& CFiscoraFrame::TipPage() const {
    return static_cast<CTipPage&>(*Page(Calculator::Tip));
}

CLeasePage& CFiscoraFrame::LeasePage() const {
    return static_cast<CLeasePage&>(*Page(Calculator::Lease));
}

CMortgagePage& CFiscoraFrame::MortgagePage() const {
    return static_cast<CMortgagePage&>(*Page(Calculator::Mortgage));
}

CCarLoanPage& CFiscoraFrame::CarLoanPage() const {
    return static_cast<CCarLoanPage&>(*Page(Calculator::CarLoan));
}

// ---------------------------------------------------------------- messages

LRESULT CALLBACK CFiscoraFrame::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CZoqRoute<CFiscoraFrame>::Window(hwnd, message, wParam, lParam, &CFiscoraFrame::m_hwnd,
                                            &CFiscoraFrame::Handle);
}

LRESULT CFiscoraFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (message == CZoqDesktop::ScaleMessage()) {
        OnScaleChanged();
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam);
        return 0;
    case WM_ACTIVATE:
        CZoqShell::HandleActivate(m_hwnd, wParam, lParam, &m_activateInfo);
        break;
    case WM_SETTINGCHANGE:
        CZoqShell::HandleSettingChange(m_hwnd, wParam, lParam, &m_activateInfo);
        break;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(point);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case kMsgSelectCalculator:
        SelectCalculator(static_cast<int>(wParam));
        return 0;
    case kMsgCollapseSelector:
        if (m_square) {
            m_squareSelector.SetExpanded(0);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CFiscoraFrame::OnCreate() {
    m_context.frame = m_hwnd;
    m_autoSip = LoadAutoSip(m_models.Store());
    ReadCurrency();
    CZoqShell::InitFullScreen(m_hwnd, CZoqShell::kNoButton);
    CZoqMenuBar::Create(m_hwnd, m_instance,
                        {IDR_MAINMENU, kMenuButtons,
                         static_cast<int>(sizeof kMenuButtons / sizeof kMenuButtons[0])});
    MakeFonts();
    for (const SCalculatorInfo& info : kCalculators) {
        Page(info.calculator)->CreatePageWindow(m_instance, m_hwnd);
    }
    m_squareSelector.Create(m_instance, m_hwnd);
    ShowWindow(CurrentPage()->Handle(), SW_SHOW);
    m_selector.SetCurrent(m_current);
    m_squareSelector.SetCurrent(m_current);
    RECT client;
    GetClientRect(m_hwnd, &client);
    OnSize(client.right, client.bottom);
    return 0;
}

void CFiscoraFrame::OnDestroy() {
    // The pages still exist here; the models write their keys only after them.
    TakeTypedValues();
    SaveAutoSip(m_models.Store(), m_autoSip);
    CZoqMenuBar::Destroy(m_hwnd);
    PostQuitMessage(0);
}

// A desktop session that ends (log off, shut down) ends the process without
// destroying the window or the models: the keys are written now or never.
void CFiscoraFrame::OnEndSession(WPARAM ending) {
    if (!ending || m_sessionSaved) {
        return;
    }
    m_sessionSaved = 1;
    TakeTypedValues();
    m_models.SaveSettings();
    SaveAutoSip(m_models.Store(), m_autoSip);
}

// Every page, not only the one showing: changing the calculator confirms nothing, so
// a hidden page may still hold what was typed on it.
void CFiscoraFrame::TakeTypedValues() {
    for (const SCalculatorInfo& info : kCalculators) {
        Page(info.calculator)->TakeTypedValues();
    }
}

// A symbol the locale cannot report keeps the one the pages start with.
void CFiscoraFrame::ReadCurrency() {
    CZoqUserLocale().GetCurrencySymbol(m_context.currency,
                                       static_cast<int>(std::size(m_context.currency)));
}

// ---------------------------------------------------------------- layout and painting

void CFiscoraFrame::MakeFonts() {
    m_font.Reset(MakeTahoma(Scaled(13), FW_BOLD));
    m_narrowFont.Reset(MakeTahoma(Scaled(12), FW_NORMAL));
    m_selector.SetFonts(m_font.Get(), m_narrowFont.Get());
}

// The user chose another size: everything made for the old dpi is made again.
void CFiscoraFrame::OnScaleChanged() {
    MakeFonts();
    m_squareSelector.Rescale();
    for (const SCalculatorInfo& info : kCalculators) {
        Page(info.calculator)->Rescale();
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    OnSize(client.right, client.bottom);
}

// Square screens get the separate bottom selector; short ones a column of buttons at
// the left; tall ones a strip across the top.
void CFiscoraFrame::OnSize(int width, int height) {
    if (width <= 0 || height <= 0 || !TipPage().Handle()) {
        return;
    }
    m_width = width;
    m_height = height;
    m_square = CZoqScreen::Width() == CZoqScreen::Height();
    const int isShort = CZoqScreen::Height() < Scaled(320);
    RECT page = {0, 0, width, height};
    if (m_square) {
        m_selectorArea = {0, 0, 0, 0};
    } else if (isShort) {
        m_selectorArea = {0, 0, Scaled(64), height};
        page.left = m_selectorArea.right;
        m_selector.Layout(m_hwnd, m_selectorArea, CCalculatorSelector::Shape::Column);
    } else {
        m_selectorArea = {0, 0, width, Scaled(28)};
        page.top = m_selectorArea.bottom;
        m_selector.Layout(m_hwnd, m_selectorArea, CCalculatorSelector::Shape::Strip);
    }
    m_selector.SetCurrent(m_current);
    for (const SCalculatorInfo& info : kCalculators) {
        MoveWindow(Page(info.calculator)->Handle(), page.left, page.top, page.right - page.left,
                   page.bottom - page.top, TRUE);
    }
    if (m_square) {
        m_squareSelector.Place(width, height);
    } else {
        ShowWindow(m_squareSelector.Handle(), SW_HIDE);
    }
    CZoqClientDC dc(m_hwnd);
    m_surface.CreateSized(dc.Get(), width, height, CZoqGDI::kDeviceIndependent);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CFiscoraFrame::OnPaint() {
    PaintBuffered(m_hwnd, m_surface, m_width, m_height, kBackground,
                  [this](HDC surface, const RECT&) {
                      if (!m_square) {
                          m_selector.Draw(surface);
                      }
                  });
}

// ---------------------------------------------------------------- input

void CFiscoraFrame::SelectCalculator(int index) {
    if (index < 0 || index >= kCalculatorCount || static_cast<Calculator>(index) == m_current) {
        return;
    }
    m_current = static_cast<Calculator>(index);
    for (const SCalculatorInfo& info : kCalculators) {
        ShowWindow(Page(info.calculator)->Handle(), SW_HIDE);
    }
    ShowWindow(CurrentPage()->Handle(), SW_SHOW);
    m_selector.SetCurrent(m_current);
    m_squareSelector.SetCurrent(m_current);
    SetForegroundWindow(m_hwnd);
}

void CFiscoraFrame::OnLButtonDown(POINT point) {
    SetCapture(m_hwnd);
    if (!m_square) {
        m_selector.OnLButtonDown(point);
    }
}

void CFiscoraFrame::OnMouseMove(POINT point) {
    if (!m_square) {
        m_selector.OnMouseMove(point);
    }
}

void CFiscoraFrame::OnLButtonUp(POINT point) {
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    if (!m_square && m_selector.OnLButtonUp(point)) {
        return;
    }
    // A release that no selector button takes belongs to the page (a drag that began
    // on the selector and ended over the page).
    HWND page = CurrentPage()->Handle();
    MapWindowPoints(m_hwnd, page, &point, 1);
    SendMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void CFiscoraFrame::OnKeyUp(WPARAM key) {
    if (key == VK_RIGHT) {
        CurrentPage()->Next();
    } else if (key == VK_LEFT) {
        CurrentPage()->Back();
    }
}

// ---------------------------------------------------------------- commands

void CFiscoraFrame::OnCommand(int id) {
    switch (id) {
    case ID_OPTIONS:
        ShowOptions();
        break;
    case ID_ABOUT:
        ShowAbout();
        break;
    case ID_EXIT:
    case IDOK:
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
        break;
    case ID_LOAD_PROFILE1:
    case ID_LOAD_PROFILE2:
        CurrentPage()->LoadProfile(id == ID_LOAD_PROFILE1 ? 1 : 2);
        break;
    case ID_SAVE_PROFILE1:
    case ID_SAVE_PROFILE2:
        CurrentPage()->SaveProfile(id == ID_SAVE_PROFILE1 ? 1 : 2);
        break;
    default:
        break;
    }
}

void CFiscoraFrame::ShowOptions() {
    COptionsDialog dialog(m_models, m_autoSip);
    dialog.Run(m_instance, m_hwnd);
    RefreshPages(dialog);
    // Made once the dialog is gone: it covers the window it would have to follow.
    CZoqDesktop::SetSize(dialog.ChosenSize());
}

void CFiscoraFrame::ShowAbout() {
    CAboutDialog dialog;
    dialog.DoModal(m_instance, IDD_ABOUT, m_hwnd);
}

// A calculator the options dialog cleared shows its cleared values. The other pages
// are left alone: filling them from their models again would throw away what is
// typed on them and not yet taken over (the dialog's other settings count from the
// next calculation).
void CFiscoraFrame::RefreshPages(const COptionsDialog& dialog) {
    for (const SCalculatorInfo& info : kCalculators) {
        if (dialog.WasCleared(info.calculator)) {
            Page(info.calculator)->Refresh();
        }
    }
}
