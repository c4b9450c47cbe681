// Resource identifiers of the program, shared by the resource script and the code.
#pragma once

#define IDD_ADVANCED_SETTINGS   102
#define IDR_MAINFRAME           128
#define IDS_DRIVER_TOO_OLD      129

#define IDC_GAME_DETECTION      1000
#define IDC_KEEP_ACCELERATION   1001
#define IDC_KEEP_SPEED          1002
#define IDC_KEEP_KEYSTROKES     1003
#define IDC_KEEP_BUTTON_MAPPING 1004
#define IDC_KEEP_OTHER_MAPPINGS 1005
#define IDC_KEEP_ORIENTATION    1006
#define IDC_APPLY               1009
#define IDC_RESTORE_DEFAULTS    1011
#define IDC_GAME_MODE_GROUP     1012
#define IDC_TRACKING_SPEED      1013
#define IDC_TRACKING_PRECISION  1014
#define IDC_SPEED_METHOD_GROUP  1015
#define IDC_METHOD_DRIVER       1016
#define IDC_METHOD_WINDOWS      1017

#define ID_HELP                 57670

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
