// Resource identifiers, grouped by kind.
#pragma once

// Icon
#define IDI_APP 107

// Dialog and its controls
#define IDD_COURSE 129
#define IDC_HISCORE 3
#define IDC_DIALUP 1002
#define IDC_ISDN 1003
#define IDC_ADSL 1004
#define IDC_FTTH 1005

// Bitmaps
#define IDB_NODE 130
#define IDB_BAR 131
#define IDB_LEAK 137
#define IDB_NORMAL 138
#define IDB_GET 139
#define IDB_THANKS 140
#define IDB_BOO 141

// Sound effects (resource type "WAVE")
#define IDW_THANKS 145
#define IDW_BOO 146
#define IDW_DEFLECT 147
#define IDW_GET 148
