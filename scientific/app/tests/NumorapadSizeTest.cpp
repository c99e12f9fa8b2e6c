#include "ce/ZoqGdiScope.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "NumorapadFixture.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqShell.h"
#include "ui/ZoqPlacement.h"

#include <vector>

using namespace keys;

namespace {

// A key pressed with Ctrl held, as the program's message loop sees it. 1 when the
// desktop took the key.
int PressWithControl(HWND hwnd, WPARAM key, int control = 1) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(state);
    const MSG message = {hwnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
    const int taken = CZoqDesktop::TranslateKey(message);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
    return taken;
}

// What the dialog paints, pixel by pixel.
std::vector<DWORD> Pixels(CDlgNumorapad& dialog, SIZE* size) {
    RECT client;
    GetClientRect(dialog.Handle(), &client);
    *size = SIZE{client.right, client.bottom};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CZoqClientDC screen(nullptr);
    CZoqGdiHandle<HBITMAP> section(
        CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CZoqMemoryDC memory(screen.Get());
    CZoqSelection selected(memory.Get(), section.Get());
    dialog.Render(memory.Get());
    GdiFlush();
    std::vector<DWORD> pixels;
    if (bits) {
        const DWORD* first = static_cast<const DWORD*>(bits);
        pixels.assign(first, first + client.right * client.bottom);
    }
    return pixels;
}

// The main dialog as the program starts it: at 100 % and attached to the desktop.
class NumorapadSizeTest : public NumorapadTest {
protected:
    void SetUp() override {
        CZoqDesktop::Begin(nullptr, nullptr, 100);
        NumorapadTest::SetUp();
        ASSERT_EQ(1, CZoqDesktop::Attach(m_dialog->Handle()));
    }
    void TearDown() override {
        CZoqDesktop::Detach();
        NumorapadTest::TearDown();
    }
};

TEST_F(NumorapadSizeTest, ControlKeysStepTheSizeAndLayTheDialogOutAgain) {
    const struct {
        WPARAM key;
        int size;
    } rows[] = {
        {VK_OEM_PLUS, 150}, {VK_ADD, 200},       {VK_OEM_PLUS, 300},
        {VK_OEM_PLUS, 300}, {VK_OEM_MINUS, 200}, {VK_SUBTRACT, 150},
        {'0', 100},         {VK_ADD, 150},       {VK_NUMPAD0, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "key " << row.key << " to " << row.size);
        EXPECT_EQ(1, PressWithControl(m_dialog->Handle(), row.key));
        const int dpi = CZoqPlacement::DpiOf(row.size);
        EXPECT_EQ(row.size, CZoqDesktop::Size());
        EXPECT_EQ(dpi, CZoqScreen::Dpi());
        EXPECT_EQ(dpi, m_dialog->Layout().dpi);
        RECT client;
        GetClientRect(m_dialog->Handle(), &client);
        const int bar = (26 * dpi + 48) / 96;
        EXPECT_EQ(240 * row.size / 100, client.right);
        if (row.size < 300) {
            EXPECT_EQ(320 * row.size / 100 - 2 * bar, client.bottom);
        } else {
            // 960 pixels may not fit the test display: the desktop holds the window at
            // its height, and the screen gets its shape back at the next smaller size.
            EXPECT_LE(client.bottom, 320 * row.size / 100 - 2 * bar);
        }
        // The keys cover the lower part of the face at every size: the "=" key ends at
        // the client area's bottom right corner, less the face's margin.
        RECT equals;
        GetWindowRect(Key(kEquals), &equals);
        MapWindowPoints(nullptr, m_dialog->Handle(), reinterpret_cast<POINT*>(&equals), 2);
        EXPECT_GT(equals.right, client.right * 9 / 10);
        EXPECT_GT(equals.bottom, client.bottom * 9 / 10);
    }
}

// A frame dragged to another shape keeps that shape through later changes of size.
TEST_F(NumorapadSizeTest, DraggedShapeSurvivesChangesOfSize) {
    const struct {
        WPARAM key; // 0: the frame is dragged to width x height instead
        int width;
        int height;
        int size;
    } rows[] = {
        {VK_OEM_PLUS, 360, 480, 150},  {0, 480, 360, 150}, {VK_OEM_PLUS, 640, 480, 200},
        {'0', 320, 240, 100},          {0, 240, 240, 100}, {VK_OEM_PLUS, 360, 360, 150},
        {VK_OEM_MINUS, 240, 240, 100}, {0, 240, 320, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << " x " << row.height << " at " << row.size);
        if (row.key) {
            ASSERT_EQ(1, PressWithControl(m_dialog->Handle(), row.key));
        } else {
            ASSERT_EQ(1, CZoqShell::ResizeScreen(m_dialog->Handle(), row.width, row.height));
        }
        EXPECT_EQ(row.size, CZoqDesktop::Size());
        EXPECT_EQ(row.width, CZoqScreen::Width());
        EXPECT_EQ(row.height, CZoqScreen::Height());
        const SScreenLayout expected =
            ChooseLayout(row.width, row.height, CZoqPlacement::DpiOf(row.size));
        EXPECT_TRUE(expected.SameAs(m_dialog->Layout()));
    }
}

TEST_F(NumorapadSizeTest, OtherKeysAreLeftToTheCalculator) {
    const struct {
        WPARAM key;
        int control;
    } rows[] = {{VK_OEM_PLUS, 0}, {'0', 0}, {VK_ADD, 0}, {'A', 1}, {'1', 1}, {VK_RETURN, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "key " << row.key << " control " << row.control);
        EXPECT_EQ(0, PressWithControl(m_dialog->Handle(), row.key, row.control));
        EXPECT_EQ(100, CZoqDesktop::Size());
    }
}

// The Size choice of the Options dialog shows the current size and is made when the
// dialog closes; the dialog itself is laid out for the size it opened at.
TEST_F(NumorapadSizeTest, OptionsDialogChoosesTheSize) {
    const struct {
        int click;
        int size;
    } rows[] = {{IDC_SIZE_200, 200}, {IDC_SIZE_150, 150}, {IDC_SIZE_300, 300}, {IDC_SIZE_100, 100}};
    int shown = 100;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        int checked = -1;
        int dialogWidth = 0;
        CZoqModalWatch driver([&](HWND dialog) {
            checked =
                IsDlgButtonChecked(dialog, IDC_SIZE_100 + (shown == 100   ? 0
                                                           : shown == 150 ? 1
                                                           : shown == 200 ? 2
                                                                          : 3)) == BST_CHECKED;
            RECT client;
            GetClientRect(dialog, &client);
            dialogWidth = client.right;
            SendMessageW(GetDlgItem(dialog, row.click), BM_CLICK, 0, 0);
            EXPECT_EQ(shown, CZoqDesktop::Size()) << "made before the dialog closed";
            Press(dialog, IDOK);
        });
        Command(ID_OPTIONS_OPTIONS);
        ASSERT_FALSE(driver.TimedOut());
        EXPECT_EQ(1, checked);
        EXPECT_EQ(240 * shown / 100, dialogWidth);
        EXPECT_EQ(row.size, CZoqDesktop::Size());
        RECT client;
        GetClientRect(m_dialog->Handle(), &client);
        EXPECT_EQ(240 * row.size / 100, client.right);
        shown = row.size;
    }
}

// Enlarged to 200 % after it started, the dialog draws exactly what a new dialog on a
// 192-dpi screen of 480 x 640 pixels draws: the high-resolution skin and fonts.
TEST_F(NumorapadSizeTest, EnlargedDialogDrawsWhatAHighResolutionScreenDraws) {
    TapAll({kOne, kTwo, kPlus, kThree, kEquals});
    ASSERT_EQ(1, PressWithControl(m_dialog->Handle(), VK_OEM_PLUS));
    ASSERT_EQ(1, PressWithControl(m_dialog->Handle(), VK_OEM_PLUS));
    SIZE enlargedSize = {};
    const std::vector<DWORD> enlarged = Pixels(*m_dialog, &enlargedSize);
    CZoqDesktop::Detach();

    CZoqMemoryStore store;
    CZoqScreen::SetDpi(192);
    CZoqScreen::SetSize(480, 640);
    CDlgNumorapad fresh;
    ASSERT_TRUE(fresh.Create(GetModuleHandleW(nullptr), &store));
    SIZE freshSize = {};
    const std::vector<DWORD> expected = Pixels(fresh, &freshSize);
    ASSERT_EQ(freshSize.cx, enlargedSize.cx);
    ASSERT_EQ(freshSize.cy, enlargedSize.cy);
    ASSERT_EQ(expected.size(), enlarged.size());
    ASSERT_FALSE(expected.empty());
    size_t differing = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        differing += (expected[i] & 0xFFFFFF) != (enlarged[i] & 0xFFFFFF);
    }
    EXPECT_EQ(0u, differing);
}

} // namespace
