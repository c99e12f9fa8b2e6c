#include "ui/ZoqWnd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The probe program is built beside this test.
std::wstring ProbePath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = path;
    return result.substr(0, result.find_last_of(L"\\/") + 1) + L"zoq_program_probe.exe";
}

// Runs the probe and returns its exit code, or -1 when it could not run or hung.
long RunProbe() {
    std::wstring commandLine = L"\"" + ProbePath() + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return waited == WAIT_OBJECT_0 ? static_cast<long>(code) : -1;
}

TEST(ZoqProgram, FirstCopyRunsItsMessageLoopAndExitsWithTheQuitCode) {
    EXPECT_EQ(7, RunProbe());
}

// Remembers being activated: the foreground window is shared by every Wine process,
// and another one may take it again at any moment.
class CActivationRecorder : public CZoqWnd {
public:
    int activations = 0;
    LRESULT OnActivate(HWND, WPARAM wParam, LPARAM) override {
        activations += LOWORD(wParam) != WA_INACTIVE;
        return 0;
    }
};

TEST(ZoqProgram, SecondCopyBringsTheRunningWindowForwardAndExitsWithZero) {
    CActivationRecorder running;
    CZoqWnd other;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_EQ(1, running.Create(L"Zoq Probe", nullptr, instance, L"ClassZoqProbe", 0, 0, 120, 120,
                                0, WS_OVERLAPPED | WS_VISIBLE));
    ASSERT_EQ(1, other.Create(L"Something Else", nullptr, instance, L"ZoqTestElse", 0, 0, 120, 120,
                              0, WS_OVERLAPPED | WS_VISIBLE));
    SetForegroundWindow(other.GetHandle());
    running.activations = 0;

    EXPECT_EQ(0, RunProbe());
    // Activation across processes completes when this thread reads its messages.
    for (int wait = 0; wait < 150 && running.activations == 0; ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    EXPECT_GE(running.activations, 1);
}

} // namespace
