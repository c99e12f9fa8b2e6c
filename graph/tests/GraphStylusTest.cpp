#include "graph/GraphStylus.h"
#include "graph/GraphView.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 268;

struct SGesture {
    CGraphView view;
    CGraphStylus stylus;

    explicit SGesture(int mode) {
        view.SetSize(kWidth, kHeight);
        while (stylus.Mode() != mode)
            stylus.NextMode();
    }
    void Tap(int x, int y) {
        stylus.Down(x, y);
        stylus.Up(view, x, y);
    }
    void Drag(int x0, int y0, int x1, int y1) {
        stylus.Down(x0, y0);
        stylus.Move(view, x1, y1);
        stylus.Up(view, x1, y1);
    }
};

double WorldX(const CGraphView& view, double column) {
    return column / view.Width() * view.XRange() - view.XOffset();
}
double WorldY(const CGraphView& view, double row) {
    return (view.Height() - row) / view.Height() * view.YRange() - view.YOffset();
}

void ExpectDefaultView(const CGraphView& view) {
    EXPECT_EQ(view.XRange(), 10.0);
    EXPECT_EQ(view.YRange(), 10.0);
    EXPECT_EQ(view.XOffset(), 5.0);
    EXPECT_EQ(view.YOffset(), 5.0);
}

} // namespace

TEST(GraphStylus, ModeCyclesZoomTranslatePoint) {
    CGraphStylus stylus;
    EXPECT_EQ(stylus.Mode(), CGraphStylus::kModeZoom);
    stylus.NextMode();
    EXPECT_EQ(stylus.Mode(), CGraphStylus::kModeTranslate);
    stylus.NextMode();
    EXPECT_EQ(stylus.Mode(), CGraphStylus::kModePoint);
    stylus.NextMode();
    EXPECT_EQ(stylus.Mode(), CGraphStylus::kModeZoom);
}

TEST(GraphStylus, TapInTheCentreRecentresInZoomAndTranslateModes) {
    const struct { int x, y; } taps[] = {{60, 67}, {200, 230}, {120, 134}, {25, 28}};
    for (int mode : {CGraphStylus::kModeZoom, CGraphStylus::kModeTranslate}) {
        for (const auto& tap : taps) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " tap " << tap.x << "," << tap.y);
            SGesture gesture(mode);
            const double x = WorldX(gesture.view, tap.x);
            const double y = WorldY(gesture.view, tap.y);
            gesture.Tap(tap.x, tap.y);
            EXPECT_NEAR(WorldX(gesture.view, kWidth / 2.0), x, 1e-12);
            EXPECT_NEAR(WorldY(gesture.view, kHeight / 2.0), y, 1e-12);
            EXPECT_EQ(gesture.view.XRange(), 10.0);
            EXPECT_EQ(gesture.view.YRange(), 10.0);
        }
    }
}

TEST(GraphStylus, TapInPointModeLeavesTheView) {
    SGesture gesture(CGraphStylus::kModePoint);
    gesture.Tap(60, 67);
    ExpectDefaultView(gesture.view);
}

TEST(GraphStylus, TapInTheOuterTenthScrollsInsteadOfCentring) {
    const struct {
        const char* name;
        int x, y;
        double xOffset, yOffset;
    } taps[] = {
        {"left", 10, 67, 6.0, 5.0},
        {"right", 230, 67, 4.0, 5.0},
        {"top", 60, 20, 5.0, 4.0},
        {"bottom", 60, 250, 5.0, 6.0},
    };
    for (int mode :
         {CGraphStylus::kModeZoom, CGraphStylus::kModeTranslate, CGraphStylus::kModePoint}) {
        for (const auto& tap : taps) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " " << tap.name);
            SGesture gesture(mode);
            gesture.Tap(tap.x, tap.y);
            EXPECT_DOUBLE_EQ(gesture.view.XOffset(), tap.xOffset);
            EXPECT_DOUBLE_EQ(gesture.view.YOffset(), tap.yOffset);
        }
    }
}

TEST(GraphStylus, ZoomBoxNeedsMoreThanFiftyPixelsEachWay) {
    const struct {
        const char* name;
        int x0, y0, x1, y1;
    } small[] = {
        {"40 x 40", 80, 80, 120, 120},
        {"60 wide, 40 high", 80, 80, 140, 120},
        {"40 wide, 60 high", 80, 80, 120, 140},
        {"exactly 50 x 50", 80, 80, 130, 130},
    };
    for (const auto& drag : small) {
        SCOPED_TRACE(drag.name);
        SGesture gesture(CGraphStylus::kModeZoom);
        gesture.Drag(drag.x0, drag.y0, drag.x1, drag.y1);
        ExpectDefaultView(gesture.view);
    }
}

TEST(GraphStylus, ZoomBoxShowsExactlyTheBox) {
    const struct {
        const char* name;
        int x0, y0, x1, y1;
    } boxes[] = {
        {"60 x 60 down-right", 80, 80, 140, 140},
        {"dragged up-left", 180, 200, 60, 100},
        {"wide and flat", 30, 100, 210, 170},
    };
    for (const auto& drag : boxes) {
        SCOPED_TRACE(drag.name);
        SGesture gesture(CGraphStylus::kModeZoom);
        const CGraphView before = gesture.view;
        gesture.Drag(drag.x0, drag.y0, drag.x1, drag.y1);
        const CGraphView& after = gesture.view;
        const int left = std::min(drag.x0, drag.x1), right = std::max(drag.x0, drag.x1);
        const int top = std::min(drag.y0, drag.y1), bottom = std::max(drag.y0, drag.y1);
        EXPECT_NEAR(after.LeftValue(), WorldX(before, left), 1e-12);
        EXPECT_NEAR(after.RightValue(), WorldX(before, right), 1e-12);
        EXPECT_NEAR(after.BottomValue(), WorldY(before, bottom), 1e-12);
        EXPECT_NEAR(after.TopValue(), WorldY(before, top), 1e-12);
    }
}

TEST(GraphStylus, TranslateDragPansWithTheStylusAndNotAgainOnRelease) {
    SGesture gesture(CGraphStylus::kModeTranslate);
    gesture.stylus.Down(100, 100);
    const double grabbedX = WorldX(gesture.view, 100);
    const double grabbedY = WorldY(gesture.view, 100);
    EXPECT_EQ(gesture.stylus.Move(gesture.view, 130, 90), 1);
    EXPECT_EQ(gesture.stylus.Move(gesture.view, 150, 120), 1);
    // The world point taken at the start stays under the stylus.
    EXPECT_NEAR(WorldX(gesture.view, 150), grabbedX, 1e-12);
    EXPECT_NEAR(WorldY(gesture.view, 120), grabbedY, 1e-12);
    const CGraphView dragged = gesture.view;
    gesture.stylus.Up(gesture.view, 150, 120);
    EXPECT_EQ(gesture.view.XOffset(), dragged.XOffset());
    EXPECT_EQ(gesture.view.YOffset(), dragged.YOffset());
    EXPECT_EQ(gesture.view.XRange(), 10.0);
}

TEST(GraphStylus, OnlyTranslateModeMovesTheViewDuringADrag) {
    for (int mode : {CGraphStylus::kModeZoom, CGraphStylus::kModePoint}) {
        SCOPED_TRACE(mode);
        SGesture gesture(mode);
        gesture.stylus.Down(100, 100);
        EXPECT_EQ(gesture.stylus.Move(gesture.view, 170, 180), 0);
        ExpectDefaultView(gesture.view);
        EXPECT_TRUE(gesture.stylus.IsDown());
        EXPECT_EQ(gesture.stylus.CurrentX(), 170);
        EXPECT_EQ(gesture.stylus.StartX(), 100);
    }
    SGesture hover(CGraphStylus::kModeTranslate);
    EXPECT_EQ(hover.stylus.Move(hover.view, 170, 180), 0) << "a move with the stylus up";
    ExpectDefaultView(hover.view);
}
