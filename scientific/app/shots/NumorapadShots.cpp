// Numorapad in a state set up for a screenshot, saved with --shot FILE as the program
// saves itself (tools/shots). Besides the program's own --screen, --shot and --size:
//   --dpi N        the screen's resolution (192: a high-resolution screen)
//   --mode N       entry mode 0..4
//   --comma        the decimal comma, chosen in the Options dialog
//   --press K,K…   taps keys by index (0..43) through their key windows
//   --hold K       leaves key K pressed
//   --options      opens the Options dialog (the shot shows it)
//   --advanced     opens the Advanced Options dialog (the shot shows it)
//   --about        opens the About box (the shot shows it)
//   --memory       shows the memory registers from the Options dialog (the shot shows
//                  the list)
//   --menu N       opens pop-up N of the menu bar (0 File, 1 Constants, 2 Options); the
//                  shot shows it over the window
#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "scientific/Calculator.h"
#include "scientific/app/CDlgNumorapad.h"
#include "scientific/app/NumorapadProgram.h"
#include "scientific/app/resource.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqShotDriver.h"
#include "testing/ZoqWindowDriver.h"
#include "ui/ZoqMemoryStore.h"

#include <windows.h>

#include <cwchar>

namespace {

// The open window has painted by then, as for the program's own --shot.
constexpr UINT kShotDelayMs = 400;
constexpr UINT kWatchdogMs = 20000;

struct SShotScript {
    int dpi = 0;
    int mode = -1;
    int comma = 0;
    const wchar_t* keys = nullptr;
    int hold = -1;
    UINT command = 0; // a dialog to open, the shot shows it
    int memory = 0;
    int menu = -1;
};

SShotScript ReadShotScript(int argc, wchar_t** argv) {
    SShotScript script;
    for (int i = 1; i < argc; ++i) {
        if (!wcscmp(argv[i], L"--options")) {
            script.command = ID_OPTIONS_OPTIONS;
        } else if (!wcscmp(argv[i], L"--advanced")) {
            script.command = ID_OPTIONS_ADVANCED;
        } else if (!wcscmp(argv[i], L"--about")) {
            script.command = ID_FILE_ABOUT;
        } else if (!wcscmp(argv[i], L"--memory")) {
            script.memory = 1;
        } else if (!wcscmp(argv[i], L"--comma")) {
            script.comma = 1;
        }
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (!wcscmp(argv[i], L"--dpi")) {
            script.dpi = _wtoi(argv[i + 1]);
        } else if (!wcscmp(argv[i], L"--hold")) {
            script.hold = _wtoi(argv[i + 1]);
        } else if (!wcscmp(argv[i], L"--mode")) {
            script.mode = _wtoi(argv[i + 1]);
        } else if (!wcscmp(argv[i], L"--press")) {
            script.keys = argv[i + 1];
        } else if (!wcscmp(argv[i], L"--menu")) {
            script.menu = _wtoi(argv[i + 1]);
        }
    }
    return script;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ChooseComma(CDlgNumorapad& dialog) {
    CZoqModalWatch watch([](HWND options) {
        Click(options, IDC_SEPARATOR_COMMA);
        Press(options, IDOK);
    });
    Command(dialog.Handle(), ID_OPTIONS_OPTIONS);
}

void TapKeys(CDlgNumorapad& dialog, const wchar_t* keys) {
    for (const wchar_t* p = keys; p && *p;) {
        wchar_t* end = nullptr;
        const long key = wcstol(p, &end, 10);
        if (end == p) {
            break;
        }
        if (key >= 0 && key < kKeyCount) {
            HWND window = dialog.KeyWindow(static_cast<int>(key)).Handle();
            SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }
        p = *end == L',' ? end + 1 : end;
    }
}

void HoldKey(CDlgNumorapad& dialog, int key) {
    // The pointer goes onto the key first: the key window has the capture and would
    // take any move of the real pointer elsewhere as sliding off the key.
    HWND window = dialog.KeyWindow(key).Handle();
    RECT rect;
    GetClientRect(window, &rect);
    POINT centre = {rect.right / 2, rect.bottom / 2};
    ClientToScreen(window, &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.right / 2, rect.bottom / 2));
}

// The memory list opens once the Options dialog closes; it is saved instead of the
// main window, and the run ends.
int ShootMemory(CDlgNumorapad& dialog) {
    int saved = 0;
    const SZoqWatchOptions options = WatchFor(EZoqModalKind::kDialog, kShotDelayMs, kWatchdogMs);
    CZoqModalWatch watch({[](HWND options) {
                              Click(options, IDC_VIEW_MEMORY);
                              Press(options, IDOK);
                          },
                          [&](HWND list) {
                              saved = CZoqShot::SaveWindow(list, CZoqShot::RequestedPath());
                              Press(list, IDOK);
                          }},
                         options);
    Command(dialog.Handle(), ID_OPTIONS_OPTIONS);
    return saved && !watch.TimedOut();
}

// Taps the menu bar button; once the pop-up has painted, saves the window with the
// pop-up over it and closes the pop-up.
int ShootMenu(CDlgNumorapad& dialog, int index) {
    RECT button;
    if (!CZoqMenuBar::ButtonRect(dialog.Handle(), index, &button)) {
        return 0;
    }
    int saved = 0;
    const SZoqWatchOptions options = WatchFor(EZoqModalKind::kPopupMenu, kShotDelayMs, kWatchdogMs);
    CZoqModalWatch watch(
        [&](HWND popup) {
            saved = ShootWithPopup(dialog.Handle(), popup, CZoqShot::RequestedPath());
            EndMenu();
        },
        options);
    TapFrame(dialog.Handle(), {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    return saved && !watch.TimedOut();
}

void Prepare(void* context) {
    const SShotScript& script = *static_cast<const SShotScript*>(context);
    if (script.dpi > 0) {
        CZoqScreen::SetDpi(script.dpi);
    }
}

void Play(CDlgNumorapad& dialog, void* context) {
    const SShotScript& script = *static_cast<const SShotScript*>(context);
    if (script.mode >= 0) {
        CCalculator::GetInstance()->SetCalcMode(script.mode);
    }
    if (script.comma) {
        ChooseComma(dialog);
    }
    TapKeys(dialog, script.keys);
    if (script.hold >= 0 && script.hold < kKeyCount) {
        HoldKey(dialog, script.hold);
    }
    InvalidateRect(dialog.Handle(), nullptr, FALSE);
    if (script.command) {
        PostMessageW(dialog.Handle(), WM_COMMAND, script.command, 0);
    }
    // These save the picture themselves and end the run before the program's own shot.
    if (script.memory) {
        PostQuitMessage(ShootMemory(dialog) ? 0 : 3);
    } else if (script.menu >= 0) {
        PostQuitMessage(ShootMenu(dialog, script.menu) ? 0 : 3);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    if (!CZoqShot::ReadCommandLine()) {
        MessageBoxW(nullptr, L"usage: NumorapadShots [script] --shot FILE", L"NumorapadShots",
                    MB_OK);
        return 2;
    }
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    SShotScript script = argv ? ReadShotScript(argc, argv) : SShotScript{};
    // Starts from the defaults and leaves the user's settings alone.
    CZoqMemoryStore scratch;
    SNumorapadStart start;
    start.store = &scratch;
    start.prepare = Prepare;
    start.shown = Play;
    start.context = &script;
    const int code = RunNumorapad(instance, start);
    LocalFree(argv);
    return code;
}
