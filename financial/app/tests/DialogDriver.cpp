#include "financial/app/tests/DialogDriver.h"

#include <algorithm>

namespace {
CDialogDriver* g_driver = nullptr;

int IsDialog(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return wcscmp(name, L"#32770") == 0 && !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD);
}

BOOL CALLBACK CloseDialog(HWND hwnd, LPARAM) {
    if (IsDialog(hwnd)) {
        PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}
} // namespace

CDialogDriver::CDialogDriver(Action action, UINT timeoutMs)
    : m_outer(g_driver), m_action(std::move(action)) {
    g_driver = this;
    m_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    m_watchdog = SetTimer(nullptr, 0, timeoutMs, WatchdogTimer);
}

CDialogDriver::~CDialogDriver() {
    if (m_hook) {
        UnhookWindowsHookEx(m_hook);
    }
    if (m_watchdog) {
        KillTimer(nullptr, m_watchdog);
    }
    g_driver = m_outer;
}

LRESULT CALLBACK CDialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_driver) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        auto& known = g_driver->m_known;
        if (IsDialog(hwnd) && std::find(known.begin(), known.end(), hwnd) == known.end()) {
            known.push_back(hwnd);
            g_driver->m_pending.push_back(hwnd);
            // The dialog is not ready yet: act once its modal loop runs.
            SetTimer(nullptr, 0, 50, ActTimer);
        }
    }
    if (code == HCBT_DESTROYWND && g_driver) {
        auto& known = g_driver->m_known;
        known.erase(std::remove(known.begin(), known.end(), reinterpret_cast<HWND>(wParam)),
                    known.end());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CDialogDriver::ActTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!g_driver || g_driver->m_pending.empty()) {
        return;
    }
    HWND dialog = g_driver->m_pending.back();
    g_driver->m_pending.pop_back();
    if (!IsWindow(dialog)) {
        return;
    }
    g_driver->m_seen.push_back(Caption(dialog));
    g_driver->m_action(dialog);
}

void CALLBACK CDialogDriver::WatchdogTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (CDialogDriver* driver = g_driver; driver; driver = driver->m_outer) {
        if (driver->m_watchdog == timer) {
            driver->m_watchdog = 0;
            driver->m_timedOut = 1;
            EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
        }
    }
}

std::wstring CDialogDriver::Caption(HWND dialog) {
    wchar_t text[256] = {};
    GetWindowTextW(dialog, text, 256);
    return text;
}

std::wstring CDialogDriver::MessageText(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

void CDialogDriver::Press(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
