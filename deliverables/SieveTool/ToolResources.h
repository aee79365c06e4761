// Resource ids shared by the install and removal tools.
#pragma once

#define IDS_APP_TITLE 103
#define IDI_TOOL 107
#define IDI_SMALL 108
#define IDC_TOOL 109
#define IDM_EXIT 105
