// The one list of the controls of the wizard's pages and of the item dialog:
// name in ControlId, id, and the name that the Win32 resources use. Ids are
// unique over the pages and the dialog, like dialog resource ids.
//
// No include guard: an includer defines CORVANE_PAGE_CONTROL and
// CORVANE_DIALOG_CONTROL(name, id, resource) first. platform/ControlIds.h
// makes the enumeration of it; the Windows build writes the resource header's
// #define lines from it (gui/win32/CMakeLists.txt), so keep one entry per line.
// clang-format off

// Start page
CORVANE_PAGE_CONTROL(StartPicture, 1000, IDC_START_PICTURE)
CORVANE_PAGE_CONTROL(StartIntro, 1001, IDC_START_INTRO)
CORVANE_PAGE_CONTROL(ModeGroup, 1002, IDC_MODE_GROUP)
CORVANE_PAGE_CONTROL(StandardModeRadio, 1003, IDC_STANDARD_MODE_RADIO)
CORVANE_PAGE_CONTROL(StandardModeNote, 1004, IDC_STANDARD_MODE_NOTE)
CORVANE_PAGE_CONTROL(SimpleModeRadio, 1005, IDC_SIMPLE_MODE_RADIO)
CORVANE_PAGE_CONTROL(SimpleModeNote, 1006, IDC_SIMPLE_MODE_NOTE)

// Employee-file page
CORVANE_PAGE_CONTROL(EmployeeIntro, 1100, IDC_EMPLOYEE_INTRO)
CORVANE_PAGE_CONTROL(EmployeeGroup, 1101, IDC_EMPLOYEE_GROUP)
CORVANE_PAGE_CONTROL(EmployeePath, 1102, IDC_EMPLOYEE_PATH)      // read-only, one line, scrolls horizontally
CORVANE_PAGE_CONTROL(EmployeeBrowse, 1103, IDC_EMPLOYEE_BROWSE)
CORVANE_PAGE_CONTROL(EmployeeGuide, 1104, IDC_EMPLOYEE_GUIDE)
CORVANE_PAGE_CONTROL(EmployeeFolder, 1105, IDC_EMPLOYEE_FOLDER)  // sorts a folder of exports into the job

// Salary files page
CORVANE_PAGE_CONTROL(SalaryIntro, 1200, IDC_SALARY_INTRO)
CORVANE_PAGE_CONTROL(SalaryList, 1201, IDC_SALARY_LIST)  // report view, full-row, multiple selection, selection always shown
CORVANE_PAGE_CONTROL(SalaryClear, 1202, IDC_SALARY_CLEAR)
CORVANE_PAGE_CONTROL(SalaryBrowse, 1203, IDC_SALARY_BROWSE)
CORVANE_PAGE_CONTROL(SalaryGuide, 1204, IDC_SALARY_GUIDE)

// Bonus files page: five rows of label, read-only path field and "..." button,
// each kind numbered on from its row 1 (BonusLabelControl and its kin count on it)
CORVANE_PAGE_CONTROL(BonusIntro, 1300, IDC_BONUS_INTRO)
CORVANE_PAGE_CONTROL(BonusLabel1, 1301, IDC_BONUS_LABEL1)
CORVANE_PAGE_CONTROL(BonusLabel2, 1302, IDC_BONUS_LABEL2)
CORVANE_PAGE_CONTROL(BonusLabel3, 1303, IDC_BONUS_LABEL3)
CORVANE_PAGE_CONTROL(BonusLabel4, 1304, IDC_BONUS_LABEL4)
CORVANE_PAGE_CONTROL(BonusLabel5, 1305, IDC_BONUS_LABEL5)
CORVANE_PAGE_CONTROL(BonusPath1, 1311, IDC_BONUS_PATH1)
CORVANE_PAGE_CONTROL(BonusPath2, 1312, IDC_BONUS_PATH2)
CORVANE_PAGE_CONTROL(BonusPath3, 1313, IDC_BONUS_PATH3)
CORVANE_PAGE_CONTROL(BonusPath4, 1314, IDC_BONUS_PATH4)
CORVANE_PAGE_CONTROL(BonusPath5, 1315, IDC_BONUS_PATH5)
CORVANE_PAGE_CONTROL(BonusBrowse1, 1321, IDC_BONUS_BROWSE1)
CORVANE_PAGE_CONTROL(BonusBrowse2, 1322, IDC_BONUS_BROWSE2)
CORVANE_PAGE_CONTROL(BonusBrowse3, 1323, IDC_BONUS_BROWSE3)
CORVANE_PAGE_CONTROL(BonusBrowse4, 1324, IDC_BONUS_BROWSE4)
CORVANE_PAGE_CONTROL(BonusBrowse5, 1325, IDC_BONUS_BROWSE5)
CORVANE_PAGE_CONTROL(BonusGuide, 1330, IDC_BONUS_GUIDE)
CORVANE_PAGE_CONTROL(BonusClear, 1331, IDC_BONUS_CLEAR)

// Item correspondence page
CORVANE_PAGE_CONTROL(ItemsIntro, 1400, IDC_ITEMS_INTRO)
CORVANE_PAGE_CONTROL(ItemsList, 1401, IDC_ITEMS_LIST)  // report view with grid lines, full-row, single selection, selection always shown
CORVANE_PAGE_CONTROL(ItemsBrowse, 1402, IDC_ITEMS_BROWSE)

// Output page
CORVANE_PAGE_CONTROL(OutputGroup, 1500, IDC_OUTPUT_GROUP)
CORVANE_PAGE_CONTROL(YearLabel, 1501, IDC_YEAR_LABEL)
CORVANE_PAGE_CONTROL(YearEra, 1509, IDC_YEAR_ERA)  // the era before the year field
CORVANE_PAGE_CONTROL(YearEdit, 1502, IDC_YEAR_EDIT)  // short, right-aligned
CORVANE_PAGE_CONTROL(LocationLabel, 1503, IDC_LOCATION_LABEL)
CORVANE_PAGE_CONTROL(LocationEdit, 1504, IDC_LOCATION_EDIT)  // read-only
CORVANE_PAGE_CONTROL(NameLabel, 1505, IDC_NAME_LABEL)
CORVANE_PAGE_CONTROL(NameEdit, 1506, IDC_NAME_EDIT)
CORVANE_PAGE_CONTROL(OutputBrowse, 1507, IDC_OUTPUT_BROWSE)
CORVANE_PAGE_CONTROL(OutputPageText, 1508, IDC_OUTPUT_PAGE_TEXT)  // two lines, set by the logic
CORVANE_PAGE_CONTROL(CheckListBox, 1510, IDC_CHECKLIST_BOX)  // check box, checked when the page is made

// Item selection dialog
CORVANE_DIALOG_CONTROL(SearchEdit, 2000, IDC_SEARCH_EDIT)
CORVANE_DIALOG_CONTROL(SearchButton, 2001, IDC_SEARCH_BUTTON)
CORVANE_DIALOG_CONTROL(HeadingList, 2002, IDC_HEADING_LIST)  // list box, not sorted
CORVANE_DIALOG_CONTROL(ExplanationGroup, 2003, IDC_EXPLANATION_GROUP)
CORVANE_DIALOG_CONTROL(ExplanationText, 2004, IDC_EXPLANATION_TEXT)  // set by the logic
CORVANE_DIALOG_CONTROL(DialogOk, 2005, IDC_DIALOG_OK)  // the default button: Enter in the search field presses it
CORVANE_DIALOG_CONTROL(DialogCancel, 2006, IDC_DIALOG_CANCEL)
