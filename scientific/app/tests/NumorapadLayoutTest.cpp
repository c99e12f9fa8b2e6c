#include "NumorapadFixture.h"

#include "ce/ZoqShell.h"
#include "ce/ZoqGdiScope.h"

#include <vector>

using namespace keys;

namespace {

RECT KeyRectInDialog(HWND dialog, HWND key) {
    RECT rect;
    GetWindowRect(key, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct SScreenRow {
    int width, height, dpi;
    int templateId, face, pressed;
    RECT key0;         // the "=" key in dialog client pixels
    int numberX;       // where the main number ends
    int displayBottom; // the display area, which a key press repaints, ends here
};

class NumorapadScreenTest : public NumorapadTest {
protected:
    void SetUp() override {}
};

TEST_F(NumorapadScreenTest, EachScreenGetsItsLayout) {
    const SScreenRow rows[] = {
        {240, 320, 96, 102, 159, 160, {192, 239, 237, 265}, 225, 65},
        {480, 640, 192, 102, 219, 222, {384, 478, 474, 530}, 450, 130},
        {320, 240, 96, 216, 227, 228, {192, 161, 237, 187}, 225, 59},
        {640, 480, 192, 216, 224, 225, {384, 322, 474, 374}, 450, 117},
        {240, 240, 96, 218, 248, 249, {144, 161, 180, 187}, 168, 59},
    };
    for (const SScreenRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << "@" << row.dpi);
        Open(row.width, row.height, row.dpi, &m_store);
        const SScreenLayout& layout = m_dialog->Layout();
        EXPECT_EQ(layout.templateId, row.templateId);
        EXPECT_EQ(layout.faceImage, row.face);
        EXPECT_EQ(layout.pressedImage, row.pressed);
        const RECT key0 = KeyRectInDialog(m_dialog->Handle(), Key(kEquals));
        EXPECT_EQ(key0.left, row.key0.left);
        EXPECT_EQ(key0.top, row.key0.top);
        EXPECT_EQ(key0.right, row.key0.right);
        EXPECT_EQ(key0.bottom, row.key0.bottom);
        EXPECT_EQ(m_dialog->Display().Item(0).x, row.numberX);
        // The rectangle frames of the template follow the key windows.
        RECT frame = KeyRectInDialog(m_dialog->Handle(),
                                     GetDlgItem(m_dialog->Handle(), IDC_KEY_FIRST + kEquals));
        EXPECT_TRUE(EqualRect(&frame, &key0));
        EXPECT_EQ(m_dialog->DisplayArea().bottom, row.displayBottom);
        // A key press repaints the number, whichever keys stand beside the display.
        ValidateRect(m_dialog->Handle(), nullptr);
        Tap(kSeven);
        RECT dirty = {};
        GetUpdateRect(m_dialog->Handle(), &dirty, FALSE);
        const POINT numberAt = {row.numberX - 1, m_dialog->Display().Item(0).y + 1};
        EXPECT_TRUE(PtInRect(&dirty, numberAt));
        CloseAll();
    }
}

TEST_F(NumorapadScreenTest, ResizingChangesTheLayoutLive) {
    Open(240, 320, 96, &m_store);
    ASSERT_TRUE(CZoqShell::ResizeScreen(m_dialog->Handle(), 320, 240));
    EXPECT_EQ(m_dialog->Layout().templateId, IDD_MAIN_LANDSCAPE);
    // Landscape: AC sits in the right-hand column at x 188 dialog units.
    EXPECT_EQ(KeyRectInDialog(m_dialog->Handle(), Key(kAc)).left, 282);
    // Landscape to square keeps the height below 320; the square keypad must still come.
    ASSERT_TRUE(CZoqShell::ResizeScreen(m_dialog->Handle(), 240, 240));
    EXPECT_EQ(m_dialog->Layout().templateId, IDD_MAIN_SQUARE);
    EXPECT_EQ(KeyRectInDialog(m_dialog->Handle(), Key(kAc)).left, 212);
    ASSERT_TRUE(CZoqShell::ResizeScreen(m_dialog->Handle(), 240, 320));
    EXPECT_EQ(m_dialog->Layout().templateId, IDD_MAIN_PORTRAIT);
    EXPECT_EQ(m_dialog->Layout().faceImage, IDB_FACE_PORTRAIT);
    RECT client;
    GetClientRect(m_dialog->Handle(), &client);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 320 - 26 - 26);
}

// The client area as painted, read back from a 32-bit top-down DIB.
class CRendered {
public:
    explicit CRendered(CDlgNumorapad& dialog) {
        RECT client;
        GetClientRect(dialog.Handle(), &client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        CZoqGdiHandle<HBITMAP> bitmap(
            CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        CZoqMemoryDC memory(nullptr);
        {
            CZoqSelection selected(memory.Get(), bitmap.Get());
            dialog.Render(memory.Get());
            GdiFlush();
        }
        const auto* pixels = static_cast<const uint32_t*>(bits);
        m_pixels.assign(pixels, pixels + m_width * m_height);
    }
    uint32_t At(int x, int y) const { return m_pixels[y * m_width + x] & 0xFFFFFF; }
    // Pixels of the rectangle that are the active display ink.
    int InkIn(int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const uint32_t p = At(x, y);
                const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
                count += r < 120 && g < 130 && b < 140;
            }
        }
        return count;
    }

private:
    int m_width = 0, m_height = 0;
    std::vector<uint32_t> m_pixels;
};

TEST_F(NumorapadTest, HexIsDrawnAndTheAngleIsNot) {
    const CRendered decimal(*m_dialog);
    TapAll({kSecond, kPower});
    ASSERT_EQ(Core().GetBase(), 16);
    const CRendered hex(*m_dialog);
    // "Deg" at x 140, y 10; the base name ends at x 225 on the second line (y 24).
    EXPECT_GT(decimal.InkIn(140, 10, 170, 24), 10);
    EXPECT_EQ(hex.InkIn(140, 10, 170, 24), 0);
    EXPECT_EQ(decimal.InkIn(195, 24, 226, 37), 0);
    EXPECT_GT(hex.InkIn(195, 24, 226, 37), 10);
}

TEST_F(NumorapadTest, LongExpressionLineShowsDotsAndItsTail) {
    for (int i = 0; i < 12; ++i) {
        TapAll({kOne, kPlus});
    }
    Tap(kTwo);
    EXPECT_EQ(Line(), L"...+1+1+1+1+1+1+1+1+1+1+2");
    const CRendered shown(*m_dialog);
    EXPECT_GT(shown.InkIn(15, 24, 30, 38), 0);
}

TEST_F(NumorapadTest, PressedKeyShowsThePressedFace) {
    HWND key = Key(kFive);
    auto corner = [&]() {
        CZoqWindowDC dc(key);
        UpdateWindow(key);
        const COLORREF c = GetPixel(dc.Get(), 3, 20);
        return GetRValue(c) + GetGValue(c) + GetBValue(c);
    };
    const int released = corner();
    SendMessageW(key, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    const int pressed = corner();
    SendMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_GT(pressed, released + 60);
    EXPECT_EQ(corner(), released);
}

} // namespace
