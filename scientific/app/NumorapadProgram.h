#pragma once

#include <windows.h>

class CDlgNumorapad;
class CZoqSettingsStore;

// How the program starts: where its settings live, and what runs once its screen is
// set up (before the main dialog is created) and once the dialog shows.
struct SNumorapadStart {
    CZoqSettingsStore* store = nullptr;
    void (*prepare)(void* context) = nullptr;
    void (*shown)(CDlgNumorapad& dialog, void* context) = nullptr;
    void* context = nullptr;
};

// Runs Numorapad: the desktop settings, the main dialog and its message loop, then
// releases the calculator and the engine. Returns the program's exit code (1 when the
// dialog could not be created).
int RunNumorapad(HINSTANCE instance, const SNumorapadStart& start);
