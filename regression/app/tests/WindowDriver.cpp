#include "regression/app/tests/WindowDriver.h"

namespace {

HHOOK g_hook = nullptr;
HWND g_modal = nullptr;
ModalCapture* g_capture = nullptr;
const wchar_t* g_fileName = nullptr;
// The file name field of the common file dialogs: a combo box (cmb13) in the
// explorer style, an edit control (edt1) in the old one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
// Thread timers get their ids from the system.
UINT_PTR g_closeTimer = 0;
UINT_PTR g_watchdogTimer = 0;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    wchar_t text[512];
    GetWindowTextW(child, text, 512);
    if (*text) {
        g_capture->text += text;
    }
    return TRUE;
}

void CloseModal(HWND modal) {
    wchar_t title[256];
    GetWindowTextW(modal, title, 256);
    g_capture->seen = true;
    g_capture->title = title;
    EnumChildWindows(modal, CollectText, 0);
    if (g_fileName) {
        HWND field = GetDlgItem(modal, kFileNameCombo);
        HWND edit = field ? FindWindowExW(field, nullptr, L"Edit", nullptr) : nullptr;
        if (!edit) {
            edit = field ? field : GetDlgItem(modal, kFileNameEdit);
        }
        SetWindowTextW(edit, g_fileName);
    }
    // Message boxes end with IDOK; full-screen dialogs with command 1 as well.
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (id == g_closeTimer && g_modal) {
        KillTimer(nullptr, id);
        g_closeTimer = 0;
        CloseModal(g_modal);
    } else if (id == g_watchdogTimer) {
        // Nothing opened or it would not close: end every modal loop of the thread.
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !g_modal) {
        g_modal = reinterpret_cast<HWND>(wParam);
        // Act once the window is running its modal loop.
        g_closeTimer = SetTimer(nullptr, 0, 200, OnTimer);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

} // namespace

ModalCapture CaptureModal(void (*action)(void*), void* context, const wchar_t* fileName) {
    ModalCapture capture;
    g_capture = &capture;
    g_fileName = fileName;
    g_modal = nullptr;
    g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    g_watchdogTimer = SetTimer(nullptr, 0, 10000, OnTimer);
    action(context);
    KillTimer(nullptr, g_watchdogTimer);
    g_watchdogTimer = 0;
    if (g_closeTimer) {
        KillTimer(nullptr, g_closeTimer);
        g_closeTimer = 0;
    }
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_modal = nullptr;
    g_capture = nullptr;
    g_fileName = nullptr;
    // A quit message posted by the watchdog must not end a later loop.
    MSG message;
    PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return capture;
}

namespace {

struct CommandToSend {
    HWND hwnd;
    UINT command;
};

void SendCommand(void* context) {
    const CommandToSend* send = static_cast<CommandToSend*>(context);
    Command(send->hwnd, send->command);
}

struct TapToMake {
    HWND hwnd;
    CalcRect rect;
};

void MakeTap(void* context) {
    const TapToMake* tap = static_cast<TapToMake*>(context);
    Tap(tap->hwnd, tap->rect);
}

} // namespace

ModalCapture CaptureCommand(HWND hwnd, UINT command, const wchar_t* fileName) {
    CommandToSend send{hwnd, command};
    return CaptureModal(SendCommand, &send, fileName);
}

ModalCapture CaptureTap(HWND hwnd, const CalcRect& rect) {
    TapToMake tap{hwnd, rect};
    return CaptureModal(MakeTap, &tap);
}
