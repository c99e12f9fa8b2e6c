#include "graph/GraphView.h"
#include "graph/PixelMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 268; // a 240 x 320 screen less the top bar and the menu bar

CGraphView MakeView(int width = kWidth, int height = kHeight) {
    CGraphView view;
    view.SetSize(width, height);
    return view;
}

double CentreX(const CGraphView& view) {
    return view.XRange() * 0.5 - view.XOffset();
}
double CentreY(const CGraphView& view) {
    return view.YRange() * 0.5 - view.YOffset();
}

// The grid placement as the drawing loop has always computed it, step by step.
int LoopFirstColumn(int origin, int step) {
    int o = origin;
    while (o > -step)
        o -= step;
    while (o < -step)
        o += step;
    return o + step;
}

int LoopBottomOffset(int origin, int step) {
    int t = origin;
    while (t > 0)
        t -= step;
    while (t < 0)
        t += step;
    return t;
}

} // namespace

TEST(GraphView, DefaultsPutTheOriginInTheMiddle) {
    CGraphView view = MakeView();
    EXPECT_EQ(view.AxisColumn(), 120);
    EXPECT_EQ(view.AxisRow(), 135);
    EXPECT_EQ(view.XToScreen(0.0), 120);
    EXPECT_EQ(view.YToScreen(0.0), 134);
    EXPECT_EQ(view.XToScreen(-5.0), 0);
    EXPECT_EQ(view.YToScreen(5.0), 0);
    EXPECT_DOUBLE_EQ(view.TopValue(), 5.0);
    EXPECT_DOUBLE_EQ(view.RightValue(), 5.0);
    EXPECT_DOUBLE_EQ(view.BottomValue(), -5.0);
    EXPECT_DOUBLE_EQ(view.LeftValue(), -5.0);
}

TEST(GraphView, ZoomInTwiceHalvesTwiceAroundTheCentre) {
    CGraphView view = MakeView();
    ASSERT_EQ(view.ZoomIn(), 1);
    ASSERT_EQ(view.ZoomIn(), 1);
    EXPECT_DOUBLE_EQ(view.XRange(), 2.5);
    EXPECT_DOUBLE_EQ(view.YRange(), 2.5);
    EXPECT_DOUBLE_EQ(CentreX(view), 0.0);
    EXPECT_DOUBLE_EQ(CentreY(view), 0.0);
    EXPECT_EQ(view.AxisColumn(), 120);
}

TEST(GraphView, ZoomOutDoublesAroundTheCentre) {
    CGraphView view = MakeView();
    view.SetWindow(10.0, 10.0, 2.0, 7.0); // centre at (3, -2)
    ASSERT_EQ(view.ZoomOut(), 1);
    EXPECT_DOUBLE_EQ(view.XRange(), 20.0);
    EXPECT_DOUBLE_EQ(view.YRange(), 20.0);
    EXPECT_DOUBLE_EQ(CentreX(view), 3.0);
    EXPECT_DOUBLE_EQ(CentreY(view), -2.0);

    CGraphView defaults = MakeView();
    ASSERT_EQ(defaults.ZoomOut(), 1);
    EXPECT_EQ(defaults.AxisColumn(), 120);
    EXPECT_DOUBLE_EQ(defaults.TopValue(), 10.0);
}

TEST(GraphView, ZoomRefusesRangesBeyondItsLimits) {
    struct Case {
        const char* name;
        double xRange, yRange;
        bool zoomIn;
    } cases[] = {
        {"x range would fall below 0.00001", 0.000015, 1.0, true},
        {"y range would fall below 0.00001", 1.0, 0.000015, true},
        {"x range would exceed 1000000", 600000.0, 1.0, false},
        {"y range would exceed 1000000", 1.0, 600000.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGraphView view = MakeView();
        view.SetWindow(c.xRange, c.yRange, 0.25, 0.5);
        EXPECT_EQ(c.zoomIn ? view.ZoomIn() : view.ZoomOut(), 0);
        EXPECT_EQ(view.XRange(), c.xRange);
        EXPECT_EQ(view.YRange(), c.yRange);
        EXPECT_EQ(view.XOffset(), 0.25);
        EXPECT_EQ(view.YOffset(), 0.5);
    }
    CGraphView view = MakeView();
    view.SetWindow(500000.0, 500000.0, 0.0, 0.0);
    EXPECT_EQ(view.ZoomOut(), 1) << "exactly 1000000 is allowed";
}

TEST(GraphView, ScrollAtEdgeMovesByATenthOfTheRange) {
    struct Case {
        const char* name;
        int x, y;
        int moved;
        double xOffset, yOffset;
    } cases[] = {
        {"left edge", 5, 134, 1, 6.0, 5.0},
        {"right edge", 235, 134, 1, 4.0, 5.0},
        {"top edge", 120, 5, 1, 5.0, 4.0},
        {"bottom edge", 120, 263, 1, 5.0, 6.0},
        {"top-left corner", 1, 1, 1, 6.0, 4.0},
        {"centre", 120, 134, 0, 5.0, 5.0},
        {"just inside the left tenth", 24, 134, 0, 5.0, 5.0},
        {"just inside the right tenth", 216, 134, 0, 5.0, 5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGraphView view = MakeView();
        EXPECT_EQ(view.ScrollAtEdge(c.x, c.y), c.moved);
        EXPECT_DOUBLE_EQ(view.XOffset(), c.xOffset);
        EXPECT_DOUBLE_EQ(view.YOffset(), c.yOffset);
        EXPECT_DOUBLE_EQ(view.XRange(), 10.0);
    }
}

TEST(GraphView, ResetRestoresTheDefaults) {
    CGraphView view = MakeView();
    view.SetWindow(3.0, 4.0, -7.0, 9.0);
    view.ResetView();
    EXPECT_EQ(view.XRange(), 10.0);
    EXPECT_EQ(view.YRange(), 10.0);
    EXPECT_EQ(view.XOffset(), 5.0);
    EXPECT_EQ(view.YOffset(), 5.0);
}

TEST(GraphView, GridStartsWithinOneStepOfTheEdge) {
    // Offsets near the origin give the same lines as the step-by-step loop.
    const double offsets[] = {5.0, 0.0, -0.01, 0.01, 10.0, 10.5, -3.3, 47.0, -250.0, 1234.5};
    for (double xOffset : offsets) {
        for (double yOffset : offsets) {
            SCOPED_TRACE(testing::Message() << "offsets " << xOffset << ", " << yOffset);
            CGraphView view = MakeView();
            view.SetWindow(10.0, 10.0, xOffset, yOffset);
            const int columnOrigin = static_cast<int>(kWidth / 10.0 * xOffset);
            const int rowOrigin = static_cast<int>(kHeight / 10.0 * yOffset);
            EXPECT_EQ(view.GridFirstColumn(), LoopFirstColumn(columnOrigin, kWidth / 10));
            EXPECT_EQ(view.GridBottomOffset(), LoopBottomOffset(rowOrigin, kHeight / 10));
        }
    }
}

TEST(GraphView, FarAwayOrDegenerateViewsStayDefined) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double xRange, yRange, xOffset, yOffset;
    } cases[] = {
        {"offsets beyond the int range", 10.0, 10.0, 1e15, -1e15},
        {"ranges shrunk to nothing", 1e-300, 1e-300, 1.0, 1.0},
        {"zero ranges", 0.0, 0.0, 5.0, 5.0},
        {"infinite offsets", 10.0, 10.0, inf, -inf},
        {"not-a-number everywhere", nan, nan, nan, nan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGraphView view = MakeView();
        view.SetWindow(c.xRange, c.yRange, c.xOffset, c.yOffset);
        EXPECT_GE(view.GridFirstColumn(), 0);
        EXPECT_LT(view.GridFirstColumn(), kWidth / 10);
        EXPECT_GE(view.GridBottomOffset(), 0);
        EXPECT_LT(view.GridBottomOffset(), kHeight / 10);
        for (int pixel : {view.AxisColumn(), view.AxisRow() - 1, view.XToScreen(1.0),
                          view.YToScreen(1.0), view.ReadoutRow(1.0)}) {
            EXPECT_LE(std::abs(pixel), kPixelLimit + kHeight);
        }
    }
}

TEST(GraphView, NonFiniteValuesGetRowsOutsideTheWindow) {
    CGraphView view = MakeView();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_LT(view.YToScreen(inf), -2 * kHeight);
    EXPECT_GT(view.YToScreen(-inf), 3 * kHeight);
    EXPECT_GT(view.YToScreen(std::numeric_limits<double>::quiet_NaN()), 3 * kHeight);
    EXPECT_GT(view.YToScreen(-1e300), 3 * kHeight);
    EXPECT_LT(view.XToScreen(-inf), -2 * kWidth);
}

TEST(GraphView, TruncToPixelTruncatesTowardZeroAndClamps) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int pixel;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {1e9, kPixelLimit},
        {-1e9, -kPixelLimit},
        {inf, kPixelLimit},
        {-inf, -kPixelLimit},
        {nan, -kPixelLimit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TruncToPixel(c.value), c.pixel);
    }
}

TEST(GraphView, ViewChangesNeedAWindowWithArea) {
    CGraphView view = MakeView(0, 0);
    EXPECT_EQ(view.Translate(10, 10), 0);
    EXPECT_EQ(view.CentreOn(10, 10), 0);
    EXPECT_EQ(view.ZoomToBox(0, 0, 100, 100), 0);
    EXPECT_EQ(view.XOffset(), 5.0);
    EXPECT_EQ(view.XRange(), 10.0);
}
