#include "ModalDriver.h"

#include <string>

CModalDriver* CModalDriver::s_active = nullptr;

CModalDriver::CModalDriver(std::vector<Step> steps) : m_steps(std::move(steps)) {
    s_active = this;
    m_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    m_tick = SetTimer(nullptr, 0, 30, OnTimer);
    m_watchdog = SetTimer(nullptr, 0, 5000, OnTimer);
}

CModalDriver::~CModalDriver() {
    KillTimer(nullptr, m_tick);
    KillTimer(nullptr, m_watchdog);
    UnhookWindowsHookEx(m_hook);
    s_active = nullptr;
}

LRESULT CALLBACK CModalDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && s_active) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD) && create->hwndParent) {
            s_active->m_windows.push_back(reinterpret_cast<HWND>(wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (!s_active) {
        return;
    }
    if (id == s_active->m_watchdog) {
        s_active->Watchdog();
    } else if (id == s_active->m_tick) {
        s_active->Tick();
    }
}

void CModalDriver::Tick() {
    while (!m_windows.empty() && !IsWindow(m_windows.back())) {
        m_windows.pop_back();
    }
    if (m_windows.empty() || m_next >= m_steps.size() || !IsWindowVisible(m_windows.back())) {
        return;
    }
    // Taken before it runs: a step that opens another modal window is still running
    // when the next step acts on that window.
    const Step& step = m_steps[m_next++];
    step(m_windows.back());
}

void CModalDriver::Watchdog() {
    m_timedOut = 1;
    for (HWND window : m_windows) {
        if (IsWindow(window)) {
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

void CModalDriver::PressOk(HWND window) {
    SendMessageW(window, WM_COMMAND, IDOK, 0);
}

std::wstring CModalDriver::MessageText(HWND box) {
    wchar_t text[1024] = {};
    // The message of a message box is its static control 0xFFFF.
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}
