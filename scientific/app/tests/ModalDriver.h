#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives modal dialogs and message boxes that a test opens on its own thread: a CBT hook
// notes every owned top-level window as it is created, and a thread timer hands the
// newest one still open to the next step. A step may open a further modal window (the
// next step then acts on that one). A watchdog closes whatever is still open after a few
// seconds, so no test can hang.
class CModalDriver {
public:
    using Step = std::function<void(HWND)>;

    explicit CModalDriver(std::vector<Step> steps);
    ~CModalDriver();
    CModalDriver(const CModalDriver&) = delete;
    CModalDriver& operator=(const CModalDriver&) = delete;

    int StepsDone() const { return m_next; }
    int TimedOut() const { return m_timedOut; }

    // Ends a dialog or message box as its "ok" does.
    static void PressOk(HWND window);
    // The text of a message box.
    static std::wstring MessageText(HWND box);

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    void Tick();
    void Watchdog();

    static CModalDriver* s_active;
    std::vector<Step> m_steps;
    std::vector<HWND> m_windows;
    size_t m_next = 0;
    int m_timedOut = 0;
    HHOOK m_hook = nullptr;
    UINT_PTR m_tick = 0;
    UINT_PTR m_watchdog = 0;
};
