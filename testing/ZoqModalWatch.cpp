#include "testing/ZoqModalWatch.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

namespace {

// Often enough that a step follows its window within a frame or two.
constexpr UINT kTickMs = 20;
// Watchdog periods after which nothing will end the run any more.
constexpr int kLastPeriod = 3;

int HasClass(HWND window, const wchar_t* name) {
    wchar_t found[16] = {};
    GetClassNameW(window, found, 16);
    return wcscmp(found, name) == 0;
}

int IsTopLevel(HWND window) {
    return IsWindow(window) && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

} // namespace

CZoqModalWatch* CZoqModalWatch::s_newest = nullptr;
HHOOK CZoqModalWatch::s_hook = nullptr;

CZoqModalWatch::CZoqModalWatch(std::vector<Step> steps, SZoqWatchOptions options)
    : m_outer(s_newest), m_steps(std::move(steps)), m_options(options), m_before(ThreadWindows()),
      m_start(GetTickCount()) {
    s_newest = this;
    if (!s_hook) {
        s_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    m_tick = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

CZoqModalWatch::CZoqModalWatch(Step step, SZoqWatchOptions options)
    : CZoqModalWatch(std::vector<Step>{std::move(step)}, options) {}

CZoqModalWatch::~CZoqModalWatch() {
    KillTimer(nullptr, m_tick);
    // Watches end in the reverse order of their start.
    s_newest = m_outer;
    if (!s_newest && s_hook) {
        UnhookWindowsHookEx(s_hook);
        s_hook = nullptr;
    }
    // The quit message of the watchdog must not end a later loop.
    if (m_timedOut) {
        MSG message;
        PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
}

LRESULT CALLBACK CZoqModalWatch::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (s_newest && code == HCBT_ACTIVATE) {
        s_newest->Notice(window, 1);
    } else if (s_newest && code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (!(create->style & WS_CHILD) && create->hwndParent) {
            s_newest->Notice(window, 0);
        }
    } else if (code == HCBT_DESTROYWND) {
        for (CZoqModalWatch* watch = s_newest; watch; watch = watch->m_outer) {
            watch->Forget(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int CZoqModalWatch::IsCandidate(HWND window, int activated) const {
    switch (m_options.kind) {
    case EZoqModalKind::kDialog:
        return activated && IsTopLevel(window) && HasClass(window, L"#32770");
    case EZoqModalKind::kOwned:
        // Noted at creation, when the style is all there is to go by.
        return !activated;
    case EZoqModalKind::kAnyWindow:
        // The owner that is active again when its modal window closes was there before.
        return activated && IsTopLevel(window) &&
               std::find(m_before.begin(), m_before.end(), window) == m_before.end();
    case EZoqModalKind::kPopupMenu:
        return 0;
    }
    return 0;
}

void CZoqModalWatch::Notice(HWND window, int activated) {
    if (!IsCandidate(window, activated)) {
        return;
    }
    for (const SNoted& noted : m_noted) {
        if (noted.window == window) {
            return;
        }
    }
    m_noted.push_back({window, 0, false});
    if (!m_first) {
        m_first = window;
    }
}

void CZoqModalWatch::Forget(HWND window) {
    m_noted.erase(std::remove_if(m_noted.begin(), m_noted.end(),
                                 [window](const SNoted& noted) { return noted.window == window; }),
                  m_noted.end());
}

// Pop-up menus are no active windows: they are looked for.
void CZoqModalWatch::LookForMenu() {
    for (HWND window : ThreadWindows()) {
        if (!HasClass(window, L"#32768") || !IsWindowVisible(window)) {
            continue;
        }
        bool known = false;
        for (const SNoted& noted : m_noted) {
            known = known || noted.window == window;
        }
        if (!known) {
            m_noted.push_back({window, 0, false});
            m_first = m_first ? m_first : window;
        }
    }
    // A menu window that closed may show again as the next menu.
    m_noted.erase(
        std::remove_if(m_noted.begin(), m_noted.end(),
                       [](const SNoted& noted) { return !IsWindowVisible(noted.window); }),
        m_noted.end());
}

CZoqModalWatch* CZoqModalWatch::WatchOfTimer(UINT_PTR id) {
    for (CZoqModalWatch* watch = s_newest; watch; watch = watch->m_outer) {
        if (watch->m_tick == id) {
            return watch;
        }
    }
    return nullptr;
}

void CALLBACK CZoqModalWatch::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    CZoqModalWatch* watch = WatchOfTimer(id);
    if (!watch) {
        return;
    }
    const DWORD elapsed = GetTickCount() - watch->m_start;
    if (elapsed >= static_cast<DWORD>(watch->m_watchdogPeriods + 1) * watch->m_options.watchdog) {
        watch->Watchdog();
    }
    if (watch == s_newest) {
        watch->Tick();
    }
}

void CZoqModalWatch::Tick() {
    if (m_options.kind == EZoqModalKind::kPopupMenu) {
        LookForMenu();
    }
    const DWORD now = GetTickCount();
    // The newest window that has shown long enough; hidden ones start their delay
    // when they show.
    HWND ready = nullptr;
    for (SNoted& noted : m_noted) {
        if (!IsWindowVisible(noted.window)) {
            continue;
        }
        if (!noted.shownAt) {
            noted.shownAt = now ? now : 1;
        }
        const bool due = now - noted.shownAt >= m_options.delay;
        const bool open = !noted.answered || m_options.pace == EZoqStepPace::kEachTick;
        if (due && open) {
            ready = noted.window;
        }
    }
    if (!ready) {
        return;
    }
    const Step* step = nullptr;
    if (m_next < m_steps.size()) {
        step = &m_steps[m_next++];
    } else if (m_options.repeatLast && !m_steps.empty()) {
        step = &m_steps.back();
    }
    if (!step) {
        return;
    }
    for (SNoted& noted : m_noted) {
        noted.answered = noted.answered || noted.window == ready;
    }
    m_seen.push_back(CaptionOf(ready));
    ++m_done;
    // The step may run a modal loop of its own, in which this watch goes on ticking.
    (*step)(ready);
}

void CZoqModalWatch::Watchdog() {
    ++m_watchdogPeriods;
    m_timedOut = 1;
    std::fprintf(stderr,
                 "modal watch: %d of %d steps done after %lu ms; closing the windows still open\n",
                 m_done, static_cast<int>(m_steps.size()),
                 static_cast<unsigned long>(GetTickCount() - m_start));
    std::fflush(stderr);
    if (m_watchdogPeriods >= kLastPeriod) {
        std::fprintf(stderr, "modal watch: the windows would not close; ending the run\n");
        std::fflush(stderr);
        ExitProcess(3);
    }
    for (const SNoted& noted : m_noted) {
        if (m_options.kind == EZoqModalKind::kPopupMenu) {
            EndMenu();
        } else if (IsWindow(noted.window)) {
            PostMessageW(noted.window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
    PostQuitMessage(0);
}

SZoqWatchOptions WatchFor(EZoqModalKind kind, UINT delay, UINT watchdog) {
    SZoqWatchOptions options;
    options.kind = kind;
    options.delay = delay;
    options.watchdog = watchdog;
    return options;
}

SZoqWatchOptions EveryDialog(UINT watchdog) {
    SZoqWatchOptions options = WatchFor(EZoqModalKind::kDialog, SZoqWatchOptions{}.delay, watchdog);
    options.repeatLast = true;
    return options;
}

HWND WatchModal(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                void (*onModal)(HWND, void*), void* modalContext, int count) {
    const CZoqModalWatch::Step step = [=](HWND window) { onModal(window, modalContext); };
    CZoqModalWatch watch(std::vector<CZoqModalWatch::Step>(count > 0 ? count : 1, step),
                         WatchFor(EZoqModalKind::kAnyWindow, delay, watchdog));
    action(actionContext);
    return watch.First();
}
