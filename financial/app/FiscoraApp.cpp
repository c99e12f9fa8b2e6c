#include "financial/app/FiscoraApp.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "financial/app/FiscoraFrame.h"
#include "financial/app/FiscoraModels.h"
#include "financial/app/resource.h"
#include "financial/models/FinancialKeys.h"
#include "ui/ZoqString.h"

#include <commctrl.h>

namespace {

struct SNames {
    wchar_t className[32] = L"FISCORA";
    wchar_t title[64] = L"Zoq Financial";
};

SNames LoadNames(HINSTANCE instance) {
    SNames names;
    LoadStringW(instance, IDS_CLASSNAME, names.className, 32);
    LoadStringW(instance, IDS_TITLE, names.title, 64);
    return names;
}

void BringForward(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
}

int RunMessageLoop(CFiscoraFrame& frame, HACCEL accelerators) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (CZoqDesktop::TranslateKey(message)) {
            continue;
        }
        HWND main = frame.Handle();
        if (main && accelerators && TranslateAcceleratorW(main, accelerators, &message)) {
            continue;
        }
        // Tab moves between the fields and Enter confirms a step.
        HWND page = main && frame.CurrentPage() ? frame.CurrentPage()->Handle() : nullptr;
        if (page && IsDialogMessageW(page, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int RunFiscora(HINSTANCE instance, CZoqSettingsStore& store) {
    CZoqScreen::DeclareDpiAware();
    CZoqShot::ReadCommandLine();
    SNames names = LoadNames(instance);
    if (HWND running = FindWindowW(names.className, names.title)) {
        BringForward(running);
        return 0;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CZoqString::GetInstance()->SetModule(instance);

    CZoqDesktop::BeginProgram(&store, kFinancialKey);
    CFiscoraModels models(store);
    CFiscoraFrame frame(models);
    if (!frame.Create(instance, names.className, names.title)) {
        return 1;
    }
    CZoqDesktop::AttachProgram(frame.Handle());
    ShowWindow(frame.Handle(), SW_SHOW);
    UpdateWindow(frame.Handle());
    CZoqShot::StartIfRequested(frame.Handle());
    return RunMessageLoop(frame, LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINMENU)));
}
