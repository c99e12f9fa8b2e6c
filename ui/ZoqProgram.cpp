#include "ui/ZoqProgram.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "ui/ZoqRegistryStore.h"

int ZoqRunMainWindow(CZoqWnd& window, HINSTANCE instance, const wchar_t* title,
                     const wchar_t* className, const wchar_t* settingsKey) {
    CZoqScreen::DeclareDpiAware();
    CZoqShot::ReadCommandLine();
    CZoqRegistryStore registry;
    if (settingsKey) {
        CZoqDesktop::BeginProgram(&registry, settingsKey);
    }
    if (!window.Create(title, nullptr, instance, className, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, 0, 0))
        return 0;
    if (settingsKey)
        CZoqDesktop::AttachProgram(window.GetHandle());
    ShowWindow(window.GetHandle(), SW_SHOW);
    CZoqShot::StartIfRequested(window.GetHandle());
    MSG message = {};
    // GetMessage answers -1 on failure: that ends the loop like WM_QUIT.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (CZoqDesktop::TranslateKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    window.Destroy();
    return static_cast<int>(message.wParam);
}
