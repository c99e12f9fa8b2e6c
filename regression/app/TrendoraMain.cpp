#include "ce/ZoqScreen.h"
#include "regression/app/DlgTrendora.h"
#include "ui/ZoqProgram.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    return ZoqProgramMain<CDlgTrendora>(instance, L"Zoq Trendora", L"ClassTrendora",
                                        L"SOFTWARE\\Zoq\\Trendora");
}
