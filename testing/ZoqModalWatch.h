#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Which windows a watch answers.
enum class EZoqModalKind {
    kDialog,    // a dialog box or message box (class #32770) that becomes active
    kOwned,     // a top-level window created with an owner, once it shows
    kAnyWindow, // any top-level window that becomes active and was not there before
    kPopupMenu, // a pop-up menu (class #32768) that shows
};

// When the steps run.
enum class EZoqStepPace {
    kEachWindow, // one step for each new window
    kEachTick,   // one step each tick for the newest window still open (a script on one window)
};

struct SZoqWatchOptions {
    EZoqModalKind kind = EZoqModalKind::kDialog;
    EZoqStepPace pace = EZoqStepPace::kEachWindow;
    // How long a window shows before its step runs, in milliseconds: it runs inside
    // the window's own modal loop, which has then painted the window once.
    UINT delay = 50;
    // After this many milliseconds the watch counts as timed out: it cancels every
    // window it saw that is still open and ends the thread's modal loops, again each
    // period; after three periods the process ends with a message.
    UINT watchdog = 10000;
    // The last step answers every window beyond the steps (a guard that closes any
    // window a test did not expect).
    bool repeatLast = false;
};

// Options of a watch of `kind` whose steps wait `delay` ms and whose watchdog fires after
// `watchdog` ms, one step per window.
SZoqWatchOptions WatchFor(EZoqModalKind kind, UINT delay, UINT watchdog);

// Options of a watch that answers every dialog box or message box with its last step,
// however many open.
SZoqWatchOptions EveryDialog(UINT watchdog = 10000);

// Drives the modal windows (dialogs, message boxes, the graph, pop-up menus) that the
// code under test opens on this thread while the watch exists: the CBT hook notes the
// windows that become active, a thread timer hands each new window to the next step
// from inside that window's modal loop. A step may open a further modal window; the
// next step then acts on that one. Watches nest: the newest one answers the windows
// until it goes, the others only keep their watchdogs.
class CZoqModalWatch {
public:
    using Step = std::function<void(HWND)>;

    explicit CZoqModalWatch(std::vector<Step> steps, SZoqWatchOptions options = {});
    // A watch of one step (with repeatLast, one answer for every window).
    explicit CZoqModalWatch(Step step, SZoqWatchOptions options = {});
    ~CZoqModalWatch();
    CZoqModalWatch(const CZoqModalWatch&) = delete;
    CZoqModalWatch& operator=(const CZoqModalWatch&) = delete;

    int StepsDone() const { return m_done; }
    // 1 once the watchdog fired: a window nobody answered, or one that would not close.
    int TimedOut() const { return m_timedOut; }
    // The first window the watch noticed, or null.
    HWND First() const { return m_first; }
    // The captions of the windows handed to a step, in order.
    const std::vector<std::wstring>& Seen() const { return m_seen; }

private:
    struct SNoted {
        HWND window;
        DWORD shownAt; // tick count when first seen shown; 0 while hidden
        bool answered;
    };

    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    static CZoqModalWatch* WatchOfTimer(UINT_PTR id);
    void Notice(HWND window, int activated);
    void Forget(HWND window);
    void Tick();
    void Watchdog();
    int IsCandidate(HWND window, int activated) const;
    void LookForMenu();

    static CZoqModalWatch* s_newest;
    static HHOOK s_hook;

    CZoqModalWatch* m_outer;
    std::vector<Step> m_steps;
    SZoqWatchOptions m_options;
    std::vector<HWND> m_before; // top-level windows of the thread when the watch began
    std::vector<SNoted> m_noted;
    std::vector<std::wstring> m_seen;
    HWND m_first = nullptr;
    size_t m_next = 0;
    int m_done = 0;
    int m_timedOut = 0;
    int m_watchdogPeriods = 0;
    DWORD m_start = 0;
    UINT_PTR m_tick = 0;
};

// Runs `action`, which opens a modal window on this thread, and `delay` ms after the
// window shows calls `onModal(window, modalContext)` from inside its modal loop;
// onModal should end the loop. With `count`, up to that many windows opening one after
// another are handed to onModal in turn (a reactivated owner is no new window). A
// watchdog of `watchdog` ms ends the modal loops if nothing answers. Returns the first
// window seen, or null.
HWND WatchModal(void (*action)(void*), void* actionContext, UINT delay, UINT watchdog,
                void (*onModal)(HWND, void*), void* modalContext, int count = 1);
