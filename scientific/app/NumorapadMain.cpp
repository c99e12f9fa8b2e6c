#include "ce/ZoqScreen.h"
#include "ce/ZoqShot.h"
#include "scientific/app/NumorapadProgram.h"
#include "ui/ZoqMemoryStore.h"
#include "ui/ZoqRegistryStore.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqScreen::DeclareDpiAware();
    const int shot = CZoqShot::ReadCommandLine();
    // A screenshot run starts from the defaults and leaves the user's settings alone.
    CZoqRegistryStore registry;
    CZoqMemoryStore scratch;
    SNumorapadStart start;
    start.store = shot ? static_cast<CZoqSettingsStore*>(&scratch) : &registry;
    return RunNumorapad(instance, start);
}
