#pragma once
// Ids of the window tests' resources.

// The data-exchange dialog.
#define IDD_EXCHANGE 200
#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_OFFSET 1003
#define IDC_LINE 1004
#define IDC_BYTES 1005
#define IDC_RATIO 1006
#define IDC_WRAP 1007
#define IDC_SCOPE_SELECTION 1008
#define IDC_SCOPE_FILE 1009
#define IDC_SCOPE_ALL 1010
#define IDC_KIND 1011
#define IDC_HISTORY 1012
#define IDC_FONTS 1013
#define IDC_ENCODING 1014

// The command dialog: buttons with and without handlers.
#define IDD_COMMANDS 201
#define IDC_HANDLED 1101
#define IDC_UNHANDLED 1102
#define IDC_AUTO_CHECK 1103
#define IDC_UPDATED 1104
#define IDC_TOKENS 1105

// The menu of the routing tests.
#define IDR_ROUTE_MENU 300
#define ID_VIEW_COMMAND 40001
#define ID_FRAME_COMMAND 40002
#define ID_APP_COMMAND 40003
#define ID_NOBODY_COMMAND 40004
#define ID_CHECKED_COMMAND 40005
#define ID_RADIO_COMMAND 40006
#define ID_RENAMED_COMMAND 40007
#define ID_DISABLED_COMMAND 40008
#define ID_FIRST_IN_SUBMENU 40009
#define ID_RANGE_FIRST 40100
#define ID_RANGE_LAST 40109
