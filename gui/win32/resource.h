#pragma once

// Resource ids. The controls' IDC_ names are written at configure time from
// platform/ControlIdList.h (gui/win32/CMakeLists.txt); ResourceIds.cpp checks
// that they agree with platform::ControlId.

#define IDI_APP 128
#define IDB_START 130

#define IDD_PAGE_START 101
#define IDD_PAGE_EMPLOYEE 102
#define IDD_PAGE_SALARY 103
#define IDD_PAGE_BONUS 104
#define IDD_PAGE_ITEMS 105
#define IDD_PAGE_OUTPUT 106
#define IDD_ITEM_SELECTION 110

#include "ControlResourceIds.h"
