#include "calc/CalcLayout.h"

#include <gtest/gtest.h>

namespace {

// A 240 x 320 portrait screen less its top bar and menu bar leaves 240 x 268.
TEST(SCalcLayout, PortraitKeypadAndPanel) {
    const SCalcLayout layout = ComputeCalcLayout(240, 268, 7, false);
    EXPECT_EQ(layout.panel.left, 4);
    EXPECT_EQ(layout.panel.top, 4);
    EXPECT_EQ(layout.panel.right, 236);
    EXPECT_EQ(layout.panel.bottom, 116); // 45% of 268 is 120.6
    // Keypad: 147 pixels (55%) from row 121; buttons (147 - 10) / 5 = 27 high.
    const struct {
        int index, left, top, right, bottom;
    } cases[] = {
        {0, 1, 122, 79, 149},     {1, 81, 122, 159, 149},  {2, 161, 122, 239, 149},
        {3, 1, 151, 59, 178},     {6, 181, 151, 239, 178}, {7, 1, 180, 59, 207},
        {14, 181, 209, 239, 236}, {15, 1, 238, 59, 265},   {18, 181, 238, 239, 265},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const SCalcRect& r = layout.buttons[c.index];
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right, c.right);
        EXPECT_EQ(r.bottom, c.bottom);
    }
    EXPECT_LE(layout.buttons[18].bottom, 268) << "the last row stays inside the window";
    EXPECT_EQ(layout.labelFontHeight, 17);   // 147.4 * 2 / 17
    EXPECT_EQ(layout.displayFontHeight, 17); // 120.6 / 7
    EXPECT_EQ(ComputeCalcLayout(240, 268, 8, false).displayFontHeight, 15);
}

TEST(SCalcLayout, LandscapeDisplayFontIsHalfAsHighAgain) {
    const SCalcLayout layout = ComputeCalcLayout(320, 188, 8, true);
    EXPECT_EQ(layout.displayFontHeight, 10 * 3 / 2); // 84.6 / 8 = 10
    EXPECT_EQ(layout.buttons[2].right, 1 + 2 * (104 + 2) + 104);
}

TEST(SCalcLayout, NavigationBands) {
    // Panel from row 4, 112 high: bands end at 26, 48, 71, 93 and 116.
    const struct {
        int y, band;
    } cases[] = {{4, 0},  {25, 0}, {26, 1}, {47, 1},  {48, 2},  {70, 2},
                 {71, 3}, {92, 3}, {93, 4}, {115, 4}, {116, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        EXPECT_EQ(NavigationBand(c.y, 4, 112), c.band);
    }
}

TEST(SCalcLayout, ArrowPointsToItsTip) {
    CalcPoint up[7], down[7];
    ArrowPolygon(100, 50, 15, true, up);
    ArrowPolygon(100, 50, 15, false, down);
    // e = 15: head 12 wide, shaft 4 wide, base row 7 behind the centre, head row
    // 9 in front of the base, tip 7 beyond the centre.
    const CalcPoint expectedUp[7] = {{98, 57},  {98, 48},  {94, 48}, {100, 43},
                                     {106, 48}, {102, 48}, {102, 57}};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(up[i].x, expectedUp[i].x);
        EXPECT_EQ(up[i].y, expectedUp[i].y);
        EXPECT_EQ(down[i].x, up[i].x);
        EXPECT_EQ(down[i].y, 100 - up[i].y) << "mirrored about the centre row";
    }
}

} // namespace
