// Screenshots of Parabix: the window with each kind of result in portrait and
// landscape, and the graph of a quadratic.
//   ParabixShots.exe FOLDER
#include "ce/ZoqScreen.h"
#include "quadratic/app/DlgParabix.h"
#include "testing/ZoqShotDriver.h"

namespace {

void OpenGraph(void* context) {
    CDlgParabix* window = static_cast<CDlgParabix*>(context);
    const SCalcRect& graph = window->GetFace().GetLayout().buttons[18];
    const LPARAM centre =
        MAKELPARAM((graph.left + graph.right) / 2, (graph.top + graph.bottom) / 2);
    SendMessageW(window->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(window->GetHandle(), WM_LBUTTONUP, 0, centre);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    const std::wstring folder = OutputFolder();
    int failures = 0;
    const struct {
        const wchar_t* name;
        int width, height, dpi;
        const wchar_t* keys;
    } shots[] = {
        {L"portrait", 240, 320, 96, L"1\r-3\r2\r"},
        {L"landscape", 320, 240, 96, L"1\r-3\r2\r"},
        {L"complex", 240, 320, 96, L"1\r2\r5\r"},
        {L"line", 240, 320, 96, L"0\r2\r-4\r"},
        {L"square", 240, 240, 96, L"1\r-3\r2\r"},
        // The portrait screen at 192 dpi: 480 x 640 pixels.
        {L"hires", 240, 320, 192, L"1\r2\r5\r"},
    };
    for (const auto& shot : shots) {
        CZoqScreen::SetDpi(shot.dpi);
        CDlgParabix window;
        HWND hwnd = OpenShotWindow(window, instance, L"Zoq Parabix", L"ClassParabix", shot.width,
                                   shot.height);
        if (!hwnd) {
            return 2;
        }
        TypeKeys(hwnd, shot.keys);
        failures += !ShootWindow(hwnd, folder + L"parabix-" + shot.name + L".png");
        if (shot.name == std::wstring(L"portrait") || shot.dpi != 96) {
            const std::wstring suffix = shot.dpi == 96 ? L"" : std::wstring(L"-") + shot.name;
            failures +=
                !ShootModal(OpenGraph, &window, folder + L"parabix-graph" + suffix + L".png");
        }
        window.Destroy();
    }
    return failures ? 3 : 0;
}
