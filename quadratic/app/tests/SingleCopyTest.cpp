// A second start of a program brings the running copy's window to the front and
// ends at once with exit code 0; closing the window ends the program. The programs'
// paths come from the build.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

struct Program {
    const wchar_t* path;
    const wchar_t* className;
    const wchar_t* title;
    UINT quitCommand;
};

HANDLE Start(const wchar_t* path) {
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

HWND WaitForWindow(const Program& program) {
    for (int i = 0; i < 200; ++i) {
        if (HWND found = FindWindowW(program.className, program.title)) {
            return found;
        }
        Sleep(50);
    }
    return nullptr;
}

DWORD WaitForExit(HANDLE process) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process, 20000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process, &code);
    }
    return code;
}

class SingleCopy : public ::testing::TestWithParam<Program> {};

TEST_P(SingleCopy, SecondStartExitsZeroAndLeavesTheFirst) {
    const Program& program = GetParam();
    HANDLE first = Start(program.path);
    ASSERT_NE(first, nullptr);
    HWND window = WaitForWindow(program);
    ASSERT_NE(window, nullptr);

    HANDLE second = Start(program.path);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForExit(second), 0u);
    CloseHandle(second);
    EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the first copy still runs";
    EXPECT_EQ(FindWindowW(program.className, program.title), window);

    PostMessageW(window, WM_COMMAND, MAKEWPARAM(program.quitCommand, 0), 0);
    const DWORD code = WaitForExit(first);
    if (code == STILL_ACTIVE) {
        TerminateProcess(first, 1);
    }
    EXPECT_EQ(code, 0u);
    CloseHandle(first);
}

// The desktop frame has a close box the device lacked: closing the window through it
// must end the program like "Quit", not leave it running without a window.
TEST_P(SingleCopy, ClosingTheWindowEndsTheProgram) {
    const Program& program = GetParam();
    HANDLE process = Start(program.path);
    ASSERT_NE(process, nullptr);
    HWND window = WaitForWindow(program);
    ASSERT_NE(window, nullptr);

    PostMessageW(window, WM_CLOSE, 0, 0);
    const DWORD code = WaitForExit(process);
    if (code == STILL_ACTIVE) {
        TerminateProcess(process, 1);
    }
    EXPECT_EQ(code, 0u);
    CloseHandle(process);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, SingleCopy,
    ::testing::Values(Program{ZOQ_TRENDORA_EXE, L"ClassTrendora", L"Zoq Trendora", 32778},
                      Program{ZOQ_PARABIX_EXE, L"ClassParabix", L"Zoq Parabix", 32778}));

} // namespace
