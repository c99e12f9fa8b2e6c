#include "ui/ZoqWnd.h"
#include "ui/tests/WndTestResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum Handler {
    kPaint,
    kDraw,
    kSettingChange,
    kSize,
    kNotify,
    kDrawItem,
    kMeasureItem,
    kChar,
    kKeyDown,
    kKeyUp,
    kEraseBkgnd,
    kUserMessage,
    kInitDialog,
    kLButtonUp,
    kLButtonDown,
    kMouseMove,
    kTimer,
    kDestroy,
    kCommand,
    kActivate,
    kMessage,
    kHotKey,
    kHScroll,
    kVScroll,
    kKillFocus
};

struct Call {
    Handler handler;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    POINT point;
    HWND handleInside; // the object's handle while the handler runs
};

// Records every handler call (OnMessage only for the messages it is told to watch,
// since the system sends many).
class CRecordingWnd : public CZoqWnd {
public:
    std::vector<Call> calls;
    UINT watchedMessage = 0;
    RECT drawnClient = {};

    int Count(Handler handler) const {
        int count = 0;
        for (const Call& call : calls)
            count += call.handler == handler;
        return count;
    }
    const Call* Find(Handler handler) const {
        for (const Call& call : calls)
            if (call.handler == handler)
                return &call;
        return nullptr;
    }

    LRESULT OnPaint(HWND h, WPARAM w, LPARAM l) override {
        Record(kPaint, WM_PAINT, w, l);
        return CZoqWnd::OnPaint(h, w, l);
    }
    LRESULT OnDraw(HWND, HDC dc, RECT* client) override {
        Record(kDraw, 0, reinterpret_cast<WPARAM>(dc), 0);
        drawnClient = *client;
        return 0;
    }
    LRESULT OnSettingChange(HWND, WPARAM w, LPARAM l) override {
        return Record(kSettingChange, WM_SETTINGCHANGE, w, l);
    }
    LRESULT OnSize(HWND, WPARAM w, LPARAM l) override { return Record(kSize, WM_SIZE, w, l); }
    LRESULT OnNotify(HWND, WPARAM w, LPARAM l) override { return Record(kNotify, WM_NOTIFY, w, l); }
    LRESULT OnDrawItem(HWND, WPARAM w, LPARAM l) override {
        return Record(kDrawItem, WM_DRAWITEM, w, l);
    }
    LRESULT OnMeasureItem(HWND, WPARAM w, LPARAM l) override {
        return Record(kMeasureItem, WM_MEASUREITEM, w, l);
    }
    LRESULT OnChar(HWND, WPARAM w, LPARAM l) override { return Record(kChar, WM_CHAR, w, l); }
    LRESULT OnKeyDown(HWND, WPARAM w, LPARAM l) override {
        return Record(kKeyDown, WM_KEYDOWN, w, l);
    }
    LRESULT OnKeyUp(HWND, WPARAM w, LPARAM l) override { return Record(kKeyUp, WM_KEYUP, w, l); }
    LRESULT OnEraseBkgnd(HWND, WPARAM w, LPARAM l) override {
        return Record(kEraseBkgnd, WM_ERASEBKGND, w, l);
    }
    LRESULT OnUserMessage(HWND, UINT m, WPARAM w, LPARAM l) override {
        return Record(kUserMessage, m, w, l);
    }
    LRESULT OnInitDialog(HWND h, WPARAM w, LPARAM l) override {
        Record(kInitDialog, 0, w, l);
        return CZoqWnd::OnInitDialog(h, w, l);
    }
    LRESULT OnLButtonUp(HWND, POINT p) override {
        return Record(kLButtonUp, WM_LBUTTONUP, 0, 0, p);
    }
    LRESULT OnLButtonDown(HWND, POINT p) override {
        return Record(kLButtonDown, WM_LBUTTONDOWN, 0, 0, p);
    }
    LRESULT OnMouseMove(HWND, POINT p) override {
        return Record(kMouseMove, WM_MOUSEMOVE, 0, 0, p);
    }
    LRESULT OnTimer(HWND, WPARAM w, LPARAM l) override { return Record(kTimer, WM_TIMER, w, l); }
    LRESULT OnDestroy(HWND h, WPARAM w, LPARAM l) override {
        Record(kDestroy, WM_DESTROY, w, l);
        return CZoqWnd::OnDestroy(h, w, l);
    }
    LRESULT OnCommand(HWND, WPARAM w, LPARAM l) override {
        return Record(kCommand, WM_COMMAND, w, l);
    }
    LRESULT OnActivate(HWND, WPARAM w, LPARAM l) override {
        return Record(kActivate, WM_ACTIVATE, w, l);
    }
    LRESULT OnMessage(HWND h, UINT m, WPARAM w, LPARAM l) override {
        if (m == watchedMessage)
            Record(kMessage, m, w, l);
        return CZoqWnd::OnMessage(h, m, w, l);
    }
    LRESULT OnHotKey(HWND, WPARAM w, LPARAM l) override { return Record(kHotKey, WM_HOTKEY, w, l); }
    LRESULT OnHScroll(HWND, WPARAM w, LPARAM l) override {
        return Record(kHScroll, WM_HSCROLL, w, l);
    }
    LRESULT OnVScroll(HWND, WPARAM w, LPARAM l) override {
        return Record(kVScroll, WM_VSCROLL, w, l);
    }
    LRESULT OnKillFocus(HWND, WPARAM w, LPARAM l) override {
        return Record(kKillFocus, WM_KILLFOCUS, w, l);
    }

private:
    LRESULT Record(Handler handler, UINT message, WPARAM w, LPARAM l, POINT p = {0, 0}) {
        calls.push_back({handler, message, w, l, p, GetHandle()});
        return 0;
    }
};

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

int CreatePopup(CZoqWnd& window, const wchar_t* title, const wchar_t* className) {
    return window.Create(title, nullptr, Instance(), className, 10, 10, 200, 150, 0, WS_POPUP);
}

std::wstring TitleOf(HWND hwnd) {
    wchar_t text[128] = L"";
    GetWindowTextW(hwnd, text, 128);
    return text;
}

TEST(ZoqWndRouting, EveryMessageReachesItsHandlerWithItsParameters) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Routing", L"ZoqTestRouting"));
    HWND hwnd = window.GetHandle();
    NMHDR notify = {hwnd, 7, 0};
    DRAWITEMSTRUCT drawItem = {};
    MEASUREITEMSTRUCT measureItem = {};
    struct Row {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        Handler handler;
    } rows[] = {
        {"WM_SETTINGCHANGE", WM_SETTINGCHANGE, 1, 0, kSettingChange},
        {"WM_SIZE", WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80), kSize},
        {"WM_NOTIFY", WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&notify), kNotify},
        {"WM_DRAWITEM", WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&drawItem), kDrawItem},
        {"WM_MEASUREITEM", WM_MEASUREITEM, 4, reinterpret_cast<LPARAM>(&measureItem), kMeasureItem},
        {"WM_CHAR", WM_CHAR, L'7', 1, kChar},
        {"WM_KEYDOWN", WM_KEYDOWN, VK_UP, 2, kKeyDown},
        {"WM_KEYUP", WM_KEYUP, VK_DOWN, 3, kKeyUp},
        {"WM_ERASEBKGND", WM_ERASEBKGND, 0, 0, kEraseBkgnd},
        {"WM_USER", WM_USER, 5, 6, kUserMessage},
        {"WM_APP + 1", WM_APP + 1, 8, 9, kUserMessage},
        {"WM_TIMER", WM_TIMER, 42, 0, kTimer},
        {"WM_COMMAND", WM_COMMAND, 32776, 0, kCommand},
        {"WM_ACTIVATE", WM_ACTIVATE, WA_INACTIVE, 0, kActivate},
        {"WM_HOTKEY", WM_HOTKEY, 11, 12, kHotKey},
        {"WM_HSCROLL", WM_HSCROLL, SB_LINEUP, 0, kHScroll},
        {"WM_VSCROLL", WM_VSCROLL, SB_LINEDOWN, 0, kVScroll},
        {"WM_KILLFOCUS", WM_KILLFOCUS, 0, 0, kKillFocus},
        {"WM_CUT (any other message)", WM_CUT, 13, 14, kMessage},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        window.calls.clear();
        window.watchedMessage = row.message;
        SendMessageW(hwnd, row.message, row.wParam, row.lParam);
        ASSERT_EQ(1, window.Count(row.handler));
        const Call* call = window.Find(row.handler);
        EXPECT_EQ(row.message, call->message);
        EXPECT_EQ(row.wParam, call->wParam);
        EXPECT_EQ(row.lParam, call->lParam);
    }
}

TEST(ZoqWndRouting, MousePointsAreTheUnsignedHalvesOfLParam) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Mouse", L"ZoqTestMouse"));
    struct Row {
        UINT message;
        Handler handler;
        LPARAM lParam;
        LONG x, y;
    } rows[] = {
        {WM_LBUTTONDOWN, kLButtonDown, MAKELPARAM(17, 29), 17, 29},
        {WM_MOUSEMOVE, kMouseMove, MAKELPARAM(0xFFFF, 3), 65535, 3},
        {WM_LBUTTONUP, kLButtonUp, MAKELPARAM(5, 0xFFF0), 5, 65520},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        window.calls.clear();
        SendMessageW(window.GetHandle(), row.message, MK_LBUTTON, row.lParam);
        const Call* call = window.Find(row.handler);
        ASSERT_NE(nullptr, call);
        EXPECT_EQ(row.x, call->point.x);
        EXPECT_EQ(row.y, call->point.y);
    }
}

TEST(ZoqWndRouting, PaintCallsDrawWithThePaintContextAndTheClientRectangle) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Paint", L"ZoqTestPaint"));
    ShowWindow(window.GetHandle(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.GetHandle());
    window.calls.clear();
    InvalidateRect(window.GetHandle(), nullptr, FALSE);
    UpdateWindow(window.GetHandle());
    ASSERT_EQ(1, window.Count(kPaint));
    ASSERT_EQ(1, window.Count(kDraw));
    EXPECT_NE(0u, window.Find(kDraw)->wParam); // a device context
    EXPECT_EQ(200, window.drawnClient.right);
    EXPECT_EQ(150, window.drawnClient.bottom);
}

TEST(ZoqWndCreate, CreateCallsInitDialogWithTheHandleAlreadySet) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Init", L"ZoqTestInit"));
    ASSERT_EQ(1, window.Count(kInitDialog));
    EXPECT_EQ(window.GetHandle(), window.Find(kInitDialog)->handleInside);
}

TEST(ZoqWndCreate, EmptyTitleAndClassNameTakeTheDefaults) {
    CZoqWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"", nullptr));
    EXPECT_EQ(L"ZoqWndDefault", TitleOf(window.GetHandle()));
    wchar_t className[64] = L"";
    GetClassNameW(window.GetHandle(), className, 64);
    EXPECT_STREQ(L"ZoqClassDefault", className);
}

TEST(ZoqWndCreate, EmptyTitleNeverFindsAnExistingWindow) {
    CZoqWnd first;
    CZoqWnd second;
    ASSERT_EQ(1, CreatePopup(first, L"", L"ZoqTestUntitled"));
    EXPECT_EQ(1, CreatePopup(second, L"", L"ZoqTestUntitled"));
    EXPECT_NE(first.GetHandle(), second.GetHandle());
}

TEST(ZoqWndCreate, SecondWindowOfTheSameClassAndTitleIsRefusedAndTheFirstComesForward) {
    CRecordingWnd first;
    CZoqWnd other;
    CZoqWnd second;
    ASSERT_EQ(1, first.Create(L"Only Once", nullptr, Instance(), L"ZoqTestOnce", 0, 0, 100, 100, 0,
                              WS_OVERLAPPED | WS_VISIBLE));
    ASSERT_EQ(1, other.Create(L"Other", nullptr, Instance(), L"ZoqTestOther", 0, 0, 100, 100, 0,
                              WS_OVERLAPPED | WS_VISIBLE));
    SetForegroundWindow(other.GetHandle());
    first.calls.clear();

    EXPECT_EQ(0, second.Create(L"Only Once", nullptr, Instance(), L"ZoqTestOnce", 0, 0, 100, 100, 0,
                               WS_OVERLAPPED | WS_VISIBLE));
    EXPECT_EQ(nullptr, second.GetHandle());
    EXPECT_EQ(first.GetHandle(), FindWindowW(L"ZoqTestOnce", L"Only Once"));
    // Brought forward: activated (the foreground itself is shared with other processes).
    const Call* activation = first.Find(kActivate);
    ASSERT_NE(nullptr, activation);
    EXPECT_NE(static_cast<WPARAM>(WA_INACTIVE), LOWORD(activation->wParam));
}

TEST(ZoqWndCreate, ObjectsOfOneClassShareItsRegistration) {
    auto first = new CRecordingWnd;
    CRecordingWnd second;
    ASSERT_EQ(1, CreatePopup(*first, L"First", L"ZoqTestShared"));
    ASSERT_EQ(1, CreatePopup(second, L"Second", L"ZoqTestShared"));
    delete first;
    second.calls.clear();
    SendMessageW(second.GetHandle(), WM_CHAR, L'a', 0);
    EXPECT_EQ(1, second.Count(kChar));
}

TEST(ZoqWndDestroy, HandleIsAlreadyClearedInsideOnDestroy) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Destroy", L"ZoqTestDestroy"));
    HWND hwnd = window.GetHandle();
    EXPECT_EQ(1, window.Destroy());
    ASSERT_EQ(1, window.Count(kDestroy));
    EXPECT_EQ(nullptr, window.Find(kDestroy)->handleInside);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(1, window.Destroy());
}

TEST(ZoqWndDestroy, WindowDestroyedFromOutsideLeavesTheObjectWithoutAHandle) {
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Outside", L"ZoqTestOutside"));
    DestroyWindow(window.GetHandle());
    EXPECT_EQ(nullptr, window.GetHandle());
    EXPECT_EQ(1, window.Count(kDestroy));
}

TEST(ZoqWndDestroy, DeletingTheObjectDestroysItsWindow) {
    auto window = new CZoqWnd;
    ASSERT_EQ(1, CreatePopup(*window, L"Owned", L"ZoqTestOwned"));
    HWND hwnd = window->GetHandle();
    delete window;
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(ZoqWndUnattached, MessagesBeforeCreationGetDefaultProcessing) {
    // WM_NCCREATE arrives before WM_CREATE: its default processing sets the title.
    CRecordingWnd window;
    ASSERT_EQ(1, CreatePopup(window, L"Early Title", L"ZoqTestEarly"));
    EXPECT_EQ(L"Early Title", TitleOf(window.GetHandle()));
}

TEST(ZoqWndUnattached, WindowOfTheClassWithoutAnObjectIsServedByDefault) {
    CRecordingWnd owner;
    ASSERT_EQ(1, CreatePopup(owner, L"Owner", L"ZoqTestStray"));
    owner.calls.clear();
    HWND stray = CreateWindowExW(0, L"ZoqTestStray", L"Stray", WS_POPUP, 0, 0, 50, 50, nullptr,
                                 nullptr, Instance(), nullptr);
    ASSERT_NE(nullptr, stray);
    SendMessageW(stray, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Renamed"));
    SendMessageW(stray, WM_CHAR, L'x', 0);
    EXPECT_EQ(L"Renamed", TitleOf(stray));
    EXPECT_TRUE(owner.calls.empty());
    DestroyWindow(stray);
}

// A dialog that runs a script from its own handlers: the dialog is driven by the test
// object itself, with a watchdog timer so that no run can hang.
class CScriptedDialog : public CRecordingWnd {
public:
    INT_PTR nestedResult = -100;
    LRESULT hitTest = -1;
    int endWith = 1;

    LRESULT OnInitDialog(HWND hwnd, WPARAM w, LPARAM l) override {
        CRecordingWnd::OnInitDialog(hwnd, w, l);
        SetTimer(hwnd, kWatchdog, 5000, nullptr);
        PostMessageW(hwnd, WM_USER + 1, 0, 0);
        return 1;
    }
    LRESULT OnUserMessage(HWND hwnd, UINT m, WPARAM w, LPARAM l) override {
        CRecordingWnd::OnUserMessage(hwnd, m, w, l);
        if (m != WM_USER + 1)
            return 0;
        nestedResult = DoModal(nullptr, GetModuleHandleW(nullptr), kTestDialog);
        RECT client;
        GetClientRect(hwnd, &client);
        POINT centre = {client.right / 2, client.bottom / 2};
        ClientToScreen(hwnd, &centre);
        hitTest = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y));
        if (endWith == 1)
            Destroy();
        else
            EndDialog(hwnd, endWith);
        return 1;
    }
    LRESULT OnTimer(HWND hwnd, WPARAM w, LPARAM) override {
        if (w == kWatchdog)
            EndDialog(hwnd, -2);
        return 1;
    }

private:
    static constexpr UINT_PTR kWatchdog = 99;
};

TEST(ZoqWndDoModal, DoModalOnAnOpenDialogReturnsOneWithoutASecondDialog) {
    CScriptedDialog dialog;
    INT_PTR result = dialog.DoModal(nullptr, Instance(), kTestDialog);
    EXPECT_EQ(1, result);
    EXPECT_EQ(1, dialog.nestedResult);
    EXPECT_EQ(1, dialog.Count(kInitDialog));
    EXPECT_EQ(nullptr, dialog.GetHandle());
}

TEST(ZoqWndDoModal, ReturnsTheResultTheDialogEndsWith) {
    CScriptedDialog dialog;
    dialog.endWith = 42;
    EXPECT_EQ(42, dialog.DoModal(nullptr, Instance(), kTestDialog));
    // WM_DESTROY of the dialog reached the object with its handle already cleared.
    ASSERT_EQ(1, dialog.Count(kDestroy));
    EXPECT_EQ(nullptr, dialog.Find(kDestroy)->handleInside);
}

TEST(ZoqWndDoModal, UnhandledDialogMessagesGetTheDialogManagersDefault) {
    // Answering a dialog's hit test with DefWindowProc's result from the dialog
    // procedure would make the dialog manager report "nowhere": taps would be lost.
    CScriptedDialog dialog;
    dialog.DoModal(nullptr, Instance(), kTestDialog);
    EXPECT_EQ(HTCLIENT, dialog.hitTest);
}

TEST(ZoqWndDoModal, MissingTemplateFails) {
    CZoqWnd dialog;
    EXPECT_EQ(-1, dialog.DoModal(nullptr, Instance(), 4321));
    EXPECT_EQ(nullptr, dialog.GetHandle());
}

TEST(ZoqWndDoModal, WindowCanBeRecreatedAfterTheDialogEnded) {
    CScriptedDialog dialog;
    dialog.DoModal(nullptr, Instance(), kTestDialog);
    ASSERT_EQ(1, CreatePopup(dialog, L"After", L"ZoqTestAfter"));
    dialog.calls.clear();
    SendMessageW(dialog.GetHandle(), WM_KEYUP, VK_LEFT, 0);
    EXPECT_EQ(1, dialog.Count(kKeyUp));
}

} // namespace
