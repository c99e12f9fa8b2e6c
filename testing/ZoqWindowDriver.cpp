#include "testing/ZoqWindowDriver.h"

#include <cwchar>

namespace {

BOOL CALLBACK AppendText(HWND child, LPARAM texts) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(texts) += text;
    return TRUE;
}

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32768") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

} // namespace

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        Pump();
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void TapAt(HWND hwnd, int x, int y) {
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void TapFrame(HWND hwnd, POINT screenPoint) {
    const LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, PointParam(screenPoint));
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, hit, PointParam(screenPoint));
    POINT client = screenPoint;
    ScreenToClient(hwnd, &client);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(client));
}

void Type(HWND hwnd, const wchar_t* keys) {
    for (; keys && *keys; ++keys) {
        SendMessageW(hwnd, WM_CHAR, *keys, 0);
    }
}

void Command(HWND hwnd, UINT command) {
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void Press(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring Caption(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring MessageText(HWND box) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

std::wstring ControlTexts(HWND window) {
    std::wstring texts;
    EnumChildWindows(window, AppendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FindPopupMenu() {
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&popup));
    return popup;
}

std::wstring MenuItems(HMENU menu) {
    std::wstring items;
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        if (i > 0) {
            items += L"|";
        }
        items += text;
        if (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) {
            items += L"*";
        }
    }
    return items;
}

std::wstring PopupItems(HWND popup) {
    return MenuItems(popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0))
                           : nullptr);
}
