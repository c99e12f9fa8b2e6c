#include "ce/ZoqScreen.h"
#include "quadratic/app/DlgParabix.h"
#include "ui/ZoqProgram.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    return ZoqProgramMain<CDlgParabix>(instance, L"Zoq Parabix", L"ClassParabix",
                                       L"SOFTWARE\\Zoq\\Parabix");
}
