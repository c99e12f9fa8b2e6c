#include "ce/ZoqImage.h"
#include "ce/ZoqGdiScope.h"
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "ce/ZoqShot.h"
#include "ce/ZoqSip.h"
#include "ce/ZoqTransparent.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "ui/tests/ce/CeTestResources.h"
#include "ui/ZoqGDI.h"
#include "ui/ZoqWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <vector>

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

// A picture file of this process in the temporary folder: zoq-ce-<name>-<process>.png.
void TemporaryPng(const wchar_t* name, wchar_t (&path)[MAX_PATH]) {
    wchar_t directory[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, directory);
    swprintf(path, MAX_PATH, L"%lszoq-ce-%ls-%lu.png", directory, name, GetCurrentProcessId());
}

const SZoqMenuBarButton kButtons[] = {
    {0, 0, 0, L"File"},
    {kCommandReset, -1, kStringReset, nullptr},
    {kCommandZoom, -1, 0, L"Zoom +"},
};

// A program window that sets itself up as the shell asks and records what reaches it.
class CDeviceWindow : public CZoqWnd {
public:
    int flags = CZoqShell::kOkButton;
    int withMenuBar = 1;
    std::vector<WORD> commands;
    std::vector<HMENU> popups;
    SIZE screenAtSize = {0, 0};
    SIZE clientAtSize = {0, 0};

    int Open(HWND owner = nullptr, DWORD style = 0) {
        return Create(owner ? L"Owned" : L"Device", owner, Instance(),
                      owner ? L"ZoqCeTestOwned" : L"ZoqCeTestDevice", CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, 0, style);
    }
    SIZE Client() const {
        RECT client;
        GetClientRect(GetHandle(), &client);
        return {client.right, client.bottom};
    }

    LRESULT OnInitDialog(HWND hwnd, WPARAM, LPARAM) override {
        CZoqShell::InitFullScreen(hwnd, flags);
        if (withMenuBar) {
            SZoqMenuBarInfo info = {kTestMenu, kButtons, 3};
            CZoqMenuBar::Create(hwnd, Instance(), info);
        }
        return 0;
    }
    LRESULT OnSize(HWND, WPARAM, LPARAM lParam) override {
        screenAtSize = {CZoqScreen::Width(), CZoqScreen::Height()};
        clientAtSize = {LOWORD(lParam), HIWORD(lParam)};
        return 0;
    }
    LRESULT OnCommand(HWND, WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return 0;
    }
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP)
            popups.push_back(reinterpret_cast<HMENU>(wParam));
        return CZoqWnd::OnMessage(hwnd, message, wParam, lParam);
    }
};

class CeTest : public testing::Test {
protected:
    void SetUp() override {
        CZoqScreen::SetDpi(96);
        CZoqScreen::SetSize(0, 0);
        CZoqSip::Show(nullptr, CZoqSip::kLower);
    }
    void TearDown() override {
        CZoqScreen::SetDpi(0);
        CZoqScreen::SetSize(0, 0);
    }
};

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LPARAM PointParam(POINT point) {
    return MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y));
}

// The pen goes down at `down` and is lifted at `up` (screen coordinates), as the
// system reports it for the non-client area and then, with the capture, for the client.
void Tap(HWND hwnd, POINT down, POINT up) {
    LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, PointParam(down));
    ASSERT_EQ(HTBORDER, hit);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, hit, PointParam(down));
    ScreenToClient(hwnd, &up);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(up));
    Pump();
}

void Tap(HWND hwnd, const RECT& part) {
    Tap(hwnd, Centre(part), Centre(part));
}

TEST_F(CeTest, ScaledRoundsTheLengthForTheDpi) {
    struct Case {
        int length, dpi, expected;
    } cases[] = {{26, 96, 26}, {26, 120, 33}, {320, 192, 640},
                 {7, 144, 11}, {1, 192, 2},   {0, 192, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.length << " at " << c.dpi);
        CZoqScreen::SetDpi(c.dpi);
        EXPECT_EQ(c.expected, CZoqScreen::Scaled(c.length));
    }
}

TEST_F(CeTest, DefaultScreenIsAPortraitHandheldScaledToTheDpi) {
    EXPECT_EQ(240, CZoqScreen::Width());
    EXPECT_EQ(320, CZoqScreen::Height());
    CZoqScreen::SetDpi(192);
    EXPECT_EQ(480, CZoqScreen::Width());
    EXPECT_EQ(640, CZoqScreen::Height());
    CZoqScreen::SetSize(320, 240);
    EXPECT_EQ(320, CZoqScreen::Width());
    EXPECT_EQ(240, CZoqScreen::Height());
}

TEST_F(CeTest, DeviceWindowClientIsTheScreenLessTopBarAndMenuBar) {
    struct Case {
        int dpi, menuBar, width, height;
    } cases[] = {{96, 1, 240, 268}, {96, 0, 240, 294}, {192, 1, 480, 536}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, menu bar " << c.menuBar);
        CZoqScreen::SetDpi(c.dpi);
        CZoqScreen::SetSize(0, 0);
        CDeviceWindow window;
        window.withMenuBar = c.menuBar;
        ASSERT_EQ(1, window.Open());
        EXPECT_EQ(c.width, window.Client().cx);
        EXPECT_EQ(c.height, window.Client().cy);
    }
}

TEST_F(CeTest, ResizingTheDeviceWindowResizesTheScreenBeforeTheLayoutRuns) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    ASSERT_EQ(1, CZoqShell::ResizeScreen(window.GetHandle(), 320, 240));
    EXPECT_EQ(320, CZoqScreen::Width());
    EXPECT_EQ(240, CZoqScreen::Height());
    EXPECT_EQ(320, window.screenAtSize.cx);
    EXPECT_EQ(240, window.screenAtSize.cy);
    EXPECT_EQ(320, window.clientAtSize.cx);
    EXPECT_EQ(188, window.clientAtSize.cy);

    // A user dragging the frame does the same.
    RECT frame;
    GetWindowRect(window.GetHandle(), &frame);
    SetWindowPos(window.GetHandle(), nullptr, 0, 0, frame.right - frame.left - 80,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(240, CZoqScreen::Width());
    EXPECT_EQ(240, CZoqScreen::Height());
    EXPECT_EQ(240, window.screenAtSize.cx);
}

TEST_F(CeTest, OwnedFullScreenWindowCoversTheOwnersScreen) {
    CDeviceWindow device;
    ASSERT_EQ(1, device.Open());
    CDeviceWindow graph;
    ASSERT_EQ(1, graph.Open(device.GetHandle(), WS_POPUP | WS_CAPTION | WS_SYSMENU));
    // The screen is the device's client area with both bars.
    RECT screen;
    GetClientRect(device.GetHandle(), &screen);
    MapWindowPoints(device.GetHandle(), nullptr, reinterpret_cast<POINT*>(&screen), 2);
    screen.top -= 26;
    screen.bottom += 26;
    RECT covered;
    GetWindowRect(graph.GetHandle(), &covered);
    EXPECT_EQ(screen.left, covered.left);
    EXPECT_EQ(screen.top, covered.top);
    EXPECT_EQ(screen.right, covered.right);
    EXPECT_EQ(screen.bottom, covered.bottom);
    EXPECT_EQ(240, graph.Client().cx);
    EXPECT_EQ(268, graph.Client().cy);
    EXPECT_EQ(0, GetWindowLongW(graph.GetHandle(), GWL_STYLE) & WS_CAPTION);
}

TEST_F(CeTest, OkButtonSendsCommandOneWhenReleasedOverIt) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    RECT ok;
    ASSERT_EQ(1, CZoqShell::OkButtonRect(window.GetHandle(), &ok));
    Tap(window.GetHandle(), ok);
    ASSERT_EQ(1u, window.commands.size());
    EXPECT_EQ(IDOK, window.commands[0]);

    // Down on it, lifted elsewhere: nothing.
    window.commands.clear();
    Tap(window.GetHandle(), Centre(ok), POINT{ok.left - 40, ok.top + 60});
    EXPECT_TRUE(window.commands.empty());
}

TEST_F(CeTest, WithoutTheOkFlagThereIsNoOkButton) {
    CDeviceWindow window;
    window.flags = 0;
    ASSERT_EQ(1, window.Open());
    RECT ok;
    EXPECT_EQ(0, CZoqShell::OkButtonRect(window.GetHandle(), &ok));
}

TEST_F(CeTest, CommandButtonsSendTheirCommand) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    RECT reset, zoom;
    ASSERT_EQ(1, CZoqMenuBar::ButtonRect(window.GetHandle(), 1, &reset));
    ASSERT_EQ(1, CZoqMenuBar::ButtonRect(window.GetHandle(), 2, &zoom));
    EXPECT_LE(reset.right, zoom.left);
    Tap(window.GetHandle(), zoom);
    Tap(window.GetHandle(), reset);
    ASSERT_EQ(2u, window.commands.size());
    EXPECT_EQ(kCommandZoom, window.commands[0]);
    EXPECT_EQ(kCommandReset, window.commands[1]);
    EXPECT_EQ(0, CZoqMenuBar::ButtonRect(window.GetHandle(), 3, &zoom));
}

TEST_F(CeTest, PopupButtonOpensThePopupOfItsPositionAboveTheMenuBar) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    ShowWindow(window.GetHandle(), SW_SHOW);
    SetForegroundWindow(window.GetHandle());
    RECT file;
    ASSERT_EQ(1, CZoqMenuBar::ButtonRect(window.GetHandle(), 0, &file));
    // Once the pop-up is open: where it stands, then its first item by the keyboard.
    RECT popupRect;
    SetRectEmpty(&popupRect);
    const SZoqWatchOptions options = WatchFor(EZoqModalKind::kPopupMenu, 150, 3000);
    {
        CZoqModalWatch watch(
            [&](HWND popup) {
                GetWindowRect(popup, &popupRect);
                PostMessageW(window.GetHandle(), WM_KEYDOWN, VK_DOWN, 0);
                PostMessageW(window.GetHandle(), WM_KEYDOWN, VK_RETURN, 0);
            },
            options);
        Tap(window.GetHandle(), file);
        EXPECT_EQ(watch.TimedOut(), 0);
    }
    ASSERT_EQ(1u, window.popups.size());
    EXPECT_EQ(GetSubMenu(CZoqMenuBar::Menu(window.GetHandle()), 0), window.popups[0]);
    ASSERT_EQ(1u, window.commands.size());
    EXPECT_EQ(kCommandFirst, window.commands[0]);
    ASSERT_FALSE(IsRectEmpty(&popupRect));
    EXPECT_EQ(file.left, popupRect.left);
    EXPECT_EQ(file.top - 1, popupRect.bottom); // stands on the menu bar's top edge
}

TEST_F(CeTest, MenuBarCanBeRemovedAndRefusesBadDescriptions) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    EXPECT_EQ(1, CZoqMenuBar::Destroy(window.GetHandle()));
    EXPECT_EQ(294, window.Client().cy);
    EXPECT_EQ(0, CZoqMenuBar::Destroy(window.GetHandle()));
    EXPECT_EQ(nullptr, CZoqMenuBar::Menu(window.GetHandle()));

    SZoqMenuBarButton many[CZoqMenuBar::kMaxButtons + 1] = {};
    for (SZoqMenuBarButton& button : many)
        button = {1, -1, 0, L"x"};
    SZoqMenuBarButton missingText[] = {{1, -1, kMissingResource, nullptr}};
    struct Case {
        const char* name;
        SZoqMenuBarInfo info;
    } cases[] = {
        {"too many buttons", {0, many, CZoqMenuBar::kMaxButtons + 1}},
        {"missing menu", {kMissingResource, kButtons, 1}},
        {"missing label string", {0, missingText, 1}},
        {"buttons missing", {0, nullptr, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(0, CZoqMenuBar::Create(window.GetHandle(), Instance(), c.info));
        EXPECT_EQ(294, window.Client().cy);
    }
    SZoqMenuBarInfo full = {0, many, CZoqMenuBar::kMaxButtons};
    EXPECT_EQ(1, CZoqMenuBar::Create(window.GetHandle(), Instance(), full));
    EXPECT_EQ(268, window.Client().cy);
}

TEST_F(CeTest, SoftInputPanelStateFollowsRaiseLowerAndItsButton) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    EXPECT_EQ(0, CZoqSip::IsRaised());
    CZoqSip::Show(window.GetHandle(), CZoqSip::kRaise);
    EXPECT_EQ(1, CZoqSip::IsRaised());
    CZoqSip::Show(window.GetHandle(), CZoqSip::kLower);
    EXPECT_EQ(0, CZoqSip::IsRaised());
    RECT sip;
    ASSERT_EQ(1, CZoqMenuBar::SipButtonRect(window.GetHandle(), &sip));
    Tap(window.GetHandle(), sip);
    EXPECT_EQ(1, CZoqSip::IsRaised());
    Tap(window.GetHandle(), sip);
    EXPECT_EQ(0, CZoqSip::IsRaised());
    EXPECT_TRUE(window.commands.empty());
}

// A modal dialog set up full screen with the "ok" button, as the graph window is: it
// reads its client area, then presses "ok" itself.
class CFullScreenDialog : public CZoqWnd {
public:
    SIZE client = {0, 0};
    std::vector<WORD> commands;

    LRESULT OnInitDialog(HWND hwnd, WPARAM, LPARAM) override {
        CZoqShell::InitFullScreen(hwnd, CZoqShell::kOkButton);
        SZoqMenuBarInfo info = {kTestMenu, kButtons, 3};
        CZoqMenuBar::Create(hwnd, Instance(), info);
        SetTimer(hwnd, kWatchdog, 5000, nullptr);
        PostMessageW(hwnd, WM_USER + 1, 0, 0);
        return 1;
    }
    LRESULT OnUserMessage(HWND hwnd, UINT message, WPARAM, LPARAM) override {
        if (message != WM_USER + 1)
            return 0;
        RECT rect;
        GetClientRect(hwnd, &rect);
        client = {rect.right, rect.bottom};
        RECT ok;
        if (CZoqShell::OkButtonRect(hwnd, &ok))
            Tap(hwnd, ok);
        return 1;
    }
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDOK)
            EndDialog(hwnd, 5);
        return 1;
    }
    LRESULT OnTimer(HWND hwnd, WPARAM wParam, LPARAM) override {
        if (wParam == kWatchdog)
            EndDialog(hwnd, -2);
        return 1;
    }

private:
    static constexpr UINT_PTR kWatchdog = 7;
};

TEST_F(CeTest, FullScreenDialogGetsTheScreenLessBarsAndEndsWithItsOkButton) {
    // Over a device window (the graph) and on its own as the device (a dialog-based
    // main window).
    for (bool owned : {true, false}) {
        SCOPED_TRACE(owned ? "owned" : "device");
        CDeviceWindow device;
        ASSERT_EQ(1, device.Open());
        CFullScreenDialog dialog;
        EXPECT_EQ(
            5, dialog.DoModal(owned ? device.GetHandle() : nullptr, Instance(), kFullScreenDialog));
        EXPECT_EQ(240, dialog.client.cx);
        EXPECT_EQ(268, dialog.client.cy);
        ASSERT_EQ(1u, dialog.commands.size());
        EXPECT_EQ(IDOK, dialog.commands[0]);
    }
}

// The pixels of a bitmap as top-down 32-bit rows.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(width) * height);
    CZoqClientDC screen(nullptr);
    GetDIBits(screen.Get(), bitmap, 0, height, raw.data(), &info, DIB_RGB_COLORS);
    std::vector<COLORREF> pixels;
    for (DWORD value : raw)
        pixels.push_back(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
    return pixels;
}

const COLORREF kPattern[12] = {
    RGB(255, 0, 0), RGB(0, 255, 0),   RGB(0, 0, 255),   RGB(255, 255, 255),
    RGB(0, 0, 0),   RGB(128, 64, 32), RGB(255, 0, 255), RGB(10, 20, 30),
    RGB(1, 2, 3),   RGB(250, 250, 5), RGB(90, 180, 45), RGB(200, 100, 50),
};

TEST(ZoqImage, PngResourceDecodesToItsSizeAndPixels) {
    CZoqImage image;
    ASSERT_EQ(1, image.LoadFromResource(Instance(), kPatternPng, L"PNG"));
    ASSERT_EQ(4, image.Width());
    ASSERT_EQ(3, image.Height());
    std::vector<COLORREF> pixels = PixelsOf(image.Bitmap(), 4, 3);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(kPattern[i], pixels[i]) << "pixel " << i;
    // The resource type is looked up without regard to case, as resource compilers store it.
    CZoqImage sameType;
    EXPECT_EQ(1, sameType.LoadFromResource(Instance(), kPatternPng, L"Png"));
}

TEST(ZoqImage, JpegResourceDecodesToItsSizeAndColour) {
    CZoqImage image;
    ASSERT_EQ(1, image.LoadFromResource(Instance(), kSolidJpeg, L"JPEG"));
    EXPECT_EQ(16, image.Width());
    EXPECT_EQ(8, image.Height());
    COLORREF pixel = PixelsOf(image.Bitmap(), 16, 8)[3 * 16 + 5];
    EXPECT_NEAR(200, GetRValue(pixel), 6);
    EXPECT_NEAR(40, GetGValue(pixel), 6);
    EXPECT_NEAR(40, GetBValue(pixel), 6);
}

TEST(ZoqImage, MissingOrDamagedDataLeavesTheImageEmpty) {
    CZoqImage image;
    ASSERT_EQ(1, image.LoadFromResource(Instance(), kPatternPng, L"PNG"));
    EXPECT_EQ(0, image.LoadFromResource(Instance(), kMissingResource, L"PNG"));
    EXPECT_EQ(nullptr, image.Bitmap());
    EXPECT_EQ(0, image.Width());
    const char garbage[] = "\x89PNG\r\n\x1a\n this is no image";
    EXPECT_EQ(0, image.LoadFromMemory(garbage, sizeof(garbage)));
    EXPECT_EQ(0, image.LoadFromMemory(nullptr, 10));
    EXPECT_EQ(0, image.LoadFromFile(L"Z:\\no\\such\\file.png"));
    EXPECT_EQ(0, image.Draw(nullptr, 0, 0, -1, -1));
}

TEST(ZoqImage, DrawCopiesOrStretchesTheWholeImage) {
    CZoqImage image;
    ASSERT_EQ(1, image.LoadFromResource(Instance(), kPatternPng, L"PNG"));
    CZoqClientDC screen(nullptr);
    CZoqGDI canvas;
    ASSERT_EQ(1, canvas.CreateSized(screen.Get(), 20, 20, CZoqGDI::kDeviceIndependent));
    ASSERT_EQ(1, image.Draw(canvas.DC(), 1, 2, -1, -1));
    EXPECT_EQ(kPattern[0], canvas.PixelAt(1, 2));
    EXPECT_EQ(kPattern[11], canvas.PixelAt(4, 4));
    ASSERT_EQ(1, image.Draw(canvas.DC(), 10, 10, 8, 6));
    EXPECT_EQ(kPattern[0], canvas.PixelAt(10, 10));
    EXPECT_EQ(kPattern[0], canvas.PixelAt(11, 11));
    EXPECT_EQ(kPattern[11], canvas.PixelAt(17, 15));
}

TEST(ZoqTransparent, TransparentColourLeavesTheDestination) {
    CZoqClientDC screen(nullptr);
    CZoqGDI source, target;
    ASSERT_EQ(1, source.CreateSized(screen.Get(), 4, 4, CZoqGDI::kDeviceIndependent));
    ASSERT_EQ(1, target.CreateSized(screen.Get(), 8, 8, CZoqGDI::kDeviceIndependent));
    RECT all = {0, 0, 8, 8};
    CZoqGDI::FillSolid(target.DC(), all, RGB(9, 9, 9));
    CZoqGDI::FillSolid(source.DC(), all, RGB(200, 0, 0));
    SetPixel(source.DC(), 1, 1, CZoqGDI::kTransparent);
    ASSERT_EQ(1, TransparentImage(target.DC(), 2, 2, 4, 4, source.DC(), 0, 0, 4, 4,
                                  CZoqGDI::kTransparent));
    EXPECT_EQ(RGB(200, 0, 0), target.PixelAt(2, 2));
    EXPECT_EQ(RGB(9, 9, 9), target.PixelAt(3, 3));
    EXPECT_EQ(RGB(9, 9, 9), target.PixelAt(6, 6));
    EXPECT_EQ(0, TransparentImage(nullptr, 0, 0, 4, 4, source.DC(), 0, 0, 4, 4, 0));
    EXPECT_EQ(0, TransparentImage(target.DC(), 0, 0, 0, 4, source.DC(), 0, 0, 4, 4, 0));
}

TEST_F(CeTest, ShotOfADeviceWindowIsItsScreenAndDecodesBack) {
    CDeviceWindow window;
    ASSERT_EQ(1, window.Open());
    ShowWindow(window.GetHandle(), SW_SHOW);
    wchar_t path[MAX_PATH] = L"";
    TemporaryPng(L"shot", path);
    ASSERT_EQ(1, CZoqShot::SaveWindow(window.GetHandle(), path));
    CZoqImage shot;
    ASSERT_EQ(1, shot.LoadFromFile(path));
    EXPECT_EQ(240, shot.Width());
    EXPECT_EQ(320, shot.Height());
    DeleteFileW(path);
}

TEST(ZoqShot, SavedAreaHoldsExactlyTheSourcePixels) {
    CZoqImage pattern;
    ASSERT_EQ(1, pattern.LoadFromResource(Instance(), kPatternPng, L"PNG"));
    CZoqClientDC screen(nullptr);
    CZoqGDI canvas;
    ASSERT_EQ(1, canvas.CreateSized(screen.Get(), 10, 10, CZoqGDI::kDeviceIndependent));
    pattern.Draw(canvas.DC(), 3, 3, -1, -1);
    wchar_t path[MAX_PATH] = L"";
    TemporaryPng(L"area", path);
    RECT area = {3, 3, 7, 6};
    ASSERT_EQ(1, CZoqShot::SaveArea(canvas.DC(), area, path));
    CZoqImage saved;
    ASSERT_EQ(1, saved.LoadFromFile(path));
    ASSERT_EQ(4, saved.Width());
    ASSERT_EQ(3, saved.Height());
    std::vector<COLORREF> pixels = PixelsOf(saved.Bitmap(), 4, 3);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(kPattern[i], pixels[i]) << "pixel " << i;
    DeleteFileW(path);
    RECT empty = {3, 3, 3, 6};
    EXPECT_EQ(0, CZoqShot::SaveArea(canvas.DC(), empty, path));
}

// A borderless window of one colour (kept in its user data), placed on the screen.
LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd, &client);
        CZoqGdiHandle<HBRUSH> brush(
            CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
        return 1;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND OpenPlain(const RECT& rect, COLORREF colour) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = Instance();
    windowClass.lpszClassName = L"ZoqCeTestPlain";
    RegisterClassW(&windowClass); // a second registration fails harmlessly
    HWND hwnd = CreateWindowExW(WS_EX_NOACTIVATE, L"ZoqCeTestPlain", L"", WS_POPUP | WS_VISIBLE,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                nullptr, nullptr, Instance(), nullptr);
    if (hwnd)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    return hwnd;
}

struct SOverRow {
    const char* name;
    RECT over[2]; // on the screen; an empty rectangle is no window
    SIZE size;    // of the picture
    struct {
        POINT at; // in the picture
        COLORREF colour;
    } samples[4];
};

// The window under all is at (200, 200), 60 x 40, red; the first window over it green,
// the second blue. Where no window is, the picture has the desktop's colour.
TEST(ZoqShot, WindowsOverAWindowAreDrawnWhereTheScreenShowsThemInTheirOrder) {
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
    const COLORREF desktop = GetSysColor(COLOR_DESKTOP) & 0xFFFFFF;
    const SOverRow rows[] = {
        {"inside",
         {{210, 210, 230, 220}, {}},
         {60, 40},
         {{{0, 0}, red}, {{15, 15}, green}, {{29, 19}, green}, {{59, 39}, red}}},
        {"past the right and bottom edges",
         {{250, 230, 280, 250}, {}},
         {80, 50},
         {{{5, 5}, red}, {{55, 35}, green}, {{75, 45}, green}, {{75, 5}, desktop}}},
        {"past the left and top edges",
         {{190, 190, 205, 205}, {}},
         {70, 50},
         {{{2, 2}, green}, {{12, 12}, green}, {{16, 16}, red}, {{2, 40}, desktop}}},
        {"the second over the first",
         {{210, 210, 240, 230}, {230, 220, 250, 235}},
         {60, 40},
         {{{12, 12}, green}, {{35, 25}, blue}, {{45, 32}, blue}, {{5, 35}, red}}},
    };
    wchar_t path[MAX_PATH] = L"";
    TemporaryPng(L"over", path);
    for (const SOverRow& row : rows) {
        SCOPED_TRACE(row.name);
        HWND under = OpenPlain(RECT{200, 200, 260, 240}, red);
        ASSERT_NE(nullptr, under);
        HWND over[2] = {};
        int count = 0;
        const COLORREF colours[2] = {green, blue};
        for (int i = 0; i < 2 && !IsRectEmpty(&row.over[i]); ++i) {
            over[i] = OpenPlain(row.over[i], colours[i]);
            ASSERT_NE(nullptr, over[i]);
            count = i + 1;
        }
        Pump();
        EXPECT_EQ(1, CZoqShot::SaveWindowWith(under, over, count, path));
        CZoqImage saved;
        EXPECT_EQ(1, saved.LoadFromFile(path));
        EXPECT_EQ(row.size.cx, saved.Width());
        EXPECT_EQ(row.size.cy, saved.Height());
        if (saved.Width() == row.size.cx && saved.Height() == row.size.cy) {
            std::vector<COLORREF> pixels = PixelsOf(saved.Bitmap(), row.size.cx, row.size.cy);
            for (const auto& sample : row.samples) {
                EXPECT_EQ(sample.colour, pixels[sample.at.y * row.size.cx + sample.at.x])
                    << "at " << sample.at.x << ", " << sample.at.y;
            }
        }
        for (HWND hwnd : over) {
            if (hwnd)
                DestroyWindow(hwnd);
        }
        DestroyWindow(under);
        DeleteFileW(path);
    }
}

TEST(ZoqShot, WindowsOverAWindowRefuseWhatIsNotThere) {
    wchar_t path[MAX_PATH] = L"";
    TemporaryPng(L"none", path);
    HWND under = OpenPlain(RECT{200, 200, 260, 240}, RGB(255, 0, 0));
    ASSERT_NE(nullptr, under);
    HWND gone = OpenPlain(RECT{210, 210, 220, 220}, RGB(0, 255, 0));
    DestroyWindow(gone);
    EXPECT_EQ(0, CZoqShot::SaveWindowWith(nullptr, nullptr, 0, path));
    EXPECT_EQ(0, CZoqShot::SaveWindowWith(under, nullptr, 1, path));
    EXPECT_EQ(0, CZoqShot::SaveWindowWith(under, &gone, 1, path));
    EXPECT_EQ(0, CZoqShot::SaveWindowWith(under, nullptr, 0, nullptr));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path));
    // No window over it: the window alone.
    EXPECT_EQ(1, CZoqShot::SaveWindowWith(under, nullptr, 0, path));
    CZoqImage saved;
    EXPECT_EQ(1, saved.LoadFromFile(path));
    EXPECT_EQ(60, saved.Width());
    EXPECT_EQ(40, saved.Height());
    DestroyWindow(under);
    DeleteFileW(path);
}

// A pop-up opened across the window's right edge: the picture takes it in, drawn over
// the window. Without one open there is nothing to save.
TEST(ZoqShot, WindowWithItsOpenMenuTakesInTheMenu) {
    wchar_t path[MAX_PATH] = L"";
    TemporaryPng(L"menu", path);
    HWND under = OpenPlain(RECT{200, 200, 260, 240}, RGB(255, 0, 0));
    ASSERT_NE(nullptr, under);
    EXPECT_EQ(0, CZoqShot::SaveWindowWithMenu(under, path));
    CZoqMenuHandle menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 1, L"An item long enough");
    SetForegroundWindow(under);
    int written = 0;
    RECT shown = {};
    SZoqWatchOptions options;
    options.kind = EZoqModalKind::kPopupMenu;
    options.delay = 150;
    {
        CZoqModalWatch watch(
            [&](HWND popup) {
                GetWindowRect(popup, &shown);
                written = CZoqShot::SaveWindowWithMenu(under, path);
                EndMenu();
            },
            options);
        TrackPopupMenuEx(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, 240, 220, under, nullptr);
    }
    EXPECT_EQ(1, written);
    EXPECT_EQ(240, shown.left);
    EXPECT_EQ(220, shown.top);
    EXPECT_GT(shown.right, 260);
    CZoqImage saved;
    EXPECT_EQ(1, saved.LoadFromFile(path));
    const int width = static_cast<int>(shown.right) - 200;
    const int height = std::max(240L, shown.bottom) - 200;
    EXPECT_EQ(width, saved.Width());
    EXPECT_EQ(height, saved.Height());
    if (saved.Width() == width && saved.Height() == height) {
        std::vector<COLORREF> pixels = PixelsOf(saved.Bitmap(), width, height);
        EXPECT_EQ(RGB(255, 0, 0), pixels[5 * width + 5]) << "the window";
        EXPECT_NE(RGB(255, 0, 0), pixels[(height - 4) * width + 44]) << "the menu over it";
        if (height > 40) {
            EXPECT_EQ(GetSysColor(COLOR_DESKTOP) & 0xFFFFFF, pixels[(height - 1) * width + 2])
                << "below the window, left of the menu";
        }
    }
    DestroyWindow(under);
    DeleteFileW(path);
}

} // namespace
