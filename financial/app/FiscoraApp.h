#pragma once

#include <windows.h>

class CZoqSettingsStore;

// Fiscora's start-up: one copy per user session (a second start brings the running
// window to the front and returns 0), the models from `store`, the main window, the
// message loop with the accelerators. Returns the exit code.
int RunFiscora(HINSTANCE instance, CZoqSettingsStore& store);
