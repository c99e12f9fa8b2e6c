// The graph window under Wine: run modally over a device window, driven step by step from
// a thread timer inside its own modal loop, with pixels read from its back buffer.

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "graph/GraphPainter.h"
#include "graph/GraphResources.h"
#include "graph/WndGraph.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqTestText.h"
#include "ui/ZoqWnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void(HWND)>;

constexpr UINT kWatchdogMs = 20000;
constexpr COLORREF kCurve0 = RGB(0, 128, 255);
constexpr COLORREF kCurve1 = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

// Stands in for the calculator window: a device window the graph covers.
class CParentWindow : public CZoqWnd {
public:
    LRESULT OnInitDialog(HWND hwnd, WPARAM, LPARAM) override {
        CZoqShell::InitFullScreen(hwnd, CZoqShell::kNoButton);
        return 0;
    }
};

// Runs the graph modally over a parent window; each step runs on its own tick of the
// watch, so what a step posts is handled (and painted) by the dialog before the next step.
class CGraphRun {
public:
    INT_PTR Run(CWndGraph& graph, std::vector<Step> steps) {
        EXPECT_EQ(m_parent.Create(L"Graph Test Parent", nullptr, Instance(), L"GraphTestParent",
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0),
                  1);
        ShowWindow(m_parent.GetHandle(), SW_SHOW);
        // Every step acts on the graph, even while a box or menu of the graph is open.
        std::vector<CZoqModalWatch::Step> onGraph;
        for (Step& step : steps) {
            onGraph.push_back([&graph, step](HWND) {
                UpdateWindow(graph.GetHandle());
                step(graph.GetHandle());
            });
        }
        SZoqWatchOptions options = WatchFor(EZoqModalKind::kDialog, 0, kWatchdogMs);
        options.pace = EZoqStepPace::kEachTick;
        INT_PTR result = 0;
        {
            CZoqModalWatch watch(std::move(onGraph), options);
            result = graph.DoModal(m_parent.GetHandle(), Instance(), IDD_GRAPH);
            EXPECT_EQ(watch.TimedOut(), 0)
                << "the graph was still open after " << kWatchdogMs << " ms";
            EXPECT_EQ(static_cast<size_t>(watch.StepsDone()), steps.size())
                << "the dialog ended before every step ran";
        }
        m_parentEnabledAfter = IsWindowEnabled(m_parent.GetHandle()) != FALSE;
        m_parent.Destroy();
        return result;
    }

    HWND Parent() const { return m_parent.GetHandle(); }
    bool ParentEnabledAfter() const { return m_parentEnabledAfter; }

private:
    CParentWindow m_parent;
    bool m_parentEnabledAfter = false;
};

LPARAM ClientPoint(HWND hwnd, POINT screen) {
    ScreenToClient(hwnd, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

// Presses and lifts the pen over a part of the shell's frame, as a user's tap does.
void TapFrame(HWND hwnd, const RECT& screenRect) {
    POINT centre = {(screenRect.left + screenRect.right) / 2,
                    (screenRect.top + screenRect.bottom) / 2};
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(centre.x, centre.y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, ClientPoint(hwnd, centre));
}

void TapMenuButton(HWND hwnd, int index) {
    RECT rect;
    ASSERT_EQ(CZoqMenuBar::ButtonRect(hwnd, index, &rect), 1) << "button " << index;
    TapFrame(hwnd, rect);
}

void TapOk(HWND hwnd) {
    RECT rect;
    ASSERT_EQ(CZoqShell::OkButtonRect(hwnd, &rect), 1);
    TapFrame(hwnd, rect);
}

void Pen(HWND hwnd, UINT message, int x, int y) {
    PostMessageW(hwnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

int CountColour(const CZoqGDI& surface, COLORREF colour, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += surface.PixelAt(x, y) == colour;
    }
    return count;
}

int CountColour(const CZoqGDI& surface, COLORREF colour) {
    return CountColour(surface, colour, 0, 0, surface.Width(), surface.Height());
}

// Every sample of a slot that lies inside the window, away from the text of the labels
// and the mode name, is drawn in the slot's colour.
void ExpectCurveOnItsSamples(const CWndGraph& graph, int slot, COLORREF colour) {
    const CGraphView& view = graph.View();
    const int* samples = graph.Curves().Samples(slot);
    ASSERT_NE(samples, nullptr);
    int checked = 0;
    for (int i = 0; i + 1 < graph.Curves().SampleCount(); ++i) {
        const int row = samples[i];
        const bool nearText = row < 20 || row > view.Height() - 30 ||
                              (row > view.Height() / 2 - 4 && row < view.Height() / 2 + 20);
        if (row < 0 || row >= view.Height() || nearText)
            continue;
        EXPECT_EQ(graph.BackBuffer().PixelAt(i, row), colour) << "column " << i << " row " << row;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

} // namespace

TEST(GraphWindow, OpensModallyOverItsParentAndClosesWithOk) {
    CWndGraph graph;
    graph.SetEquation(L"X", 0);
    CGraphRun run;
    HWND owner = nullptr;
    HWND parent = nullptr;
    bool parentEnabled = true;
    RECT client = {};
    const INT_PTR result = run.Run(graph, {[&](HWND dialog) {
                                               owner = GetWindow(dialog, GW_OWNER);
                                               parent = run.Parent();
                                               parentEnabled = IsWindowEnabled(run.Parent());
                                               GetClientRect(dialog, &client);
                                           },
                                           [](HWND dialog) { TapOk(dialog); }});
    EXPECT_EQ(result, 0);
    EXPECT_NE(parent, nullptr);
    EXPECT_EQ(owner, parent);
    EXPECT_FALSE(parentEnabled) << "the calculator window takes no input while the graph runs";
    EXPECT_TRUE(run.ParentEnabledAfter());
    EXPECT_EQ(graph.GetHandle(), nullptr);
    // The screen less the top bar and the menu bar: 240 x 268 on a 96-dpi 240 x 320 screen.
    EXPECT_EQ(client.right, CZoqScreen::Width());
    EXPECT_EQ(client.bottom,
              CZoqScreen::Height() - CZoqScreen::TopBarHeight() - CZoqScreen::MenuBarHeight());
    EXPECT_EQ(graph.View().Width(), client.right);
    EXPECT_EQ(graph.View().Height(), client.bottom);
}

TEST(GraphWindow, DrawsGridAxesLabelsAndCurvesWhereTheArithmeticSays) {
    CWndGraph graph;
    graph.SetEquation(L"X^2-2", 0);
    graph.SetEquation(L"0.5*X-4", 1); // never meets the parabola
    graph.SetEquation(L"X+100", 5);   // sampled, never drawn
    CGraphRun run;
    run.Run(graph, {[&](HWND) {
                        const CZoqGDI& back = graph.BackBuffer();
                        const CGraphView& view = graph.View();
                        ASSERT_FALSE(back.IsEmpty());
                        ASSERT_EQ(back.Width(), view.Width());
                        const int column = view.AxisColumn(), row = view.AxisRow();
                        EXPECT_EQ(back.PixelAt(column, 30), kWhite) << "y axis";
                        EXPECT_EQ(back.PixelAt(30, row), kWhite) << "x axis";
                        EXPECT_EQ(back.PixelAt(view.GridFirstColumn() + view.GridColumns(), 31),
                                  CGraphPainter::kGrid);
                        EXPECT_EQ(back.PixelAt(view.GridFirstColumn() + view.GridColumns() + 1, 31),
                                  CGraphPainter::kBackground);
                        ExpectCurveOnItsSamples(graph, 0, kCurve0);
                        ExpectCurveOnItsSamples(graph, 1, kCurve1);
                        EXPECT_EQ(CountColour(back, CGraphPainter::SlotColour(5)), 0);
                        // Labels: white text beside the top of the y axis and left of it.
                        EXPECT_GT(CountColour(back, kWhite, column + 7, 3, column + 30, 18), 0);
                        EXPECT_GT(CountColour(back, kWhite, 7, row + 2, 40, row + 18), 0);
                    },
                    [](HWND dialog) { TapOk(dialog); }});
}

TEST(GraphWindow, DrawsDataPointsAsSmallCrosses) {
    CWndGraph graph;
    EXPECT_EQ(graph.AddPoint(-2.5, 2.5), 1);
    CGraphRun run;
    run.Run(graph,
            {[&](HWND) {
                 const CGraphView& view = graph.View();
                 const int x = view.XToScreen(-2.5), y = view.YToScreen(2.5);
                 EXPECT_EQ(CountColour(graph.BackBuffer(), kWhite, x - 4, y - 4, x + 5, y + 5), 9)
                     << "five pixels across, five down, sharing the centre";
                 EXPECT_EQ(graph.BackBuffer().PixelAt(x + 2, y), kWhite);
                 EXPECT_EQ(graph.BackBuffer().PixelAt(x + 3, y), CGraphPainter::kBackground);
             },
             [](HWND dialog) { TapOk(dialog); }});
}

TEST(GraphWindow, MenuBarButtonsCycleTheModeAndChangeTheView) {
    CWndGraph graph;
    graph.SetEquation(L"X", 0);
    CGraphRun run;
    int runs = 0;
    std::vector<std::wstring> names;
    auto record = [&](HWND) { names.push_back(graph.ModeName()); };
    run.Run(graph, {[&](HWND dialog) {
                        record(dialog);
                        runs = graph.SampleRuns();
                        TapMenuButton(dialog, 2); // "Zoom +"
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XRange(), 5.0);
                        EXPECT_EQ(graph.SampleRuns(), runs + 1);
                        TapMenuButton(dialog, 3); // "Zoom -"
                        TapMenuButton(dialog, 3);
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XRange(), 20.0);
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 10.0);
                        TapMenuButton(dialog, 1); // "Reset"
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XRange(), 10.0);
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 5.0);
                        runs = graph.SampleRuns();
                        TapMenuButton(dialog, 0); // "Mode"
                    },
                    record,
                    [&](HWND dialog) {
                        EXPECT_EQ(graph.Stylus().Mode(), CGraphStylus::kModeTranslate);
                        EXPECT_EQ(graph.SampleRuns(), runs) << "a mode change does not resample";
                        TapMenuButton(dialog, 0);
                    },
                    record, [&](HWND dialog) { TapMenuButton(dialog, 0); },
                    [&](HWND dialog) {
                        record(dialog);
                        EXPECT_EQ(graph.Stylus().Mode(), CGraphStylus::kModeZoom);
                        TapOk(dialog);
                    }});
    const std::vector<std::wstring> expected = {L"Zoom", L"Translate", L"Point On Graph", L"Zoom"};
    EXPECT_EQ(names, expected);
}

TEST(GraphWindow, KeysScrollAndZoom) {
    CWndGraph graph;
    graph.SetEquation(L"X", 0);
    CGraphRun run;
    const struct {
        const char* name;
        WPARAM key;
        double xRange, xOffset, yOffset;
    } keys[] = {
        {"left", VK_LEFT, 10.0, 6.0, 5.0}, {"right", VK_RIGHT, 10.0, 5.0, 5.0},
        {"up", VK_UP, 10.0, 5.0, 4.0},     {"down", VK_DOWN, 10.0, 5.0, 5.0},
        {"add", VK_ADD, 5.0, 2.5, 2.5},    {"subtract", VK_SUBTRACT, 10.0, 5.0, 5.0},
    };
    std::vector<Step> steps;
    for (const auto& key : keys) {
        steps.push_back([&](HWND dialog) { PostMessageW(dialog, WM_KEYUP, key.key, 0xC0000001); });
        steps.push_back([&](HWND) {
            SCOPED_TRACE(key.name);
            EXPECT_DOUBLE_EQ(graph.View().XRange(), key.xRange);
            EXPECT_DOUBLE_EQ(graph.View().XOffset(), key.xOffset);
            EXPECT_DOUBLE_EQ(graph.View().YOffset(), key.yOffset);
        });
    }
    steps.push_back([](HWND dialog) { TapOk(dialog); });
    run.Run(graph, steps);
}

TEST(GraphWindow, ZoomBoxIsDrawnOverTheCachedFrameAndZoomsOnRelease) {
    CWndGraph graph;
    graph.SetEquation(L"X^2-2", 0);
    CGraphRun run;
    int curvePixels = 0;
    int runs = 0;
    const COLORREF box = CGraphPainter::kZoomBox;
    run.Run(graph, {[&](HWND dialog) {
                        curvePixels = CountColour(graph.BackBuffer(), kCurve0);
                        runs = graph.SampleRuns();
                        Pen(dialog, WM_LBUTTONDOWN, 60, 80);
                        Pen(dialog, WM_MOUSEMOVE, 150, 200);
                    },
                    [&](HWND) {
                        const CZoqGDI& back = graph.BackBuffer();
                        EXPECT_GT(CountColour(back, kCurve0), curvePixels / 2)
                            << "the cached curve";
                        EXPECT_GT(CountColour(back, box, 60, 81, 61, 200), 20) << "left edge";
                        EXPECT_GT(CountColour(back, box, 150, 81, 151, 200), 20) << "right edge";
                        EXPECT_GT(CountColour(back, box, 61, 80, 150, 81), 20) << "top edge";
                        EXPECT_GT(CountColour(back, box, 61, 200, 150, 201), 20) << "bottom edge";
                        EXPECT_EQ(CountColour(back, box, 62, 82, 148, 198), 0) << "inside the box";
                        EXPECT_DOUBLE_EQ(graph.View().XRange(), 10.0) << "no zoom while dragging";
                        EXPECT_EQ(graph.SampleRuns(), runs);
                    },
                    [&](HWND dialog) { Pen(dialog, WM_LBUTTONUP, 150, 200); },
                    [&](HWND dialog) {
                        EXPECT_NEAR(graph.View().XRange(), 10.0 * 90 / 240, 1e-12);
                        EXPECT_NEAR(graph.View().LeftValue(), 60 / 240.0 * 10 - 5, 1e-12);
                        EXPECT_EQ(graph.SampleRuns(), runs + 1);
                        EXPECT_EQ(CountColour(graph.BackBuffer(), box), 0);
                        ExpectCurveOnItsSamples(graph, 0, kCurve0);
                        TapOk(dialog);
                    }});
}

TEST(GraphWindow, TranslateDragHidesTheCurvesAndResamplesOnRelease) {
    CWndGraph graph;
    graph.SetEquation(L"X^2-2", 0);
    CGraphRun run;
    int runs = 0;
    run.Run(graph, {[&](HWND dialog) {
                        SendMessageW(dialog, WM_COMMAND, IDM_GRAPH_MODE, 0);
                        runs = graph.SampleRuns();
                        Pen(dialog, WM_LBUTTONDOWN, 100, 100);
                        Pen(dialog, WM_MOUSEMOVE, 124, 100);
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 6.0);
                        EXPECT_EQ(graph.SampleRuns(), runs) << "no resampling during the drag";
                        EXPECT_EQ(CountColour(graph.BackBuffer(), kCurve0), 0);
                        EXPECT_EQ(graph.BackBuffer().PixelAt(graph.View().AxisColumn(), 30), kWhite)
                            << "the axes follow the drag";
                        Pen(dialog, WM_MOUSEMOVE, 148, 100);
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 7.0);
                        Pen(dialog, WM_LBUTTONUP, 148, 100);
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 7.0);
                        EXPECT_EQ(graph.SampleRuns(), runs + 1);
                        ExpectCurveOnItsSamples(graph, 0, kCurve0);
                        TapOk(dialog);
                    }});
}

TEST(GraphWindow, PointModeReadsTheCurveUnderTheStylus) {
    CWndGraph graph;
    graph.SetEquation(L"X^2-1", 0);
    CGraphRun run;
    run.Run(graph, {[](HWND dialog) {
                        SendMessageW(dialog, WM_COMMAND, IDM_GRAPH_MODE, 0);
                        SendMessageW(dialog, WM_COMMAND, IDM_GRAPH_MODE, 0);
                        Pen(dialog, WM_LBUTTONDOWN, 100, 100);
                        Pen(dialog, WM_MOUSEMOVE, 144, 100); // x = 1, y = 0
                    },
                    [&](HWND dialog) {
                        const CZoqGDI& back = graph.BackBuffer();
                        const int row = graph.View().Height() / 2; // y = 0
                        EXPECT_GT(CountColour(back, kCurve0, 0, row, 100, row + 1), 30)
                            << "dashed horizontal line of the crosshair";
                        EXPECT_GT(CountColour(back, kCurve0, 144, 20, 145, 120), 30)
                            << "dashed vertical line of the crosshair";
                        EXPECT_GT(CountColour(back, kCurve0, 149, row + 1, 170, row + 16), 0)
                            << "the y read-out";
                        Pen(dialog, WM_LBUTTONUP, 144, 100);
                    },
                    [&](HWND dialog) {
                        EXPECT_DOUBLE_EQ(graph.View().XOffset(), 5.0) << "a drag in point mode";
                        EXPECT_EQ(CountColour(graph.BackBuffer(), kCurve0, 0, 134, 90, 135), 0)
                            << "no crosshair once the stylus is up";
                        TapOk(dialog);
                    }});
}

TEST(GraphWindow, ReciprocalIsNotJoinedAcrossItsAsymptote) {
    CWndGraph graph;
    graph.SetEquation(L"1/X", 0);
    CGraphRun run;
    run.Run(graph, {[&](HWND dialog) {
                const CZoqGDI& back = graph.BackBuffer();
                const int height = graph.View().Height();
                int columnsWithBothBranches = 0;
                for (int x = 0; x < back.Width(); ++x) {
                    const bool above = CountColour(back, kCurve0, x, 0, x + 1, 100) > 0;
                    const bool below = CountColour(back, kCurve0, x, 170, x + 1, height) > 0;
                    columnsWithBothBranches += above && below;
                }
                EXPECT_EQ(columnsWithBothBranches, 0);
                EXPECT_GT(CountColour(back, kCurve0, 121, 0, 240, 100), 20) << "right branch";
                EXPECT_GT(CountColour(back, kCurve0, 0, 170, 120, height), 20) << "left branch";
                TapOk(dialog);
            }});
}

TEST(GraphWindow, EscapeClosesLikeOk) {
    CWndGraph graph;
    CGraphRun run;
    EXPECT_EQ(run.Run(graph, {[](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0); }}),
              0);
}

// The texts follow the device screen's dpi like the label positions do, also when the
// screen played has another dpi than the display.
TEST(GraphWindow, TextsScaleWithTheScreen) {
    const int dpis[] = {96, 192};
    LONG heights[2] = {};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(dpis[i]);
        CZoqScreen::SetDpi(dpis[i]);
        CZoqScreen::SetSize(CZoqScreen::Scaled(240), CZoqScreen::Scaled(320));
        CWndGraph graph;
        graph.SetEquation(L"X", 0);
        CGraphRun run;
        run.Run(graph, {[&](HWND) {
                            LOGFONTW font = {};
                            HGDIOBJ selected = GetCurrentObject(graph.BackBuffer().DC(), OBJ_FONT);
                            ASSERT_TRUE(GetObjectW(selected, sizeof font, &font));
                            heights[i] = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
                        },
                        [](HWND dialog) { TapOk(dialog); }});
    }
    CZoqScreen::SetDpi(0);
    CZoqScreen::SetSize(0, 0);
    EXPECT_GT(heights[0], 0);
    // The dialog's point size is turned into pixels once at each dpi, as on a device of
    // that dpi (8 points: 11 pixels at 96 dpi, 21 at 192), so twice the height may be off
    // by the one rounding.
    EXPECT_NEAR(heights[1], 2 * heights[0], 1);
}

namespace {

// Opens the point-on-graph mode's context menu at world (x, y), as the right button does.
void OpenAnalysisMenu(HWND dialog, const CGraphView& view, double x, double y) {
    POINT point = {view.XToScreen(x), view.YToScreen(y)};
    ClientToScreen(dialog, &point);
    PostMessageW(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog),
                 MAKELPARAM(point.x, point.y));
}

// Picks an item of the open context menu by its underlined letter.
void PickMenuItem(wchar_t letter) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    ASSERT_NE(menu, nullptr) << "no menu is open";
    PostMessageW(menu, WM_CHAR, letter, 0);
}

void TapAt(HWND dialog, const CGraphView& view, double x, double y) {
    Pen(dialog, WM_LBUTTONDOWN, view.XToScreen(x), view.YToScreen(y));
    Pen(dialog, WM_LBUTTONUP, view.XToScreen(x), view.YToScreen(y));
}

// The mark's ring: pixels of the slot's colour three pixels left and right of the point.
void ExpectMarkAt(const CWndGraph& graph, double x, double y, COLORREF colour) {
    const CGraphView& view = graph.View();
    const int column = view.XToScreen(x), row = view.YToScreen(y);
    EXPECT_GT(CountColour(graph.BackBuffer(), colour, column - 4, row - 1, column - 2, row + 2), 0);
    EXPECT_GT(CountColour(graph.BackBuffer(), colour, column + 3, row - 1, column + 5, row + 2), 0);
}

} // namespace

TEST(GraphWindow, AnalyzeMenuMarksZerosExtremaIntersectionsAndValues) {
    CWndGraph graph;
    graph.SetEquation(L"1*X^2-3*X+2", 0);
    graph.SetEquation(L"X-1", 1);
    CGraphRun run;
    run.Run(graph, {[&](HWND dialog) {
                        // Outside the point-on-graph mode there is no context menu.
                        OpenAnalysisMenu(dialog, graph.View(), 2.3, 0.2);
                    },
                    [&](HWND dialog) {
                        EXPECT_EQ(FindWindowW(L"#32768", nullptr), nullptr);
                        TapMenuButton(dialog, 0); // "Mode": translate
                        TapMenuButton(dialog, 0); // point on graph
                    },
                    [&](HWND dialog) {
                        ASSERT_EQ(graph.Stylus().Mode(), CGraphStylus::kModePoint);
                        OpenAnalysisMenu(dialog, graph.View(), 2.3, 0.2);
                    },
                    [&](HWND) { PickMenuItem(L'z'); },
                    [&](HWND) {
                        EXPECT_EQ(FindWindowW(L"#32768", nullptr), nullptr);
                        const SGraphMark* mark = graph.Mark();
                        ASSERT_NE(mark, nullptr);
                        EXPECT_EQ(Narrow(mark->xText), "2");
                        EXPECT_EQ(Narrow(mark->yText), "0");
                        EXPECT_EQ(mark->slot, 0);
                        ExpectMarkAt(graph, 2, 0, kCurve0);
                        std::printf("zero marked at x=%s y=%s\n", Narrow(mark->xText).c_str(),
                                    Narrow(mark->yText).c_str());
                    },
                    [&](HWND dialog) { OpenAnalysisMenu(dialog, graph.View(), 2.3, 0.2); },
                    [&](HWND) { PickMenuItem(L'x'); },
                    [&](HWND) {
                        EXPECT_EQ(graph.Mark(), nullptr);
                        EXPECT_EQ(Narrow(graph.AnalysisMessage()), "No maximum here");
                        const CGraphView& view = graph.View();
                        EXPECT_GT(CountColour(graph.BackBuffer(), kWhite, view.Width() / 4,
                                              view.Height() / 4, view.Width() * 3 / 4,
                                              view.Height() / 4 + 14),
                                  0);
                    },
                    [&](HWND dialog) {
                        // The keyboard: a tap sets the cursor, N finds the minimum.
                        TapAt(dialog, graph.View(), 1.4, -0.3);
                        PostMessageW(dialog, WM_KEYUP, 'N', 0);
                    },
                    [&](HWND) {
                        ASSERT_NE(graph.Mark(), nullptr);
                        EXPECT_EQ(Narrow(graph.Mark()->xText), "1.5");
                        EXPECT_EQ(Narrow(graph.Mark()->yText), "-0.25");
                        EXPECT_EQ(Narrow(graph.AnalysisMessage()), "");
                    },
                    [&](HWND dialog) { OpenAnalysisMenu(dialog, graph.View(), 2.8, 1.9); },
                    [&](HWND) { PickMenuItem(L'i'); },
                    [&](HWND) {
                        const SGraphMark* mark = graph.Mark();
                        ASSERT_NE(mark, nullptr);
                        EXPECT_EQ(Narrow(mark->xText), "3");
                        EXPECT_EQ(Narrow(mark->yText), "2");
                        ExpectMarkAt(graph, 3, 2, CGraphPainter::SlotColour(mark->slot));
                        std::printf("intersection marked at x=%s y=%s\n",
                                    Narrow(mark->xText).c_str(), Narrow(mark->yText).c_str());
                    },
                    [&](HWND dialog) { OpenAnalysisMenu(dialog, graph.View(), 2.8, 1.9); },
                    [&](HWND) { PickMenuItem(L'v'); },
                    [&](HWND) {
                        HWND box = FindWindowW(nullptr, L"Value at x");
                        ASSERT_NE(box, nullptr) << "the Value at x box is not open";
                        SetDlgItemTextW(box, IDC_GRAPH_VALUE_X, L"1/2");
                        PostMessageW(box, WM_COMMAND, IDOK, 0);
                    },
                    [&](HWND) {
                        EXPECT_EQ(FindWindowW(nullptr, L"Value at x"), nullptr);
                        const SGraphMark* mark = graph.Mark();
                        ASSERT_NE(mark, nullptr);
                        EXPECT_EQ(Narrow(mark->xText), "0.5");
                        EXPECT_EQ(Narrow(mark->yText), "0.75");
                    },
                    [&](HWND dialog) {
                        // A tap clears what the analysis showed.
                        TapAt(dialog, graph.View(), -3, 3);
                    },
                    [&](HWND dialog) {
                        EXPECT_EQ(graph.Mark(), nullptr);
                        TapOk(dialog);
                    }});
}
