#include "ce/ZoqFrame.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqSip.h"
#include "ce/ZoqGdiScope.h"
#include "ce/ZoqRoute.h"

#include <windowsx.h>
#include <cwchar>

namespace {

// The framed window's user data belongs to the window's own object: the frame is found
// through a property.
constexpr wchar_t kFrameProperty[] = L"ZoqFrame";
using FrameRoute = CZoqRoute<CZoqFrame, CZoqPropertySlot<kFrameProperty>>;

const COLORREF kTopBarColour = RGB(16, 44, 96);
const COLORREF kTopBarText = RGB(255, 255, 255);
const COLORREF kMenuBarColour = RGB(218, 222, 230);
const COLORREF kMenuBarEdge = RGB(128, 136, 152);
const COLORREF kMenuBarText = RGB(0, 0, 0);
const COLORREF kPressedColour = RGB(16, 44, 96);
const COLORREF kPressedText = RGB(255, 255, 255);

// Padding around a menu-bar label and the width of the panel button, at 96 dpi.
const int kButtonPadding = 16;
const int kSipButtonWidth = 28;
const int kOkButtonWidth = 30;

bool IsEmptyRect(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

HFONT MakeBarFont(int height, int weight) {
    return CreateFontW(-CZoqScreen::Scaled(height), 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0, L"Tahoma");
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    CZoqGdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

void Text(HDC dc, const wchar_t* text, RECT rect, UINT format, COLORREF colour) {
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &rect, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// A small keyboard: the soft input panel's button.
void PaintKeyboard(HDC dc, const RECT& area, COLORREF colour) {
    int width = CZoqScreen::Scaled(16);
    int height = CZoqScreen::Scaled(10);
    int left = (area.left + area.right - width) / 2;
    int top = (area.top + area.bottom - height) / 2;
    RECT outline = {left, top, left + width, top + height};
    CZoqGdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    FrameRect(dc, &outline, brush.Get());
    int key = CZoqScreen::Scaled(2);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) {
            int x = left + key + column * (width - 2 * key) / 4;
            int y = top + key + row * (key + 1);
            RECT cap = {x, y, x + key, y + key};
            FillRect(dc, &cap, brush.Get());
        }
    RECT space = {left + width / 4, top + height - 2 * key, left + 3 * width / 4,
                  top + height - key};
    FillRect(dc, &space, brush.Get());
}

BOOL CALLBACK RepaintFrame(HWND hwnd, LPARAM) {
    if (CZoqFrame* frame = CZoqFrame::Of(hwnd))
        frame->Repaint();
    return TRUE;
}

// A bar as wide as the client area from window row top to bottom; empty when the frame has
// no such bar.
RECT BarRect(int shown, const RECT& client, int top, int bottom) {
    RECT bar = {0, 0, 0, 0};
    if (shown)
        SetRect(&bar, client.left, top, client.right, bottom);
    return bar;
}

} // namespace

CZoqFrame* CZoqFrame::Of(HWND hwnd) {
    return FrameRoute::Lookup(hwnd);
}

CZoqFrame* CZoqFrame::For(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    if (CZoqFrame* frame = Of(hwnd))
        return frame;
    auto frame = new CZoqFrame(hwnd);
    if (!FrameRoute::Attach(hwnd, frame)) {
        delete frame;
        return nullptr;
    }
    frame->m_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CZoqFrame::Proc)));
    if (!frame->m_previous) {
        FrameRoute::Detach(hwnd, frame);
        delete frame;
        return nullptr;
    }
    return frame;
}

void CZoqFrame::RepaintAll() {
    EnumThreadWindows(GetCurrentThreadId(), RepaintFrame, 0);
}

CZoqFrame::CZoqFrame(HWND hwnd)
    : m_hwnd(hwnd), m_previous(nullptr), m_device(0), m_topBar(0), m_okButton(0), m_hasMenuBar(0),
      m_menu(), m_buttons(), m_buttonWidths(), m_buttonCount(0), m_pressed(kNoPart),
      m_tracking(kNoPart), m_titleFont(MakeBarFont(12, FW_BOLD)),
      m_buttonFont(MakeBarFont(12, FW_NORMAL)) {}

CZoqFrame::~CZoqFrame() = default;

void CZoqFrame::Rescale() {
    m_titleFont.Reset(MakeBarFont(12, FW_BOLD));
    m_buttonFont.Reset(MakeBarFont(12, FW_NORMAL));
    MeasureButtons();
    Refresh();
}

void CZoqFrame::SetTopBar(int okButton) {
    m_topBar = 1;
    m_okButton = okButton ? 1 : 0;
}

int CZoqFrame::SetMenuBar(HMENU menu, const Button* buttons, int count) {
    if (count < 0 || count > kMaxButtons || (count > 0 && !buttons))
        return 0;
    m_menu.Reset(menu);
    m_buttonCount = count;
    for (int i = 0; i < count; ++i)
        m_buttons[i] = buttons[i];
    m_hasMenuBar = 1;
    MeasureButtons();
    return 1;
}

void CZoqFrame::RemoveMenuBar() {
    m_menu.Reset();
    m_buttonCount = 0;
    m_hasMenuBar = 0;
}

int CZoqFrame::PartRect(int part, RECT* screenRect) const {
    RECT rect = PartRectInWindow(part);
    if (!screenRect || IsEmptyRect(rect))
        return 0;
    RECT window;
    GetWindowRect(m_hwnd, &window);
    OffsetRect(&rect, window.left, window.top);
    *screenRect = rect;
    return 1;
}

int CZoqFrame::ScreenRect(RECT* screenRect) const {
    if (!screenRect)
        return 0;
    RECT rect = ClientInWindow();
    if (m_topBar)
        rect.top -= CZoqScreen::TopBarHeight();
    if (m_hasMenuBar)
        rect.bottom += CZoqScreen::MenuBarHeight();
    RECT window;
    GetWindowRect(m_hwnd, &window);
    OffsetRect(&rect, window.left, window.top);
    *screenRect = rect;
    return 1;
}

void CZoqFrame::Refresh() {
    SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Paint();
}

LRESULT CALLBACK CZoqFrame::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CZoqFrame* frame = Of(hwnd);
    if (!frame)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return frame->Handle(message, wParam, lParam);
}

LRESULT CZoqFrame::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_previous, m_hwnd, message, wParam, lParam);
}

LRESULT CZoqFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_device) {
        int handled = 0;
        LRESULT result = OnDeviceMessage(message, wParam, lParam, &handled);
        if (handled)
            return result;
    }
    switch (message) {
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return OnNcButtonDown(wParam, lParam) ? 0 : Default(message, wParam, lParam);
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT: {
        LRESULT result = Default(message, wParam, lParam);
        Paint();
        return result;
    }
    case WM_MOUSEMOVE:
        if (m_tracking == kNoPart)
            break;
        OnTrackMove(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (m_tracking == kNoPart)
            break;
        OnTrackUp(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (m_tracking != kNoPart && reinterpret_cast<HWND>(lParam) != m_hwnd) {
            m_tracking = kNoPart;
            m_pressed = kNoPart;
            Paint();
        }
        break;
    case WM_GETMINMAXINFO:
        if (m_device) {
            LRESULT result = Default(message, wParam, lParam);
            RECT least = {0, 0, CZoqScreen::Scaled(120), CZoqScreen::Scaled(120)};
            AdjustWindowRectEx(&least, GetWindowLongW(m_hwnd, GWL_STYLE), FALSE,
                               GetWindowLongW(m_hwnd, GWL_EXSTYLE));
            auto info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = least.right - least.left;
            info->ptMinTrackSize.y = least.bottom - least.top;
            return result;
        }
        break;
    case WM_NCDESTROY: {
        WNDPROC previous = m_previous;
        HWND hwnd = m_hwnd;
        Detach();
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    }
    return Default(message, wParam, lParam);
}

// The desktop habits of a program's main window (CZoqDesktop) follow its messages.
LRESULT CZoqFrame::OnDeviceMessage(UINT message, WPARAM wParam, LPARAM lParam, int* handled) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) <= 1 && CZoqDesktop::OnCommand(m_hwnd, LOWORD(wParam))) {
            *handled = 1;
            return 0;
        }
        break;
    case WM_INITMENUPOPUP: {
        LRESULT result = Default(message, wParam, lParam);
        CZoqDesktop::OnInitMenu(m_hwnd, reinterpret_cast<HMENU>(wParam));
        *handled = 1;
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = Default(message, wParam, lParam);
        CZoqDesktop::OnMoved(m_hwnd);
        *handled = 1;
        return result;
    }
    case WM_ENDSESSION:
        if (wParam)
            CZoqDesktop::Save();
        break;
    case WM_DESTROY: {
        // After the program's own handling: its settings are written by then, and the
        // window still stands where the user left it.
        LRESULT result = Default(message, wParam, lParam);
        CZoqDesktop::OnEnd(m_hwnd);
        *handled = 1;
        return result;
    }
    }
    return 0;
}

void CZoqFrame::Detach() {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_hwnd, GWLP_WNDPROC)) == &CZoqFrame::Proc)
        SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
    FrameRoute::Detach(m_hwnd, this);
    delete this;
}

LRESULT CZoqFrame::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default(WM_NCCALCSIZE, wParam, lParam);
    RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                        : reinterpret_cast<RECT*>(lParam);
    // What the desktop frame leaves is the device's screen.
    if (m_device && !IsIconic(m_hwnd) && !IsEmptyRect(*rect))
        CZoqScreen::SetSize(rect->right - rect->left, rect->bottom - rect->top);
    if (m_topBar)
        rect->top += CZoqScreen::TopBarHeight();
    if (m_hasMenuBar)
        rect->bottom -= CZoqScreen::MenuBarHeight();
    if (rect->bottom < rect->top)
        rect->bottom = rect->top;
    return result;
}

LRESULT CZoqFrame::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    RECT window;
    GetWindowRect(m_hwnd, &window);
    POINT point = {GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top};
    RECT top = TopBarRect();
    RECT bottom = MenuBarRect();
    if (PtInRect(&top, point) || PtInRect(&bottom, point))
        return HTBORDER;
    return Default(WM_NCHITTEST, wParam, lParam);
}

int CZoqFrame::OnNcButtonDown(WPARAM wParam, LPARAM lParam) {
    if (wParam != HTBORDER)
        return 0;
    RECT window;
    GetWindowRect(m_hwnd, &window);
    POINT point = {GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top};
    int part = PartAt(point);
    if (part == kNoPart)
        return 0;
    if (part == kSipButton) {
        CZoqSip::Show(m_hwnd, !CZoqSip::IsRaised());
        return 1;
    }
    if (part != kOkButton && m_buttons[part].popup >= 0) {
        OpenPopup(part);
        return 1;
    }
    // Like a button, a part fires when the pen is lifted over it.
    m_tracking = part;
    m_pressed = part;
    SetCapture(m_hwnd);
    Paint();
    return 1;
}

void CZoqFrame::OnTrackMove(LPARAM lParam) {
    int over = PartAt(WindowPointFromClient(lParam)) == m_tracking ? m_tracking : kNoPart;
    if (over != m_pressed) {
        m_pressed = over;
        Paint();
    }
}

void CZoqFrame::OnTrackUp(LPARAM lParam) {
    int part = m_tracking;
    m_tracking = kNoPart;
    m_pressed = kNoPart;
    ReleaseCapture();
    Paint();
    if (PartAt(WindowPointFromClient(lParam)) == part)
        Fire(part);
}

void CZoqFrame::Fire(int part) {
    if (part == kOkButton)
        SendMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    else if (part >= 0 && part < m_buttonCount)
        SendMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(m_buttons[part].command, 0), 0);
}

void CZoqFrame::OpenPopup(int part) {
    HMENU popup = m_menu.Get() ? GetSubMenu(m_menu.Get(), m_buttons[part].popup) : nullptr;
    RECT button;
    if (!popup || !PartRect(part, &button))
        return;
    RECT bar = MenuBarRect();
    RECT window;
    GetWindowRect(m_hwnd, &window);
    m_pressed = part;
    Paint();
    // The pop-up stands on the menu bar, its left edge at the button's.
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, button.left, window.top + bar.top,
                     m_hwnd, nullptr);
    m_pressed = kNoPart;
    Paint();
}

RECT CZoqFrame::ClientInWindow() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(m_hwnd, &origin);
    RECT window;
    GetWindowRect(m_hwnd, &window);
    OffsetRect(&client, origin.x - window.left, origin.y - window.top);
    return client;
}

RECT CZoqFrame::TopBarRect() const {
    const RECT client = ClientInWindow();
    return BarRect(m_topBar, client, client.top - CZoqScreen::TopBarHeight(), client.top);
}

RECT CZoqFrame::MenuBarRect() const {
    const RECT client = ClientInWindow();
    return BarRect(m_hasMenuBar, client, client.bottom,
                   client.bottom + CZoqScreen::MenuBarHeight());
}

RECT CZoqFrame::PartRectInWindow(int part) const {
    RECT rect = {0, 0, 0, 0};
    if (part == kOkButton) {
        RECT bar = TopBarRect();
        if (!m_okButton || IsEmptyRect(bar))
            return rect;
        int inset = CZoqScreen::Scaled(3);
        SetRect(&rect, bar.right - inset - CZoqScreen::Scaled(kOkButtonWidth), bar.top + inset,
                bar.right - inset, bar.bottom - inset);
        return rect;
    }
    RECT bar = MenuBarRect();
    if (IsEmptyRect(bar))
        return rect;
    int sipWidth = CZoqScreen::Scaled(kSipButtonWidth);
    if (part == kSipButton) {
        SetRect(&rect, bar.right - sipWidth, bar.top + 1, bar.right, bar.bottom);
        return rect;
    }
    if (part < 0 || part >= m_buttonCount)
        return rect;
    // Labels take what they need; when they do not fit they share the bar equally.
    int available = bar.right - bar.left - sipWidth;
    int padding = CZoqScreen::Scaled(kButtonPadding);
    int total = 0;
    for (int i = 0; i < m_buttonCount; ++i)
        total += m_buttonWidths[i] + padding;
    int left = bar.left;
    for (int i = 0; i < part; ++i)
        left += total > available ? available / m_buttonCount : m_buttonWidths[i] + padding;
    int width = total > available ? available / m_buttonCount : m_buttonWidths[part] + padding;
    SetRect(&rect, left, bar.top + 1, left + width, bar.bottom);
    return rect;
}

int CZoqFrame::PartAt(POINT windowPoint) const {
    RECT rect = PartRectInWindow(kOkButton);
    if (PtInRect(&rect, windowPoint))
        return kOkButton;
    rect = PartRectInWindow(kSipButton);
    if (PtInRect(&rect, windowPoint))
        return kSipButton;
    for (int i = 0; i < m_buttonCount; ++i) {
        rect = PartRectInWindow(i);
        if (PtInRect(&rect, windowPoint))
            return i;
    }
    return kNoPart;
}

POINT CZoqFrame::WindowPointFromClient(LPARAM lParam) const {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(m_hwnd, &point);
    RECT window;
    GetWindowRect(m_hwnd, &window);
    point.x -= window.left;
    point.y -= window.top;
    return point;
}

void CZoqFrame::MeasureButtons() {
    CZoqWindowDC screen(nullptr);
    CZoqSelection font(screen.Get(), m_buttonFont.Get());
    for (int i = 0; i < m_buttonCount; ++i) {
        SIZE size = {0, 0};
        GetTextExtentPoint32W(screen.Get(), m_buttons[i].text,
                              static_cast<int>(wcslen(m_buttons[i].text)), &size);
        m_buttonWidths[i] = size.cx;
    }
}

void CZoqFrame::Paint() {
    RECT top = TopBarRect();
    RECT bottom = MenuBarRect();
    if (IsEmptyRect(top) && IsEmptyRect(bottom))
        return;
    CZoqWindowDC window(m_hwnd);
    if (!window.Get())
        return;
    // Each bar is composed off screen and copied in one transfer.
    const RECT* bars[] = {&top, &bottom};
    for (const RECT* bar : bars) {
        if (IsEmptyRect(*bar))
            continue;
        int width = bar->right - bar->left;
        int height = bar->bottom - bar->top;
        CZoqMemoryDC memory(window.Get());
        CZoqGdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(window.Get(), width, height));
        if (!memory.Get() || !bitmap.Get())
            continue;
        CZoqSelection selected(memory.Get(), bitmap.Get());
        RECT local = {0, 0, width, height};
        if (bar == &top)
            PaintTopBar(memory.Get(), local);
        else
            PaintMenuBar(memory.Get(), local);
        BitBlt(window.Get(), bar->left, bar->top, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
}

void CZoqFrame::PaintTopBar(HDC dc, const RECT& bar) {
    Fill(dc, bar, kTopBarColour);
    wchar_t title[128] = L"";
    GetWindowTextW(m_hwnd, title, 128);
    CZoqSelection font(dc, m_titleFont.Get());
    RECT text = bar;
    text.left += CZoqScreen::Scaled(6);
    text.right -= CZoqScreen::Scaled(kOkButtonWidth + 8);
    Text(dc, title, text, DT_LEFT | DT_END_ELLIPSIS, kTopBarText);
    if (!m_okButton)
        return;
    RECT ok = PartRectInWindow(kOkButton);
    RECT bounds = TopBarRect();
    OffsetRect(&ok, -bounds.left, -bounds.top);
    bool pressed = m_pressed == kOkButton;
    CZoqGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, kTopBarText));
    CZoqGdiHandle<HBRUSH> brush(CreateSolidBrush(pressed ? kTopBarText : kTopBarColour));
    CZoqSelection selectedPen(dc, pen.Get());
    CZoqSelection selectedBrush(dc, brush.Get());
    int corner = CZoqScreen::Scaled(8);
    RoundRect(dc, ok.left, ok.top, ok.right, ok.bottom, corner, corner);
    Text(dc, L"ok", ok, DT_CENTER, pressed ? kTopBarColour : kTopBarText);
}

void CZoqFrame::PaintMenuBar(HDC dc, const RECT& bar) {
    Fill(dc, bar, kMenuBarColour);
    RECT edge = {bar.left, bar.top, bar.right, bar.top + 1};
    Fill(dc, edge, kMenuBarEdge);
    RECT bounds = MenuBarRect();
    CZoqSelection font(dc, m_buttonFont.Get());
    for (int i = 0; i < m_buttonCount; ++i) {
        RECT button = PartRectInWindow(i);
        OffsetRect(&button, -bounds.left, -bounds.top);
        bool pressed = m_pressed == i;
        if (pressed)
            Fill(dc, button, kPressedColour);
        Text(dc, m_buttons[i].text, button, DT_CENTER | DT_END_ELLIPSIS,
             pressed ? kPressedText : kMenuBarText);
        RECT separator = {button.right - 1, button.top + CZoqScreen::Scaled(5), button.right,
                          button.bottom - CZoqScreen::Scaled(5)};
        Fill(dc, separator, kMenuBarEdge);
    }
    RECT sip = PartRectInWindow(kSipButton);
    OffsetRect(&sip, -bounds.left, -bounds.top);
    bool raised = CZoqSip::IsRaised() != 0;
    if (raised)
        Fill(dc, sip, kPressedColour);
    PaintKeyboard(dc, sip, raised ? kPressedText : kMenuBarText);
}
