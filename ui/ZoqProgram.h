#pragma once

#include "ui/ZoqWnd.h"

// Program start-up of the programs whose main window is a CZoqWnd: creates the main
// window with `title` and `className` at the default position and size, shows it and
// runs the message loop until WM_QUIT, then destroys the window. Returns the quit
// message's wParam as the exit code, or 0 at once when a window of that class and
// title already runs (it has been brought to the front): one copy per program.
// `settingsKey` (below HKEY_CURRENT_USER) keeps the window's size, position and
// "Keep on top" between runs (CZoqDesktop); null keeps nothing.
int ZoqRunMainWindow(CZoqWnd& window, HINSTANCE instance, const wchar_t* title,
                     const wchar_t* className, const wchar_t* settingsKey = nullptr);

// The entry function's body: the main window object lives on the stack for the
// duration of the message loop.
//   int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
//       return ZoqProgramMain<CDlgParabix>(instance, L"Zoq Parabix", L"ClassParabix");
//   }
template <class TMainWindow>
int ZoqProgramMain(HINSTANCE instance, const wchar_t* title, const wchar_t* className,
                   const wchar_t* settingsKey = nullptr) {
    TMainWindow window;
    return ZoqRunMainWindow(window, instance, title, className, settingsKey);
}
