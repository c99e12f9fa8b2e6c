#pragma once

// Resource identifiers of Trendora. Read by the resource compiler too: definitions only.
// The graph window's identifiers (graph/GraphResources.h) are not reused here.

// The program icon; the shared calculator window loads icon CCalcWindow::kProgramIconId.
#define IDI_TRENDORA 1

#define IDR_MENUBAR 102

// Button labels: the label of keypad button i is string IDS_BUTTON_FIRST + i.
#define IDS_BUTTON_FIRST 3
#define IDS_LOAD_CSV 26
#define IDS_SAVE_CSV 27
// Model names, in model order.
#define IDS_MODEL_FIRST 28
#define IDS_ABOUT 110
#define IDS_QUIT 111
#define IDS_FILE 112
#define IDS_MODE 113

#define IDM_ABOUT 32776
#define IDM_QUIT 32778
#define IDM_MODE 32782
#define IDM_LOAD_CSV 32786
#define IDM_SAVE_CSV 32787
#define IDM_FILE 32788
// Models, in model order.
#define IDM_MODEL_FIRST 32789
#define IDM_MODEL_LINEAR 32789
#define IDM_MODEL_LOG 32790
#define IDM_MODEL_LOG10 32791
#define IDM_MODEL_EXPONENTIAL 32792
#define IDM_MODEL_POWER 32793

#define IDM_COMPARE_MODELS 32794
#define IDM_RESIDUALS 32795
#define IDM_PASTE_DATA 32796
#define IDM_COPY_DATA 32797

// The full-screen list of the model table and the residuals.
#define IDD_LIST 200
#define IDC_LIST_ROWS 1001
#define IDC_LIST_COPY 1002
