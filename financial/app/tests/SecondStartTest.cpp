#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Starts the real program twice: the second start must only bring the first window
// forward and end with exit code 0.
namespace {

std::wstring ProgramPath() {
    // The build passes a Unix path; Wine's Z: drive is the Unix root.
    std::string unixPath = FISCORA_EXE;
    std::wstring path = L"Z:";
    for (char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
}

struct SProcess {
    PROCESS_INFORMATION info = {};
    int Start() {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + ProgramPath() + L"\"";
        return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info)
                   ? 1
                   : 0;
    }
    ~SProcess() {
        if (info.hProcess) {
            TerminateProcess(info.hProcess, 1);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

HWND WaitForWindow(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (HWND window = FindWindowW(L"FISCORA", L"Zoq Financial")) {
            return window;
        }
        Sleep(50);
    }
    return nullptr;
}

BOOL CALLBACK CountFiscora(HWND window, LPARAM count) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (std::wstring(name) == L"FISCORA") {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

TEST(SecondStart, BringsTheFirstWindowForwardAndCreatesNoOther) {
    ASSERT_EQ(nullptr, FindWindowW(L"FISCORA", L"Zoq Financial")) << "a Fiscora already runs";
    SProcess first;
    ASSERT_EQ(1, first.Start());
    HWND window = WaitForWindow(20000);
    ASSERT_NE(nullptr, window);

    SProcess second;
    ASSERT_EQ(1, second.Start());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second.info.hProcess, 20000));
    DWORD code = 99;
    GetExitCodeProcess(second.info.hProcess, &code);
    EXPECT_EQ(0u, code);
    int windows = 0;
    EnumWindows(CountFiscora, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(1, windows);

    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(first.info.hProcess, 20000));
    GetExitCodeProcess(first.info.hProcess, &code);
    EXPECT_EQ(0u, code);
}

} // namespace
