#include "ui/ZoqProgram.h"

#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"

int ZoqRunMainWindow(CZoqWnd& window, HINSTANCE instance, const wchar_t* title,
                     const wchar_t* className) {
    CZoqScreen::DeclareDpiAware();
    CZoqShot::ReadCommandLine();
    if (!window.Create(title, nullptr, instance, className, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, 0, 0))
        return 0;
    ShowWindow(window.GetHandle(), SW_SHOW);
    CZoqShot::StartIfRequested(window.GetHandle());
    MSG message = {};
    // GetMessage answers -1 on failure: that ends the loop like WM_QUIT.
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    window.Destroy();
    return static_cast<int>(message.wParam);
}
