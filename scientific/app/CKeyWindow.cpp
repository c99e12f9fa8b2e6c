#include "scientific/app/CKeyWindow.h"

#include "scientific/app/CSkin.h"
#include "ce/ZoqRoute.h"
#include "ce/ZoqGdiScope.h"

namespace {

const wchar_t kClassName[] = L"NumorapadKey";

} // namespace

int CKeyWindow::RegisterKeyClass(HINSTANCE instance) {
    WNDCLASSW existing;
    if (GetClassInfoW(instance, kClassName, &existing)) {
        return 1;
    }
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return ::RegisterClassW(&wc) != 0;
}

int CKeyWindow::Create(HWND parent, HINSTANCE instance, int key, const RECT& rect,
                       const CSkin* skin) {
    Destroy();
    m_parent = parent;
    m_key = key;
    m_rect = rect;
    m_skin = skin;
    m_pressed = 0;
    m_hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             instance, this);
    return m_hwnd != nullptr;
}

void CKeyWindow::Destroy() {
    if (m_hwnd) {
        HWND hwnd = m_hwnd;
        m_hwnd = nullptr;
        CZoqRoute<CKeyWindow>::Detach(hwnd, this);
        DestroyWindow(hwnd);
    }
}

LRESULT CALLBACK CKeyWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A key window destroyed with the main window is let go of at WM_NCDESTROY: the
    // object must not destroy it again.
    return CZoqRoute<CKeyWindow>::Window(hwnd, message, wParam, lParam, &CKeyWindow::m_hwnd,
                                         &CKeyWindow::OnMessage);
}

LRESULT CKeyWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLButtonDown();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the pen (a menu, a dialog): the key must not stay down.
        if (m_pressed && reinterpret_cast<HWND>(lParam) != m_hwnd) {
            SetPressed(0);
        }
        return 0;
    case kKeyRelease:
        SetPressed(0);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        // The keyboard belongs to the main window, whichever key window has the focus.
        return SendMessageW(m_parent, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

void CKeyWindow::OnLButtonDown() {
    SetCapture(m_hwnd);
    SetPressed(1);
    SendMessageW(m_parent, kKeyMessageBase + m_key, WM_LBUTTONDOWN, 0);
}

void CKeyWindow::OnMouseMove(LPARAM lParam) {
    if (!m_pressed) {
        return;
    }
    // Sliding off the key releases it as if the pen were lifted there.
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT inner = {1, 1, m_rect.right - m_rect.left - 1, m_rect.bottom - m_rect.top - 1};
    if (!PtInRect(&inner, point)) {
        SendMessageW(m_hwnd, WM_LBUTTONUP, 0, lParam);
    }
}

void CKeyWindow::OnLButtonUp() {
    if (!m_pressed) {
        return;
    }
    SetPressed(0);
    SendMessageW(m_parent, kKeyMessageBase + m_key, WM_LBUTTONUP, 0);
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
}

void CKeyWindow::SetPressed(int pressed) {
    if (m_pressed != pressed) {
        m_pressed = pressed;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        UpdateWindow(m_hwnd);
    }
}

void CKeyWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (m_skin) {
        m_skin->DrawPiece(dc, m_rect, m_pressed);
    }
    EndPaint(m_hwnd, &ps);
}
