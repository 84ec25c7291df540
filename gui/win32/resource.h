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
#define IDD_FINDINGS 111

// The findings box's controls: platform::ControlId's Findings* values.
#define IDC_FINDINGS_ICON 3200
#define IDC_FINDINGS_QUESTION 3201
#define IDC_FINDINGS_DETAILS_LABEL 3202
#define IDC_FINDINGS_DETAILS 3203
#define IDC_FINDINGS_COPY 3204
#define IDC_FINDINGS_CHECKLIST 3205
#define IDC_FINDINGS_COPIED 3206

#include "ControlResourceIds.h"
