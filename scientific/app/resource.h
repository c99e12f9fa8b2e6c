#pragma once

// Resource identifiers of Numorapad. Shared by the resource script, the program and
// the skin-art generator (tools/numorapad_skins.py reads the key templates from the
// resource script, so their identifiers live only here and there).

#define IDI_NUMORAPAD 128

// Dialog templates: the main dialog in its three key layouts, the About box and the
// two option dialogs.
#define IDD_MAIN_PORTRAIT 102
#define IDD_MAIN_LANDSCAPE 216
#define IDD_MAIN_SQUARE 218
#define IDD_ABOUT 136
#define IDD_OPTIONS 140
#define IDD_ADVANCED 141

// Skin images (resource type "PNG") and the history arrows (resource type "Png").
#define IDB_FACE_PORTRAIT 159
#define IDB_PRESSED_PORTRAIT 160
#define IDB_FACE_PORTRAIT_HI 219
#define IDB_PRESSED_PORTRAIT_HI 222
#define IDB_FACE_LANDSCAPE_HI 224
#define IDB_PRESSED_LANDSCAPE_HI 225
#define IDB_FACE_LANDSCAPE 227
#define IDB_PRESSED_LANDSCAPE 228
#define IDB_FACE_SQUARE 248
#define IDB_PRESSED_SQUARE 249
#define IDB_HISTORY_FORWARD 197
#define IDB_HISTORY_BACK 198

// Menu and menu bar.
#define IDR_MENUBAR 135

// The 44 key rectangles: key index i has the identifier IDC_KEY_FIRST + i.
#define IDC_KEY_FIRST 32801
#define IDC_KEY_LAST 32844
#define KEY_COUNT 44

// Menu commands.
#define ID_FILE_QUIT 32779
#define ID_FILE_ABOUT 32780
#define ID_CONST_C 32788
#define ID_CONST_G 32789
#define ID_CONST_ME 32790
#define ID_CONST_MP 32791
#define ID_CONST_MN 32792
#define ID_CONST_MMU 32793
#define ID_CONST_H 32794
#define ID_CONST_R 32796
#define ID_CONST_K 32797
#define ID_CONST_NA 32798
#define ID_CONST_E 32800
#define ID_CONST_MU0 32801
#define ID_CONST_F 32802
#define ID_OPTIONS_OPTIONS 32810
#define ID_FILE_COPY_EQUATION 32828
#define ID_FILE_COPY_ANSWER 32829
#define ID_CONST_EV 32830
#define ID_CONST_AU 32838
#define ID_CONST_GRAV 32839
#define ID_FILE_PASTE 32840
#define ID_OPTIONS_ADVANCED 32841
#define ID_CONST_AMU 32842
#define ID_CONST_EPS0 32843
#define ID_FILE_COPY_HISTORY 32847

// Strings.
#define IDS_REGISTRY_KEY 32813
#define IDS_MENU_FILE 32844
#define IDS_MENU_CONSTANTS 32845
#define IDS_MENU_OPTIONS 32846

// Options dialog.
#define IDC_MODE_EXPRESSION 1001
#define IDC_MODE_ALGEBRAIC 1002
#define IDC_MODE_DAL 1003
#define IDC_MODE_CHAIN 1004
#define IDC_MODE_RPN 1005
#define IDC_NOTATION_FLOAT 1011
#define IDC_NOTATION_FIXED 1012
#define IDC_NOTATION_SCIENTIFIC 1013
#define IDC_NOTATION_ENGINEERING 1014
#define IDC_SEPARATOR_PERIOD 1021
#define IDC_SEPARATOR_COMMA 1022
#define IDC_CLEARTYPE 1031
#define IDC_VIEW_MEMORY 1032
#define IDC_SIZE_100 1033
#define IDC_SIZE_150 1034
#define IDC_SIZE_200 1035
#define IDC_SIZE_300 1036
#define IDC_HEADING 1040

// Advanced Options dialog.
#define IDC_BASE_LIST 1051
#define IDC_BITS_8 1061
#define IDC_BITS_16 1062
#define IDC_BITS_32 1063
#define IDC_BITS_48 1064
#define IDC_DEPTH_4 1071
#define IDC_DEPTH_10 1072
#define IDC_DEPTH_20 1073
#define IDC_PLUS_MINUS 1081

// About box.
#define IDC_ABOUT_ICON 1091
#define IDC_ABOUT_TITLE 1092
