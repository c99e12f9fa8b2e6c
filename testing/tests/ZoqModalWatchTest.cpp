#include "testing/ZoqModalCapture.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kItemFirst = 101;

// A plain top-level window that owns the message boxes and menus of a test.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSW type = {};
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"ZoqWatchTestOwner";
        RegisterClassW(&type);
        m_hwnd = CreateWindowExW(0, L"ZoqWatchTestOwner", L"Owner", WS_OVERLAPPEDWINDOW, 0, 0, 240,
                                 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(m_hwnd, SW_SHOW);
        SetForegroundWindow(m_hwnd);
        Pump();
    }
    ~OwnerWindow() { DestroyWindow(m_hwnd); }
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

int Ask(HWND owner, const wchar_t* text, UINT buttons = MB_YESNOCANCEL) {
    return MessageBoxW(owner, text, L"Question", buttons);
}

TEST(ModalWatch, EachStepAnswersTheNextWindowInsideTheLastOne) {
    OwnerWindow owner;
    const struct {
        const char* name;
        EZoqModalKind kind;
    } rows[] = {{"dialog", EZoqModalKind::kDialog},
                {"owned", EZoqModalKind::kOwned},
                {"any window", EZoqModalKind::kAnyWindow}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::wstring outerText, innerText;
        int innerAnswer = 0;
        SZoqWatchOptions options;
        options.kind = row.kind;
        CZoqModalWatch watch({[&](HWND outer) {
                                  outerText = MessageText(outer);
                                  // Still inside the outer box: the next step answers this one.
                                  innerAnswer = Ask(outer, L"inner");
                                  Press(outer, IDNO);
                              },
                              [&](HWND inner) {
                                  innerText = MessageText(inner);
                                  Press(inner, IDYES);
                              }},
                             options);
        const int outerAnswer = Ask(owner.Handle(), L"outer");
        EXPECT_EQ(outerAnswer, IDNO);
        EXPECT_EQ(innerAnswer, IDYES);
        EXPECT_EQ(outerText, L"outer");
        EXPECT_EQ(innerText, L"inner");
        EXPECT_EQ(watch.StepsDone(), 2);
        EXPECT_EQ(watch.TimedOut(), 0);
        EXPECT_EQ(watch.Seen(), (std::vector<std::wstring>{L"Question", L"Question"}));
    }
}

TEST(ModalWatch, TheNewestWatchAnswersAndTheGuardTakesTheRest) {
    OwnerWindow owner;
    SZoqWatchOptions guardOptions;
    guardOptions.repeatLast = true;
    CZoqModalWatch guard([](HWND window) { Press(window, IDCANCEL); }, guardOptions);
    {
        CZoqModalWatch inner([](HWND window) { Press(window, IDYES); });
        EXPECT_EQ(Ask(owner.Handle(), L"first"), IDYES);
        EXPECT_EQ(inner.StepsDone(), 1);
    }
    EXPECT_EQ(Ask(owner.Handle(), L"second"), IDCANCEL);
    EXPECT_EQ(Ask(owner.Handle(), L"third"), IDCANCEL);
    EXPECT_EQ(guard.StepsDone(), 2) << "the inner watch answered the first";
}

TEST(ModalWatch, WatchdogEndsAWindowNobodyAnswers) {
    OwnerWindow owner;
    SZoqWatchOptions options;
    options.watchdog = 400;
    // No step: the box stays open until the watchdog cancels it.
    CZoqModalWatch watch(std::vector<CZoqModalWatch::Step>{}, options);
    const DWORD start = GetTickCount();
    EXPECT_EQ(Ask(owner.Handle(), L"nobody answers"), IDCANCEL);
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(watch.TimedOut(), 1);
    EXPECT_EQ(watch.StepsDone(), 0);
}

// The step waits for its window to have shown for the delay: what the window paints in
// that time is there when the step looks (a screenshot of the graph).
TEST(ModalWatch, StepWaitsForTheDelay) {
    OwnerWindow owner;
    const struct { UINT delay; } rows[] = {{0}, {150}, {400}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.delay);
        SZoqWatchOptions options;
        options.delay = row.delay;
        DWORD shown = 0;
        DWORD stepped = 0;
        CZoqModalWatch watch(
            [&](HWND box) {
                stepped = GetTickCount();
                Press(box, IDOK);
            },
            options);
        shown = GetTickCount();
        Ask(owner.Handle(), L"wait", MB_OK);
        ASSERT_EQ(watch.StepsDone(), 1);
        // The tick count moves in steps of up to a frame.
        EXPECT_GE(stepped - shown + 20, row.delay);
        EXPECT_LT(stepped - shown, row.delay + 2000);
    }
}

TEST(ModalWatch, StepsEachTickActOnTheSameWindow) {
    OwnerWindow owner;
    SZoqWatchOptions options;
    options.pace = EZoqStepPace::kEachTick;
    std::vector<HWND> windows;
    auto note = [&](HWND window) { windows.push_back(window); };
    CZoqModalWatch watch({note, note,
                          [&](HWND window) {
                              windows.push_back(window);
                              Press(window, IDOK);
                          }},
                         options);
    EXPECT_EQ(Ask(owner.Handle(), L"three steps", MB_OKCANCEL), IDOK);
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0], windows[1]);
    EXPECT_EQ(windows[1], windows[2]);
}

TEST(ModalWatch, CaptureRecordsAndAnswersInTurn) {
    OwnerWindow owner;
    const SModalCapture one =
        CaptureModal([&] { Ask(owner.Handle(), L"captured", MB_OK); }, nullptr, IDOK);
    EXPECT_TRUE(one.seen);
    EXPECT_EQ(one.title, L"Question");
    EXPECT_NE(one.text.find(L"captured"), std::wstring::npos);

    // Nothing opens: nothing is seen, and the watch does not wait for it.
    const SModalCapture none = CaptureModal([] {});
    EXPECT_FALSE(none.seen);
}

TEST(ModalWatch, PopupMenuIsReadAndClosed) {
    OwnerWindow owner;
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, kItemFirst, L"First");
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_STRING | MF_CHECKED, kItemFirst + 1, L"Second");
    SZoqWatchOptions options;
    options.kind = EZoqModalKind::kPopupMenu;
    std::wstring items;
    HWND seenMenu = nullptr;
    CZoqModalWatch watch(
        [&](HWND menu) {
            seenMenu = menu;
            items = PopupItems(menu);
            EndMenu();
        },
        options);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, 10, 100, 0, owner.Handle(), nullptr);
    DestroyMenu(popup);
    EXPECT_EQ(watch.StepsDone(), 1);
    EXPECT_EQ(watch.TimedOut(), 0);
    EXPECT_EQ(items, L"First||Second*");
    EXPECT_EQ(FindPopupMenu(), nullptr) << "closed again";
}

} // namespace
