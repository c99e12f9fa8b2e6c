#include "financial/app/FiscoraApp.h"
#include "ui/ZoqRegistryStore.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CZoqRegistryStore store;
    return RunFiscora(instance, store);
}
