#include "ce/ZoqScreen.h"

#include "ce/ZoqGdiScope.h"

#include <windows.h>

namespace {

int g_width = 0;
int g_height = 0;
int g_dpi = 0;

int ReadDisplayDpi() {
    CZoqClientDC screen(nullptr);
    int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

} // namespace

int CZoqScreen::Width() {
    return g_width > 0 ? g_width : Scaled(kDefaultWidth);
}

int CZoqScreen::Height() {
    return g_height > 0 ? g_height : Scaled(kDefaultHeight);
}

int CZoqScreen::Dpi() {
    if (g_dpi <= 0)
        g_dpi = ReadDisplayDpi();
    return g_dpi;
}

int CZoqScreen::Scaled(int length) {
    return (length * Dpi() + 48) / 96;
}

void CZoqScreen::SetSize(int width, int height) {
    if (width < 1 || height < 1) {
        g_width = 0;
        g_height = 0;
        return;
    }
    g_width = width;
    g_height = height;
}

void CZoqScreen::SetDpi(int dpi) {
    g_dpi = dpi > 0 ? dpi : 0;
}

void CZoqScreen::DeclareDpiAware() {
    SetProcessDPIAware();
}
