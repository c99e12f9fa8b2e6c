#pragma once

// Resource and command identifiers of Fiscora. The numbers the menus, dialogs and
// stored layouts depend on are fixed; the rest only need to be unique.

// Icons, menus, menu bars, accelerators.
#define IDI_FISCORA 101
#define IDR_MAINMENU 102
#define IDR_AMORTMENU 105

// Dialog templates.
#define IDD_ABOUT 103
#define IDD_WIZARDPAGE 106
#define IDD_AMORTIZATION 107
#define IDD_TIPPAGE 108
#define IDD_OPTIONS 110
#define IDD_OPT_GENERAL 111
#define IDD_OPT_MORTGAGE 112
#define IDD_OPT_TIP 113
#define IDD_OPT_LEASE 114
#define IDD_OPT_CARLOAN 115

// Strings.
#define IDS_TITLE 1
#define IDS_CLASSNAME 3
#define IDS_PERSON 302
#define IDS_PEOPLE 303
#define IDS_TAB_GENERAL 310
#define IDS_TAB_MORTGAGE 311
#define IDS_TAB_TIP 312
#define IDS_TAB_LEASE 313
#define IDS_TAB_CARLOAN 314
#define IDS_MENU_FILE 320
#define IDS_MENU_PROFILES 321
#define IDS_MENU_DONE 322
#define IDS_MENU_SCHEDULE 323
#define IDS_SCHEDULE_FIRST 40018 // ten schedule names, 40018..40027

// Menu commands.
#define ID_MENU_FILE 40001
#define ID_MENU_PROFILES 40002
#define ID_ABOUT 40003
#define ID_EXIT 40004
#define ID_LOAD_PROFILE1 40010
#define ID_LOAD_PROFILE2 40011
#define ID_SAVE_PROFILE1 40012
#define ID_SAVE_PROFILE2 40013
#define ID_OPTIONS 40014
#define ID_MENU_SCHEDULE 40040
#define ID_COPY_SCHEDULE 40041
#define ID_SAVE_SCHEDULE 40042

// Controls of the pages.
#define IDC_FIELD1 1001
#define IDC_FIELD2 1002
#define IDC_FIELD3 1003
#define IDC_FIELD4 1004
#define IDC_FIELD5 1005
#define IDC_TIP_PEOPLE 1004
#define IDC_TIP_PERCENT 1005

// Controls of the dialogs.
#define IDC_TABS 1010
#define IDC_RESET_ALL 1020
#define IDC_NO_SIP 1021
#define IDC_SIZE_100 1022
#define IDC_SIZE_150 1023
#define IDC_SIZE_200 1024
#define IDC_SIZE_300 1025
#define IDC_SCHEDULE 1030
#define IDC_POINT_COST 1031
#define IDC_CLEAR_PROFILE1 1040
#define IDC_CLEAR_PROFILE2 1041
#define IDC_PAY_TAX_CAP 1050
#define IDC_AMORT_LIST 1060
#define IDC_ABOUT_ICON 1070
#define IDC_ABOUT_NAME 1071
#define IDC_TAB_CAPTION 1080
#define IDC_STATIC -1
