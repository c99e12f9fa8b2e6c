#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Drives the modal dialogs and message boxes a test provokes: a CBT hook notices each
// dialog as it becomes active, a thread timer then hands it to `action` (which reads
// it and closes it), and a watchdog closes whatever is still open after `timeoutMs`,
// so a test can never hang on a window nobody answers. Drivers nest: the newest one
// handles the dialogs until it goes.
class CDialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit CDialogDriver(Action action, UINT timeoutMs = 10000);
    ~CDialogDriver();
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // Captions of the dialogs seen, in order.
    const std::vector<std::wstring>& Seen() const { return m_seen; }
    int TimedOut() const { return m_timedOut; }

    // Helpers for actions.
    static std::wstring Caption(HWND dialog);
    // The text of a message box.
    static std::wstring MessageText(HWND box);
    static void Press(HWND dialog, int id);

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ActTimer(HWND, UINT, UINT_PTR timer, DWORD);
    static void CALLBACK WatchdogTimer(HWND, UINT, UINT_PTR timer, DWORD);

    CDialogDriver* m_outer; // drivers nest: the innermost one acts
    Action m_action;
    HHOOK m_hook = nullptr;
    UINT_PTR m_watchdog = 0;
    std::vector<HWND> m_pending;
    std::vector<HWND> m_known; // every dialog noticed, so a reactivation is not a new one
    std::vector<std::wstring> m_seen;
    int m_timedOut = 0;
};
