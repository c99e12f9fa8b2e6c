#include "calc/CalcWindow.h"

#include "calc/KeyTable.h"
#include "ce/ZoqDesktop.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqShell.h"
#include "graph/GraphResources.h"
#include "graph/WndGraph.h"

#include "ZoqVersion.h"

#include <cwchar>

// The keyboard tables name the arrow keys without the platform headers.
static_assert(kVirtualKeyUp == VK_UP && kVirtualKeyDown == VK_DOWN);

CCalcWindow::CCalcWindow(const wchar_t* programName, int displayDivisor,
                         const CCalcFace::KeyColours& keys)
    : m_programName(programName), m_displayDivisor(displayDivisor), m_keys(keys) {}

CCalcWindow::~CCalcWindow() {
    m_face.Release();
}

LRESULT CCalcWindow::OnChar(HWND, WPARAM wParam, LPARAM) {
    if (KeyTyped(static_cast<wchar_t>(wParam), GetKeyState(VK_SHIFT) < 0)) {
        Redraw();
    }
    return 0;
}

LRESULT CCalcWindow::OnKeyUp(HWND, WPARAM wParam, LPARAM) {
    if (KeyReleased(static_cast<unsigned>(wParam))) {
        Redraw();
    }
    return 0;
}

LRESULT CCalcWindow::InitCalcDialog(HWND hwnd, const SZoqMenuBarInfo& menuBar, UINT firstLabelId) {
    RunAction(ECalcAction::Clear, 0);
    // The frame and the task bar show the program's icon, not Wine's or the system's default.
    HICON icon = LoadIconW(m_instance, MAKEINTRESOURCEW(kProgramIconId));
    if (icon) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    CZoqShell::InitFullScreen(hwnd, CZoqShell::kNoButton);
    CZoqMenuBar::Create(hwnd, m_instance, menuBar);
    m_face.LoadLabels(m_instance, firstLabelId);
    m_initialised = true;
    RECT client;
    GetClientRect(hwnd, &client);
    OnSize(hwnd, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    return 1;
}

LRESULT CCalcWindow::OnSize(HWND hwnd, WPARAM, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    if (!m_initialised || (m_face.IsLaidOut() && width == m_lastWidth && height == m_lastHeight)) {
        return 0;
    }
    m_lastWidth = width;
    m_lastHeight = height;
    m_face.Layout(hwnd, width, height, m_displayDivisor, m_keys);
    InvalidateRect(hwnd, nullptr, FALSE);
    return 0;
}

LRESULT CCalcWindow::OnDestroy(HWND, WPARAM, LPARAM) {
    m_face.Release();
    return 1;
}

// Closing destroys the window, and nothing else would end the message loop: the
// program would go on running without a window.
LRESULT CCalcWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Quit();
        return 0;
    }
    // Another size was chosen: the face is laid out again with fonts for the new dpi,
    // even where the client size came out the same.
    if (message == CZoqDesktop::ScaleMessage()) {
        RECT client;
        GetClientRect(hwnd, &client);
        m_lastWidth = 0;
        m_lastHeight = 0;
        OnSize(hwnd, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        return 0;
    }
    return CZoqWnd::OnMessage(hwnd, message, wParam, lParam);
}

void CCalcWindow::Quit() {
    if (ConfirmQuit()) {
        PostQuitMessage(0);
    }
}

void CCalcWindow::Redraw() {
    if (m_hWnd) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

LRESULT CCalcWindow::OnDraw(HWND, HDC dc, RECT*) {
    if (m_face.BeginFrame()) {
        DrawDisplay();
        m_face.EndFrame(dc);
    }
    return 0;
}

LRESULT CCalcWindow::OnLButtonDown(HWND, POINT point) {
    m_face.ButtonDown(point);
    return 0;
}

LRESULT CCalcWindow::OnLButtonUp(HWND, POINT point) {
    const int index = m_face.ButtonUp(point);
    if (index >= 0) {
        ButtonAction(index);
    }
    return 0;
}

void CCalcWindow::ButtonAction(int index) {
    if (!RunAction(KeypadAction(index), KeypadDigit(index))) {
        ProgramButton(index);
    }
    Redraw();
}

LRESULT CCalcWindow::OnMouseMove(HWND, POINT point) {
    m_face.MouseMove(point);
    return 0;
}

void CCalcWindow::ShowAbout() {
    wchar_t title[64];
    std::swprintf(title, 64, L"About %ls", m_programName);
    wchar_t text[160];
    std::swprintf(text, 160, L"%ls\r\n%ls\r\n\r\nZoq Calculators\r\nwww.zoq.example", m_programName,
                  ZOQ_VERSION_WIDE);
    MessageBoxW(m_hWnd, text, title, MB_OK);
}

void CCalcWindow::RunGraph(CWndGraph& graph) {
    graph.DoModal(m_hWnd, m_instance, IDD_GRAPH);
    graph.Destroy();
    Redraw();
}
