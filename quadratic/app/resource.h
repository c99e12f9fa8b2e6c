#pragma once

// Resource identifiers of Parabix. Read by the resource compiler too: definitions only.
// The graph window's identifiers (graph/GraphResources.h) are not reused here.

// The program icon; the shared calculator window loads icon CCalcWindow::kProgramIconId.
#define IDI_PARABIX 1

// Button labels: the label of keypad button i is string IDS_BUTTON_FIRST + i.
#define IDS_BUTTON_FIRST 3
#define IDS_ABOUT 110
#define IDS_QUIT 111
#define IDS_VIEW 112

// The pop-up of the "View" menu-bar button.
#define IDR_MENUBAR 102

#define IDM_ABOUT 32776
#define IDM_QUIT 32778
