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

// Erase page, more.
#define IDC_CLEAN_REB 1029
#define IDC_COMMAND2 1030

// Top of the window: clock and running indicator.
#define IDC_FRA_NEXTRUN 1040
#define IDC_LBLDATE 1041
#define IDC_SLINE_0 1042 // .. 1047

// Settings page.
#define IDC_FRA_SCHEDULE_BOX 1501
#define IDC_OPT_SHEN_0 1502 // .. 1503
#define IDC_SENABLE 1504
#define IDC_SDISABLE 1505
#define IDC_LABEL10 1506
#define IDC_SET_SCHEDULE_AREA 1507
#define IDC_FRA_UPGRADE 1508
#define IDC_COMMAND1 1509
#define IDC_IMAGE7 1510
#define IDC_FRA_LAST_ERASE 1511
#define IDD_SET_SCHEDULE 115
#define IDC_FRA_SET_SCHEDULE 1520
#define IDC_OPT_SCHEDULE_0 1521 // .. 1523
#define IDC_DTP_TIME_0 1524     // .. 1525
#define IDC_TXT_MIN 1526
#define IDC_UPDOWN1 1527
#define IDC_LBL_MINUTES 1528
#define IDC_CMB_WEEK 1529
#define IDC_LABEL9 1530

// Startup page.
#define IDC_FRA_BOSS_KEY 1600
#define IDC_LBL_BOSS_KEY 1601
#define IDC_CMB_BOSS 1602
#define IDC_CMD_SET 1603
#define IDC_LABEL6 1604
#define IDC_FRA_RUN_SETTINGS 1605
#define IDC_CHK_RUN_0 1606 // .. 1608
#define IDC_FRA_SYS_INFO 1610
#define IDC_LABEL23 1611
#define IDC_LABEL24 1612
#define IDC_LABEL20 1613
#define IDC_LABEL19 1614
#define IDC_LABEL27 1615
#define IDC_LABEL28 1616
#define IDC_LABEL25 1621
#define IDC_LABEL26 1622
#define IDC_LABEL22 1623
#define IDC_LABEL21 1624
#define IDC_LABEL29 1625
#define IDC_LABEL30 1626

// Shredder page.
#define IDC_FRA_CUSTOM_ITEMS 1700
#define IDC_LST_FILES 1701
#define IDC_CUSTOM_ADD 1702
#define IDC_CUSTOM_DELETE_ALL 1703
#define IDC_FRAME11 1704
#define IDC_LBL_LEVEL 1705
#define IDC_TXT_LEVEL 1706
#define IDC_UPDOWN2 1707
#define IDC_FRAME4 1708
#define IDC_PB1 1709
#define IDC_LSTAT 1710
#define IDC_LFC 1711
#define IDC_SHREAD 1712

// Help page.
#define IDC_LABEL15 1800
#define IDC_HELP_TEXT_0 1801 // .. 1803
#define IDC_LABEL16 1804
