#include "regression/app/shots/ShotDriver.h"

#include "ce/ZoqShot.h"

#include <shellapi.h>

namespace {

HHOOK g_hook = nullptr;
HWND g_modal = nullptr;
UINT_PTR g_shotTimer = 0;
UINT_PTR g_watchdogTimer = 0;
const std::wstring* g_path = nullptr;
int g_written = 0;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (id == g_shotTimer && g_modal) {
        g_shotTimer = 0;
        RedrawWindow(g_modal, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        g_written = CZoqShot::SaveWindow(g_modal, g_path->c_str());
        PostMessageW(g_modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (id == g_watchdogTimer) {
        g_watchdogTimer = 0;
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !g_modal) {
        g_modal = reinterpret_cast<HWND>(wParam);
        g_shotTimer = SetTimer(nullptr, 0, 700, OnTimer);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void TypeKeys(HWND hwnd, const wchar_t* keys) {
    for (; *keys; ++keys) {
        SendMessageW(hwnd, WM_CHAR, *keys, 0);
    }
}

int ShootModal(void (*action)(void*), void* context, const std::wstring& path) {
    g_modal = nullptr;
    g_path = &path;
    g_written = 0;
    g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    g_watchdogTimer = SetTimer(nullptr, 0, 15000, OnTimer);
    action(context);
    if (g_watchdogTimer) {
        KillTimer(nullptr, g_watchdogTimer);
        g_watchdogTimer = 0;
    }
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_modal = nullptr;
    MSG message;
    PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return g_written;
}

int ShootWindow(HWND hwnd, const std::wstring& path) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    PumpFor(300);
    return CZoqShot::SaveWindow(hwnd, path.c_str());
}

std::wstring OutputFolder() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring folder = count > 1 ? arguments[1] : L".";
    LocalFree(arguments);
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}
