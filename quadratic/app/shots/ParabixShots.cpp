// Screenshots of Parabix: the window with each kind of result in portrait and
// landscape, the graph of a quadratic, the B and C fields active, and the about box
// over the window.
//   ParabixShots.exe FOLDER
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "quadratic/app/DlgParabix.h"
#include "quadratic/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqShotDriver.h"

namespace {

// Keys of the keypad, by their index in the layout.
constexpr int kKeyA = 0;
constexpr int kKeyB = 1;
constexpr int kKeyClear = 6;
constexpr int kKeyGraph = 18;

// A tap on a key of the keypad: the pen goes down on it and is lifted there.
void TapKey(CDlgParabix& window, int index) {
    const SCalcRect& key = window.GetFace().GetLayout().buttons[index];
    const LPARAM centre = MAKELPARAM((key.left + key.right) / 2, (key.top + key.bottom) / 2);
    SendMessageW(window.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(window.GetHandle(), WM_LBUTTONUP, 0, centre);
}

void OpenGraph(void* context) {
    TapKey(*static_cast<CDlgParabix*>(context), kKeyGraph);
}

// What the "About" button of the menu bar sends.
void PickAbout(void* hwnd) {
    SendMessageW(static_cast<HWND>(hwnd), WM_COMMAND, MAKEWPARAM(IDM_ABOUT, 0), 0);
}

struct SOverShot {
    HWND window;
    std::wstring path;
    int written;
};

void SaveOverAndClose(HWND modal, void* context) {
    SOverShot& shot = *static_cast<SOverShot*>(context);
    shot.written = CZoqShot::SaveWindowWith(shot.window, &modal, 1, shot.path.c_str());
    PostMessageW(modal, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// A field made active: B tapped after a result; after Clear, C while it is typed. Then
// the about box, the window moved to the middle of the screen, where the box (centred
// on the screen) stands over it.
int ShootFieldsAndAbout(CDlgParabix& window, HWND hwnd, const std::wstring& folder) {
    TypeKeys(hwnd, L"1\r-3\r2\r");
    TapKey(window, kKeyB);
    int failures = !ShootWindow(hwnd, folder + L"parabix-field-b.png");
    TapKey(window, kKeyClear);
    TapKey(window, kKeyA);
    TypeKeys(hwnd, L"2\r5\r-7");
    failures += !ShootWindow(hwnd, folder + L"parabix-field-c.png");
    PlaceMidScreen(hwnd);
    SOverShot shot{hwnd, folder + L"parabix-about.png", 0};
    WatchModal(PickAbout, hwnd, 700, 15000, SaveOverAndClose, &shot);
    return failures + !shot.written;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Each screen with the coefficients typed there.
    const struct SShot : SShotScreen {
        const wchar_t* keys;
    } shots[] = {
        {{L"portrait", 240, 320, 96}, L"1\r-3\r2\r"},
        {{L"landscape", 320, 240, 96}, L"1\r-3\r2\r"},
        {{L"complex", 240, 320, 96}, L"1\r2\r5\r"},
        {{L"line", 240, 320, 96}, L"0\r2\r-4\r"},
        {{L"square", 240, 240, 96}, L"1\r-3\r2\r"},
        // The portrait screen at 192 dpi: 480 x 640 pixels.
        {{L"hires", 240, 320, 192}, L"1\r2\r5\r"},
    };
    const auto shoot = [](CDlgParabix& window, HWND hwnd, const SShot& shot,
                          const std::wstring& folder) {
        TypeKeys(hwnd, shot.keys);
        int failures = !ShootWindow(hwnd, folder + L"parabix-" + shot.name + L".png");
        if (shot.name == std::wstring(L"portrait") || shot.dpi != 96) {
            const std::wstring suffix = shot.dpi == 96 ? L"" : std::wstring(L"-") + shot.name;
            failures +=
                !ShootModal(OpenGraph, &window, folder + L"parabix-graph" + suffix + L".png");
        }
        return failures;
    };
    return RunScreenShots<CDlgParabix>(instance, L"Zoq Parabix", L"ClassParabix", shots, shoot,
                                       ShootFieldsAndAbout);
}
