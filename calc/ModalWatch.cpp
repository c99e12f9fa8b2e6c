#include "calc/ModalWatch.h"

namespace {

// Hooks and thread timers carry no context of their own.
struct SWatch {
    HHOOK hook = nullptr;
    // The first window seen, and the one being acted on.
    HWND modal = nullptr;
    HWND current = nullptr;
    HWND currentOwner = nullptr;
    int count = 1;
    int seen = 0;
    UINT delay = 0;
    // Thread timers get their ids from the system.
    UINT_PTR actTimer = 0;
    UINT_PTR watchdogTimer = 0;
    bool watchdogFired = false;
    void (*onModal)(HWND, void*) = nullptr;
    void* context = nullptr;
};
SWatch g_watch;

void KillIfSet(UINT_PTR& timer) {
    if (timer) {
        KillTimer(nullptr, timer);
        timer = 0;
    }
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (id == g_watch.actTimer) {
        KillIfSet(g_watch.actTimer);
        g_watch.onModal(g_watch.current, g_watch.context);
    } else if (id == g_watch.watchdogTimer) {
        // Nothing opened or it would not close: end every modal loop of the thread.
        g_watch.watchdogFired = true;
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    const bool again =
        g_watch.current && (window == g_watch.current || window == g_watch.currentOwner);
    if (code == HCBT_ACTIVATE && g_watch.seen < g_watch.count && !g_watch.actTimer && !again) {
        if (!g_watch.modal) {
            g_watch.modal = window;
        }
        g_watch.current = window;
        g_watch.currentOwner = GetWindow(window, GW_OWNER);
        ++g_watch.seen;
        // Act once the window is running its modal loop.
        g_watch.actTimer = SetTimer(nullptr, 0, g_watch.delay, OnTimer);
    }
    return CallNextHookEx(g_watch.hook, code, wParam, lParam);
}

} // namespace

HWND WatchModal(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                void (*onModal)(HWND, void*), void* modalContext) {
    return WatchModals(action, actionContext, delay, watchdog, onModal, modalContext, 1);
}

HWND WatchModals(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                 void (*onModal)(HWND, void*), void* modalContext, int count) {
    g_watch = SWatch{};
    g_watch.count = count;
    g_watch.delay = delay;
    g_watch.onModal = onModal;
    g_watch.context = modalContext;
    g_watch.hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    g_watch.watchdogTimer = SetTimer(nullptr, 0, watchdog, OnTimer);
    action(actionContext);
    KillIfSet(g_watch.watchdogTimer);
    KillIfSet(g_watch.actTimer);
    UnhookWindowsHookEx(g_watch.hook);
    const HWND seen = g_watch.modal;
    const bool watchdogFired = g_watch.watchdogFired;
    g_watch = SWatch{};
    // A quit message posted by the watchdog must not end a later loop; one that
    // `action` posted itself stays for the caller to see.
    if (watchdogFired) {
        MSG message;
        PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    return seen;
}
