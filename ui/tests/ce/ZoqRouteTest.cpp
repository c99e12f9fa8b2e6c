#include "ce/ZoqRoute.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr wchar_t kProbeProperty[] = L"ZoqRouteProbe";
constexpr wchar_t kPlainClass[] = L"ZoqRoutePlain";
constexpr wchar_t kRoutedClass[] = L"ZoqRouteRouted";
constexpr UINT kPing = WM_USER + 7;
constexpr LRESULT kPong = 4242;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

// Messages that reached the window procedure with no object to take them.
std::vector<UINT> g_unrouted;

// An object that drives one window and records the messages that reach it.
class CProbe {
public:
    using Routing = CZoqRoute<CProbe>;

    ~CProbe() {
        // An object that goes before its window lets go of it.
        Routing::Detach(m_hwnd, this);
    }
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        seen.push_back(message);
        if (message == kPing)
            return kPong;
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
    HWND Window() const { return m_hwnd; }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (!Routing::Lookup(hwnd) && message != WM_NCCREATE)
            g_unrouted.push_back(message);
        return Routing::Window(hwnd, message, wParam, lParam, &CProbe::m_hwnd, &CProbe::Handle);
    }

    std::vector<UINT> seen;

private:
    HWND m_hwnd = nullptr;
};

// Dialog procedure of a probe reached through the dialog manager's user data.
INT_PTR CALLBACK ProbeDialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    CProbe* probe = CZoqRoute<CProbe, CZoqDialogSlot>::OnDialogMessage(hwnd, message, lParam);
    if (!probe) {
        g_unrouted.push_back(message);
        return FALSE;
    }
    probe->seen.push_back(message);
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void RegisterClasses() {
    WNDCLASSW plain = {};
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = Instance();
    // Room for the dialog manager's user data, so that every slot can be tried on it.
    plain.cbWndExtra = DLGWINDOWEXTRA;
    plain.lpszClassName = kPlainClass;
    RegisterClassW(&plain);
    WNDCLASSW routed = plain;
    routed.lpfnWndProc = CProbe::Proc;
    routed.lpszClassName = kRoutedClass;
    RegisterClassW(&routed);
}

HWND Plain() {
    RegisterClasses();
    return CreateWindowExW(0, kPlainClass, L"plain", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                           Instance(), nullptr);
}

HWND Routed(CProbe* probe) {
    RegisterClasses();
    return CreateWindowExW(0, kRoutedClass, L"routed", WS_OVERLAPPEDWINDOW, 0, 0, 80, 60, nullptr,
                           nullptr, Instance(), probe);
}

int Count(const std::vector<UINT>& messages, UINT message) {
    int count = 0;
    for (UINT m : messages)
        count += m == message;
    return count;
}

// A classic in-memory dialog template without controls, with a font (so the dialog
// manager sends WM_SETFONT before WM_INITDIALOG).
struct SDialogTemplate {
    alignas(4) WORD words[64] = {};

    SDialogTemplate() {
        int at = 0;
        auto dword = [&](DWORD value) {
            words[at++] = LOWORD(value);
            words[at++] = HIWORD(value);
        };
        auto text = [&](const wchar_t* value) {
            for (; *value; ++value)
                words[at++] = static_cast<WORD>(*value);
            words[at++] = 0;
        };
        dword(DS_SETFONT | WS_POPUP | WS_CAPTION); // style
        dword(0);                                  // extended style
        words[at++] = 0;                           // no controls
        at += 4;                                   // x, y, cx, cy
        words[at - 2] = 80;
        words[at - 1] = 40;
        words[at++] = 0; // no menu
        words[at++] = 0; // the dialog class
        text(L"probe");
        words[at++] = 8; // points
        text(L"Tahoma");
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words); }
};

// The same contract on every slot a window can keep its object in.
template <class TSlot> class RouteSlot : public ::testing::Test {};
using Slots = ::testing::Types<CZoqWindowSlot, CZoqDialogSlot, CZoqPropertySlot<kProbeProperty>>;
TYPED_TEST_SUITE(RouteSlot, Slots);

TYPED_TEST(RouteSlot, AttachLookupAndDetachOnlyTheirOwnObject) {
    using Routing = CZoqRoute<CProbe, TypeParam>;
    HWND window = Plain();
    ASSERT_NE(nullptr, window);
    CProbe first, second;

    struct SStep {
        const char* name;
        int result;    // what the step returned
        int expected;  // what it should have returned
        CProbe* after; // what the window names afterwards
    };
    std::vector<SStep> steps;
    auto step = [&](const char* name, int result, int expected) {
        steps.push_back({name, result, expected, Routing::Lookup(window)});
    };
    step("nothing attached yet", Routing::Lookup(window) == nullptr, 1);
    step("detach before attach", Routing::Detach(window, &first), 0);
    step("attach a null object", Routing::Attach(window, nullptr), 0);
    step("attach to no window", Routing::Attach(nullptr, &first), 0);
    step("attach", Routing::Attach(window, &first), 1);
    step("detach another object", Routing::Detach(window, &second), 0);
    step("detach a null object", Routing::Detach(window, nullptr), 0);
    step("attach another object", Routing::Attach(window, &second), 1);
    step("stale detach of the first", Routing::Detach(window, &first), 0);
    step("detach the second", Routing::Detach(window, &second), 1);
    step("detach it again", Routing::Detach(window, &second), 0);

    const CProbe* expectedAfter[] = {nullptr, nullptr, nullptr, nullptr, &first, &first,
                                     &first,  &second, &second, nullptr, nullptr};
    ASSERT_EQ(std::size(expectedAfter), steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].name);
        EXPECT_EQ(steps[i].expected, steps[i].result);
        EXPECT_EQ(expectedAfter[i], steps[i].after);
    }

    // A handle that names no window any more names no object either.
    Routing::Attach(window, &first);
    DestroyWindow(window);
    EXPECT_EQ(nullptr, Routing::Lookup(window));
    EXPECT_EQ(0, Routing::Detach(window, &first));
    EXPECT_EQ(nullptr, Routing::Lookup(nullptr));
}

TEST(Route, WindowReachesItsObjectFromCreationToDestruction) {
    g_unrouted.clear();
    CProbe probe;
    HWND window = Routed(&probe);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(window, probe.Window());
    EXPECT_EQ(&probe, CProbe::Routing::Lookup(window));
    ASSERT_FALSE(probe.seen.empty());
    // The creation parameter ties the window at its first non-client message; the
    // size query before it had no object to go to.
    EXPECT_EQ(static_cast<UINT>(WM_NCCREATE), probe.seen.front());
    EXPECT_EQ(1, Count(probe.seen, WM_CREATE));
    EXPECT_EQ(1, Count(g_unrouted, WM_GETMINMAXINFO));
    EXPECT_EQ(kPong, SendMessageW(window, kPing, 0, 0));

    DestroyWindow(window);
    EXPECT_EQ(1, Count(probe.seen, WM_DESTROY));
    // The last message lets go of the window without reaching the object.
    EXPECT_EQ(0, Count(probe.seen, WM_NCDESTROY));
    EXPECT_EQ(nullptr, probe.Window());
    EXPECT_EQ(nullptr, CProbe::Routing::Lookup(window));
}

TEST(Route, WindowOutlivingItsObjectGetsTheDefaultProcessing) {
    g_unrouted.clear();
    auto* probe = new CProbe;
    HWND window = Routed(probe);
    ASSERT_NE(nullptr, window);
    ASSERT_EQ(kPong, SendMessageW(window, kPing, 0, 0));
    delete probe;
    EXPECT_EQ(nullptr, CProbe::Routing::Lookup(window));
    // Default processing answers 0 to a private message; nothing reaches freed memory.
    EXPECT_EQ(0, SendMessageW(window, kPing, 0, 0));
    EXPECT_EQ(1, Count(g_unrouted, kPing));

    // A later object takes the window over and keeps it.
    CProbe next;
    ASSERT_EQ(1, CProbe::Routing::Attach(window, &next));
    EXPECT_EQ(&next, CProbe::Routing::Lookup(window));
    DestroyWindow(window);
    EXPECT_EQ(nullptr, CProbe::Routing::Lookup(window));
    EXPECT_TRUE(next.seen.empty()); // its handle member never named this window
}

TEST(Route, DialogReachesItsObjectFromInitDialogToDestruction) {
    g_unrouted.clear();
    CProbe probe;
    SDialogTemplate dialogTemplate;
    HWND dialog = CreateDialogIndirectParamW(Instance(), dialogTemplate.Get(), nullptr,
                                             ProbeDialogProc, reinterpret_cast<LPARAM>(&probe));
    ASSERT_NE(nullptr, dialog);
    using Routing = CZoqRoute<CProbe, CZoqDialogSlot>;
    EXPECT_EQ(&probe, Routing::Lookup(dialog));
    // The font comes before WM_INITDIALOG names the object.
    EXPECT_EQ(1, Count(g_unrouted, WM_SETFONT));
    EXPECT_EQ(0, Count(probe.seen, WM_SETFONT));
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(static_cast<UINT>(WM_INITDIALOG), probe.seen.front());
    // The window's own user data stays free for whoever owns the dialog.
    EXPECT_EQ(nullptr, CZoqRoute<CProbe>::Lookup(dialog));

    DestroyWindow(dialog);
    EXPECT_EQ(1, Count(probe.seen, WM_DESTROY));
    EXPECT_EQ(0, Count(probe.seen, WM_NCDESTROY));
    EXPECT_EQ(1, Count(g_unrouted, WM_NCDESTROY));
    EXPECT_EQ(nullptr, Routing::Lookup(dialog));
}

} // namespace
