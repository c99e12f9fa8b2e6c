// Opens the graph window over a device window with one of the scenes of GraphScenes, as
// the calculators do from their "Graph" button.
//
//   GraphDemo.exe [--scene NAME] [--screen WxH] [--shot FILE]
//
// With --shot the scene is captured and the program ends; without, the graph stays up
// until "ok".

#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "ce/ZoqShot.h"
#include "graph/GraphResources.h"
#include "graph/WndGraph.h"
#include "graph/demo/GraphScenes.h"
#include "ui/ZoqWnd.h"

#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT kOpenGraph = WM_USER + 1;
constexpr UINT kShotDelayMs = 300;
constexpr int kExitNoScene = 2;
constexpr int kExitShotFailed = 3;

const SGraphScene* g_scene = nullptr;
CWndGraph* g_graph = nullptr;
int g_exitCode = 0;

const SGraphScene* SceneFromCommandLine() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const SGraphScene* scene = &DefaultGraphScene();
    for (int i = 1; arguments && i + 1 < count; ++i) {
        if (std::wcscmp(arguments[i], L"--scene") == 0)
            scene = FindGraphScene(arguments[++i]);
    }
    LocalFree(arguments);
    return scene;
}

void CALLBACK TakeShot(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND graph = g_graph ? g_graph->GetHandle() : nullptr;
    if (!graph)
        return;
    if (g_scene->act)
        g_scene->act(graph);
    g_exitCode = CZoqShot::SaveWindow(graph, CZoqShot::RequestedPath()) ? 0 : kExitShotFailed;
    SendMessageW(graph, WM_COMMAND, IDOK, 0);
}

// Stands in for a calculator window: the device screen the graph covers.
class CDemoWindow : public CZoqWnd {
public:
    LRESULT OnInitDialog(HWND hwnd, WPARAM, LPARAM) override {
        CZoqShell::InitFullScreen(hwnd, CZoqShell::kNoButton);
        PostMessageW(hwnd, kOpenGraph, 0, 0);
        return 0;
    }

    LRESULT OnUserMessage(HWND hwnd, UINT message, WPARAM, LPARAM) override {
        if (message != kOpenGraph)
            return 0;
        CWndGraph graph;
        g_scene->setUp(graph);
        g_graph = &graph;
        if (CZoqShot::RequestedPath())
            SetTimer(nullptr, 0, kShotDelayMs, TakeShot);
        graph.DoModal(hwnd, m_instance, IDD_GRAPH);
        g_graph = nullptr;
        PostQuitMessage(g_exitCode);
        return 0;
    }
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    CZoqShot::ReadCommandLine();
    g_scene = SceneFromCommandLine();
    if (!g_scene)
        return kExitNoScene;
    CDemoWindow window;
    if (!window.Create(L"Zoq Graph Demo", nullptr, instance, L"ClassZoqGraphDemo", CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0))
        return 0;
    ShowWindow(window.GetHandle(), SW_SHOW);
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    window.Destroy();
    return static_cast<int>(message.wParam);
}
