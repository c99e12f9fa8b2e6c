#include "scientific/app/ScreenLayout.h"
#include "scientific/app/resource.h"

#include <gtest/gtest.h>

namespace {

struct SLayoutRow {
    int width, height, dpi;
    EScreenShape shape;
    int templateId, face, pressed, imageDpi, offsetY, xPercent;
};

// The device screens the layouts were made for, and desktop sizes in between.
const SLayoutRow kLayouts[] = {
    {240, 320, 96, EScreenShape::Portrait, 102, 159, 160, 96, 0, 100},
    {480, 640, 192, EScreenShape::Portrait, 102, 219, 222, 192, 0, 100},
    {480, 640, 96, EScreenShape::Portrait, 102, 219, 222, 192, 0, 100},
    {320, 400, 96, EScreenShape::Portrait, 102, 159, 160, 96, 0, 100},
    {320, 240, 96, EScreenShape::Landscape, 216, 227, 228, 96, -7, 100},
    {640, 480, 192, EScreenShape::Landscape, 216, 224, 225, 192, -14, 100},
    {400, 300, 96, EScreenShape::Landscape, 216, 224, 225, 192, -7, 100},
    {800, 480, 96, EScreenShape::Landscape, 216, 227, 228, 96, -7, 100},
    {240, 240, 96, EScreenShape::Square, 218, 248, 249, 96, -5, 75},
    {480, 480, 192, EScreenShape::Square, 218, 248, 249, 96, -10, 75},
};

TEST(ScreenLayout, ChoosesTemplateImagesAndOffsetsByShape) {
    for (const SLayoutRow& row : kLayouts) {
        SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << "@" << row.dpi);
        const SScreenLayout layout = ChooseLayout(row.width, row.height, row.dpi);
        EXPECT_EQ(layout.shape, row.shape);
        EXPECT_EQ(layout.templateId, row.templateId);
        EXPECT_EQ(layout.faceImage, row.face);
        EXPECT_EQ(layout.pressedImage, row.pressed);
        EXPECT_EQ(layout.imageDpi, row.imageDpi);
        EXPECT_EQ(layout.displayOffsetY, row.offsetY);
        EXPECT_EQ(layout.textXPercent, row.xPercent);
    }
}

TEST(ScreenLayout, SquareTextsAreThreeQuartersAndTruncated) {
    const SScreenLayout square = ChooseLayout(240, 240, 96);
    EXPECT_EQ(DisplayX(square, 225), 168); // 168.75
    EXPECT_EQ(DisplayX(square, 15), 11);   // 11.25
    EXPECT_EQ(DisplayY(square, 39), 34);
    const SScreenLayout portrait = ChooseLayout(240, 320, 96);
    EXPECT_EQ(DisplayX(portrait, 225), 225);
    EXPECT_EQ(DisplayY(portrait, 39), 39);
    const SScreenLayout high = ChooseLayout(480, 640, 192);
    EXPECT_EQ(DisplayX(high, 225), 450);
    EXPECT_EQ(DisplayY(high, 39), 78);
}

TEST(ScreenLayout, SameLayoutIgnoresSizeWithinOneChoice) {
    const SScreenLayout a = ChooseLayout(240, 320, 96);
    EXPECT_TRUE(a.SameAs(ChooseLayout(250, 330, 96)));
    EXPECT_FALSE(a.SameAs(ChooseLayout(240, 240, 96)));
    EXPECT_FALSE(a.SameAs(ChooseLayout(240, 320, 120)));
    // Landscape to square keeps the height below 320 yet needs the square keypad.
    EXPECT_FALSE(ChooseLayout(320, 240, 96).SameAs(ChooseLayout(240, 240, 96)));
}

struct SUnitRow {
    int x, y, w, h, dpi;
    SPixelRect expected;
};

TEST(ScreenLayout, DialogUnitsUseFixedBaseUnitsWithMulDivRounding) {
    const SUnitRow rows[] = {
        // Key 0 of the portrait layout: 128,147 30x16 -> 192..237 x 239..265 (264.875).
        {128, 147, 30, 16, 96, {192, 239, 237, 265}},
        // Key 4: the 33-unit column at x 0.
        {0, 147, 33, 16, 96, {0, 239, 50, 265}},
        // Key 43: 3,40 25x12 -> x 4.5 rounds up to 5.
        {3, 40, 25, 12, 96, {5, 65, 42, 85}},
        // High resolution doubles every edge.
        {128, 147, 30, 16, 192, {384, 478, 474, 530}},
    };
    for (const SUnitRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y << " @" << row.dpi);
        const SPixelRect r = DialogUnitsToPixels(row.x, row.y, row.w, row.h, row.dpi);
        EXPECT_EQ(r.left, row.expected.left);
        EXPECT_EQ(r.top, row.expected.top);
        EXPECT_EQ(r.right, row.expected.right);
        EXPECT_EQ(r.bottom, row.expected.bottom);
    }
}

} // namespace
