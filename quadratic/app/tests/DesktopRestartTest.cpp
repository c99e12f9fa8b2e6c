// Size, "Keep on top" and the window position outlive the program: each of the four
// programs is started, changed as a user would change it, closed and started again,
// with its settings in the registry of the test prefix. The programs' paths come from
// the build.
#include "ce/ZoqDesktopIds.h"
#include "ui/ZoqRegistryStore.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

struct Program {
    const char* name;
    const wchar_t* path;
    const wchar_t* title;
    const wchar_t* key;
};

const wchar_t* const kValues[] = {L"Size", L"KeepOnTop", L"WindowLeft", L"WindowTop"};

class CRunning {
public:
    explicit CRunning(const Program& program) : m_program(program) {
        std::wstring commandLine = L"\"" + std::wstring(program.path) + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (CreateProcessW(program.path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            m_process = process.hProcess;
            m_id = process.dwProcessId;
        }
    }
    ~CRunning() {
        if (m_process) {
            if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
                TerminateProcess(m_process, 1);
            }
            CloseHandle(m_process);
        }
    }

    // The program's main window once it is shown, or null.
    HWND Window() {
        for (int i = 0; m_process && i < 300; ++i) {
            HWND found = FindWindowW(nullptr, m_program.title);
            DWORD owner = 0;
            if (found) {
                GetWindowThreadProcessId(found, &owner);
            }
            if (found && owner == m_id && IsWindowVisible(found)) {
                return found;
            }
            Sleep(50);
        }
        return nullptr;
    }

    // Closes the window as the frame's close box does; 1 when the program ended.
    int Close(HWND window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return m_process && WaitForSingleObject(m_process, 20000) == WAIT_OBJECT_0;
    }

private:
    const Program& m_program;
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The client area of a 240 x 320 device screen at `percent`: the screen less the top
// bar and the menu bar, 26 pixels each at 100 %.
SIZE ExpectedClient(int percent) {
    const int dpi = 96 * percent / 100;
    const int bar = (26 * dpi + 48) / 96;
    return SIZE{240 * percent / 100, 320 * percent / 100 - 2 * bar};
}

// Waits up to five seconds for `condition`: the program acts on posted messages in
// its own time.
template <class TCondition> int WaitFor(TCondition condition) {
    for (int i = 0; i < 100; ++i) {
        if (condition()) {
            return 1;
        }
        Sleep(50);
    }
    return 0;
}

int HasSize(HWND window, int percent) {
    const SIZE wanted = ExpectedClient(percent);
    const SIZE size = ClientSize(window);
    return size.cx == wanted.cx && size.cy == wanted.cy;
}

int WaitForSize(HWND window, int percent) {
    return WaitFor([&] { return HasSize(window, percent); });
}

int IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int WaitForTopmost(HWND window, int topmost) {
    return WaitFor([&] { return IsTopmost(window) == topmost; });
}

int OnItsMonitor(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return rect.left >= monitor.rcWork.left && rect.top >= monitor.rcWork.top &&
           rect.right <= monitor.rcWork.right && rect.bottom <= monitor.rcWork.bottom;
}

uint32_t Stored(const Program& program, const wchar_t* name) {
    CZoqRegistryStore store;
    uint32_t value = 0xDEADBEEF;
    store.ReadDword(program.key, name, &value);
    return value;
}

void Forget(const Program& program) {
    CZoqRegistryStore store;
    for (const wchar_t* name : kValues) {
        store.DeleteValue(program.key, name);
    }
}

class DesktopRestart : public ::testing::TestWithParam<Program> {
protected:
    void SetUp() override { Forget(GetParam()); }
    void TearDown() override { Forget(GetParam()); }
};

TEST_P(DesktopRestart, FirstStartChoosesASizeAndKeepsIt) {
    const Program& program = GetParam();
    CRunning run(program);
    HWND window = run.Window();
    ASSERT_NE(window, nullptr);
    const SIZE client = ClientSize(window);
    EXPECT_TRUE(OnItsMonitor(window));
    ASSERT_TRUE(run.Close(window));
    const int size = static_cast<int>(Stored(program, L"Size"));
    EXPECT_TRUE(size == 100 || size == 150 || size == 200) << size;
    EXPECT_EQ(ExpectedClient(size).cx, client.cx);
    EXPECT_EQ(ExpectedClient(size).cy, client.cy);
}

TEST_P(DesktopRestart, SizeKeepOnTopAndPositionComeBack) {
    const Program& program = GetParam();
    {
        CZoqRegistryStore store;
        store.WriteDword(program.key, L"Size", 200);
        store.WriteDword(program.key, L"KeepOnTop", 1);
        // Far off every monitor: the window must come back onto one.
        store.WriteDword(program.key, L"WindowLeft", 40000);
        store.WriteDword(program.key, L"WindowTop", static_cast<uint32_t>(-30000));
    }
    {
        CRunning run(program);
        HWND window = run.Window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(WaitForSize(window, 200));
        EXPECT_TRUE(WaitForTopmost(window, 1));
        EXPECT_TRUE(OnItsMonitor(window));

        PostMessageW(window, WM_COMMAND, MAKEWPARAM(ZOQ_ID_SIZE_150, 0), 0);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(ZOQ_ID_KEEP_ON_TOP, 0), 0);
        EXPECT_TRUE(WaitForSize(window, 150));
        EXPECT_TRUE(WaitForTopmost(window, 0));
        SetWindowPos(window, nullptr, 37, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(run.Close(window));
    }
    EXPECT_EQ(150u, Stored(program, L"Size"));
    EXPECT_EQ(0u, Stored(program, L"KeepOnTop"));
    EXPECT_EQ(37u, Stored(program, L"WindowLeft"));
    EXPECT_EQ(45u, Stored(program, L"WindowTop"));

    CRunning again(program);
    HWND window = again.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WaitForSize(window, 150))
        << ClientSize(window).cx << " x " << ClientSize(window).cy;
    EXPECT_FALSE(IsTopmost(window));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(37, rect.left);
    EXPECT_EQ(45, rect.top);
    EXPECT_TRUE(again.Close(window));
}

const Program kPrograms[] = {
    {"Numorapad", ZOQ_NUMORAPAD_EXE, L"Zoq Numora", L"SOFTWARE\\Zoq\\Numora"},
    {"Fiscora", ZOQ_FISCORA_EXE, L"Zoq Financial", L"SOFTWARE\\Zoq\\Financial"},
    {"Trendora", ZOQ_TRENDORA_EXE, L"Zoq Trendora", L"SOFTWARE\\Zoq\\Trendora"},
    {"Parabix", ZOQ_PARABIX_EXE, L"Zoq Parabix", L"SOFTWARE\\Zoq\\Parabix"},
};

INSTANTIATE_TEST_SUITE_P(Programs, DesktopRestart, ::testing::ValuesIn(kPrograms),
                         [](const testing::TestParamInfo<Program>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
