#pragma once

#include <windows.h>

class CWndGraph;

// The states of the graph shown by the demo and captured by `./x shots`: equations and
// points to start with, and what the stylus does once the window is up.
struct SGraphScene {
    const wchar_t* name;
    void (*setUp)(CWndGraph& graph);
    void (*act)(HWND graph); // may be null
};

// The scene of that name, or null.
const SGraphScene* FindGraphScene(const wchar_t* name);
// The scene shown when none is named.
const SGraphScene& DefaultGraphScene();
