// Identifiers of the main window's dialog templates and their items.
#pragma once

#define IDI_CALVORIN 1

#define IDD_MAIN 100
#define IDD_PAGE_ERASE 101
#define IDD_PAGE_SETTINGS 102
#define IDD_PAGE_STARTUP 103
#define IDD_PAGE_SHREDDER 104
#define IDD_PAGE_HELP 105
#define IDD_GROUP_WINDOWS 111
#define IDD_GROUP_IE 112
#define IDD_GROUP_NETSCAPE 113
#define IDD_GROUP_OPERA 114

// Main window: the page selector and the area the pages fill.
#define IDC_OPT_OPTION_0 1000 // .. 1004
#define IDC_PAGE_AREA 1010

// Erase page.
#define IDC_TAB_ITEMS 1020
#define IDC_SELL_ALL 1021
#define IDC_DESELL_ALL 1022
#define IDC_CLEAN 1023
#define IDC_PROG_BOUND 1024
#define IDC_PROG 1025
#define IDC_LABEL1 1026
#define IDC_LAST_CLEAN_CAP 1027
#define IDC_LST_COOKIES 1028

// Trace items: one block of identifiers per group, index added.
#define IDC_CHK_WIN_0 1100
#define IDC_CHK_IE_0 1200
#define IDC_CHK_NS_0 1300
#define IDC_CHK_OP_0 1400

// Settings page.
#define IDC_MONTH_VIEW 1500
