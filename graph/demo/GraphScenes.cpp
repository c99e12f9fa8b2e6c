#include "graph/demo/GraphScenes.h"

#include "graph/GraphResources.h"
#include "graph/WndGraph.h"

#include <cwchar>

namespace {

// The quadratic calculator's text for A = 1, B = -3, C = 2: roots at 1 and 2.
const wchar_t kParabola[] = L"1*X^2-3*X+2";

void Pen(HWND graph, UINT message, int x, int y) {
    SendMessageW(graph, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

void SetParabola(CWndGraph& graph) {
    graph.SetEquation(kParabola, 0);
}

void SetReciprocal(CWndGraph& graph) {
    graph.SetEquation(L"1/X", 0);
}

// The regression calculator's linear fit of nine entries, with the entries.
void SetFittedPoints(CWndGraph& graph) {
    const double ys[] = {-2.9, -2.1, -0.8, -0.2, 0.9, 1.6, 2.8, 3.4, 4.1};
    for (int i = 0; i < 9; ++i)
        graph.AddPoint(i - 4, ys[i]);
    graph.SetEquation(L"0.891666666667*X+0.755555555556", 0);
}

// The read-out at x = 3 (y = 2), the stylus held down.
void ReadPoint(HWND graph) {
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_MODE, 0);
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_MODE, 0);
    RECT client;
    GetClientRect(graph, &client);
    const int column = client.right * 8 / 10;
    Pen(graph, WM_LBUTTONDOWN, column, client.bottom / 2);
    Pen(graph, WM_MOUSEMOVE, column, client.bottom / 3);
}

void SetParabolaAndLine(CWndGraph& graph) {
    graph.SetEquation(kParabola, 0);
    graph.SetEquation(L"X-1", 1);
}

// In point-on-graph mode, a tap at world (x, y) and then an item of the Analyze menu.
void TapAndAnalyse(HWND graph, double x, double y, UINT command) {
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_MODE, 0);
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_MODE, 0);
    RECT client;
    GetClientRect(graph, &client);
    // The default view shows x and y from -5 to 5.
    const int column = static_cast<int>((x + 5) / 10 * client.right);
    const int row = static_cast<int>((5 - y) / 10 * client.bottom);
    Pen(graph, WM_LBUTTONDOWN, column, row);
    Pen(graph, WM_LBUTTONUP, column, row);
    SendMessageW(graph, WM_COMMAND, command, 0);
}

// The parabola's zero nearest a tap right of x = 2.
void FindZero(HWND graph) {
    TapAndAnalyse(graph, 2.3, 0.2, IDM_GRAPH_FIND_ZERO);
}

// Where the parabola meets the line near x = 3.
void FindIntersection(HWND graph) {
    TapAndAnalyse(graph, 2.8, 1.9, IDM_GRAPH_FIND_INTERSECTION);
}

// A zoom box around the parabola's roots, still being dragged.
void DragZoomBox(HWND graph) {
    RECT client;
    GetClientRect(graph, &client);
    Pen(graph, WM_LBUTTONDOWN, client.right / 2 - client.right / 20, client.bottom / 3);
    Pen(graph, WM_MOUSEMOVE, client.right * 3 / 4, client.bottom * 3 / 5);
}

// In translate mode, the view dragged a fifth of the way up and to the left.
void DragView(HWND graph) {
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_MODE, 0);
    RECT client;
    GetClientRect(graph, &client);
    Pen(graph, WM_LBUTTONDOWN, client.right / 2, client.bottom / 2);
    Pen(graph, WM_MOUSEMOVE, client.right * 3 / 10, client.bottom * 3 / 10);
    Pen(graph, WM_LBUTTONUP, client.right * 3 / 10, client.bottom * 3 / 10);
}

void ZoomIn(HWND graph) {
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_ZOOM_IN, 0);
}

void ZoomOut(HWND graph) {
    SendMessageW(graph, WM_COMMAND, IDM_GRAPH_ZOOM_OUT, 0);
}

const SGraphScene kScenes[] = {
    {L"parabola", SetParabola, nullptr},
    {L"reciprocal", SetReciprocal, nullptr},
    {L"readout", SetParabola, ReadPoint},
    {L"zoombox", SetParabola, DragZoomBox},
    {L"points", SetFittedPoints, nullptr},
    {L"zero", SetParabola, FindZero},
    {L"intersection", SetParabolaAndLine, FindIntersection},
    {L"translate", SetParabola, DragView},
    {L"zoomin", SetParabola, ZoomIn},
    {L"zoomout", SetParabola, ZoomOut},
};

} // namespace

const SGraphScene* FindGraphScene(const wchar_t* name) {
    for (const SGraphScene& scene : kScenes) {
        if (name && std::wcscmp(scene.name, name) == 0)
            return &scene;
    }
    return nullptr;
}

const SGraphScene& DefaultGraphScene() {
    return kScenes[0];
}
