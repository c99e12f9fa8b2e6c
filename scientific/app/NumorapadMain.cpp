#include "ce/ZoqDesktop.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "engine/Numora.h"
#include "scientific/Calculator.h"
#include "scientific/app/CDlgNumorapad.h"
#include "scientific/app/resource.h"
#include "ui/ZoqMemoryStore.h"
#include "ui/ZoqRegistryStore.h"

#include <windows.h>

#include <cwchar>

namespace {

// Screenshot runs (tools/shots) set up a state before the shot is taken:
//   --dpi N        the screen's resolution (192: a high-resolution screen)
//   --mode N       entry mode 0..4
//   --press K,K…   taps keys by index (0..43) through their key windows
//   --hold K       leaves key K pressed
//   --options      opens the Options dialog (the shot shows it)
struct SShotScript {
    int dpi = 0;
    int options = 0;
    int mode = -1;
    const wchar_t* keys = nullptr;
    int hold = -1;
};

SShotScript ReadShotScript(int argc, wchar_t** argv) {
    SShotScript script;
    for (int i = 1; i < argc; ++i) {
        if (!wcscmp(argv[i], L"--options")) {
            script.options = 1;
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
        }
    }
    return script;
}

void PlayShotScript(CDlgNumorapad& dialog, const SShotScript& script) {
    if (script.mode >= 0) {
        CCalculator::GetInstance()->SetCalcMode(script.mode);
    }
    for (const wchar_t* p = script.keys; p && *p;) {
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
    if (script.hold >= 0 && script.hold < kKeyCount) {
        // The pointer goes onto the key first: the key window has the capture and would
        // take any move of the real pointer elsewhere as sliding off the key.
        HWND window = dialog.KeyWindow(script.hold).Handle();
        RECT rect;
        GetClientRect(window, &rect);
        POINT centre = {rect.right / 2, rect.bottom / 2};
        ClientToScreen(window, &centre);
        SetCursorPos(centre.x, centre.y);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(rect.right / 2, rect.bottom / 2));
    }
    InvalidateRect(dialog.Handle(), nullptr, FALSE);
    if (script.options) {
        PostMessageW(dialog.Handle(), WM_COMMAND, ID_OPTIONS_OPTIONS, 0);
    }
}

// The key of the program's settings, which its string table names.
const wchar_t* SettingsKey(HINSTANCE instance) {
    static wchar_t key[128] = L"";
    if (!LoadStringW(instance, IDS_REGISTRY_KEY, key, 128)) {
        return nullptr;
    }
    return key;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    const int shot = CZoqShot::ReadCommandLine();
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    // A screenshot run starts from the defaults and leaves the user's settings alone.
    CZoqRegistryStore registry;
    CZoqMemoryStore scratch;
    CZoqSettingsStore* store = shot ? static_cast<CZoqSettingsStore*>(&scratch) : &registry;
    const SShotScript script = shot && argv ? ReadShotScript(argc, argv) : SShotScript{};
    CZoqDesktop::BeginProgram(store, SettingsKey(instance));
    if (script.dpi > 0) {
        CZoqScreen::SetDpi(script.dpi);
    }
    int code = 1;
    {
        CDlgNumorapad dialog;
        if (dialog.Create(instance, store, 0)) {
            CZoqDesktop::AttachProgram(dialog.Handle());
            dialog.Show();
            if (shot) {
                PlayShotScript(dialog, script);
            }
            CZoqShot::StartIfRequested(dialog.Handle());
            code = dialog.Run();
        }
    }
    LocalFree(argv);
    CCalculator::ReleaseInstance();
    Numora::ReleaseInstance();
    return code;
}
