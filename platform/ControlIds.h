#pragma once

// Ids of the wizard's and the item dialog's controls, unique over both like
// dialog resource ids. The logic addresses controls only by these ids; the
// front ends map them to their widgets.
namespace corvane::platform {

enum class ControlId : int {
    None = 0,

    // Start page
    StartPicture = 1000,
    StartIntro,
    ModeGroup,
    StandardModeRadio,
    StandardModeNote,
    SimpleModeRadio,
    SimpleModeNote,

    // Employee-file page
    EmployeeIntro = 1100,
    EmployeeGroup,
    EmployeePath,   // read-only, one line, scrolls horizontally
    EmployeeBrowse,
    EmployeeGuide,
    EmployeeFolder, // フォルダーから読み込む: sorts a folder of exports into the job

    // Salary files page
    SalaryIntro = 1200,
    SalaryList,     // report view, full-row, multiple selection, selection always shown
    SalaryClear,
    SalaryBrowse,
    SalaryGuide,

    // Bonus files page: five rows of label, read-only path field and "..." button
    BonusIntro = 1300,
    BonusLabel1 = 1301,
    BonusLabel2,
    BonusLabel3,
    BonusLabel4,
    BonusLabel5,
    BonusPath1 = 1311,
    BonusPath2,
    BonusPath3,
    BonusPath4,
    BonusPath5,
    BonusBrowse1 = 1321,
    BonusBrowse2,
    BonusBrowse3,
    BonusBrowse4,
    BonusBrowse5,
    BonusGuide = 1330,
    BonusClear,

    // Item correspondence page
    ItemsIntro = 1400,
    ItemsList,      // report view with grid lines, full-row, single selection, selection always shown
    ItemsBrowse,

    // Output page
    OutputGroup = 1500,
    YearLabel,
    YearEdit,       // short, right-aligned
    LocationLabel,
    LocationEdit,   // read-only
    NameLabel,
    NameEdit,
    OutputBrowse,
    OutputPageText, // two lines, set by the logic

    // Item selection dialog
    SearchEdit = 2000,
    SearchButton,
    HeadingList,    // list box, not sorted
    ExplanationGroup,
    ExplanationText, // set by the logic
    DialogOk,        // the default button: Enter in the search field presses it
    DialogCancel,

    // The sheet's own buttons and the message boxes' buttons. The logic never
    // addresses them; front ends whose toolkit has no Japanese captions take
    // theirs from the caption table.
    WizardBack = 3000,
    WizardNext,
    WizardFinish,
    WizardCancel,
    MessageOk = 3100,
    MessageCancel,
    MessageYes,
    MessageNo,
};

// The five bonus rows, numbered 1 to 5.
constexpr int kBonusRowCount = 5;
constexpr ControlId BonusLabelControl(int row) { return static_cast<ControlId>(1300 + row); }
constexpr ControlId BonusPathControl(int row) { return static_cast<ControlId>(1310 + row); }
constexpr ControlId BonusBrowseControl(int row) { return static_cast<ControlId>(1320 + row); }
// The row (1 to 5) of a bonus path field or "..." button; 0 for any other control.
constexpr int BonusRowOf(ControlId id)
{
    const int v = static_cast<int>(id);
    if (v >= 1311 && v <= 1315)
        return v - 1310;
    if (v >= 1321 && v <= 1325)
        return v - 1320;
    return 0;
}

// How a control's text is encoded. Cp932 texts are code page 932 (a Qt front
// end converts them with SystemTextCodec().TextToUtf8 and back with
// Utf8ToText); Path texts are in the operating system's path encoding and are
// shown as they are (UTF-8 on Linux, code page 932 on Windows).
enum class TextKind { Cp932, Path };

// Paths: the employee list field, the five bonus path fields, the output
// page's location (a folder name or a volume label) and name fields.
constexpr TextKind ControlTextKind(ControlId id)
{
    switch (id) {
    case ControlId::EmployeePath:
    case ControlId::BonusPath1:
    case ControlId::BonusPath2:
    case ControlId::BonusPath3:
    case ControlId::BonusPath4:
    case ControlId::BonusPath5:
    case ControlId::LocationEdit:
    case ControlId::NameEdit:
        return TextKind::Path;
    default:
        return TextKind::Cp932;
    }
}

// Cells of list views: the salary list's second column holds paths; every
// other cell is code page 932.
constexpr TextKind ListCellTextKind(ControlId list, int column)
{
    return list == ControlId::SalaryList && column == 1 ? TextKind::Path : TextKind::Cp932;
}

// The six wizard pages in their fixed order; the value is the page index
// that page jumps use.
enum class PageId : int {
    Start = 0,
    EmployeeFile = 1,
    SalaryFiles = 2,
    BonusFiles = 3,
    ItemCorrespondence = 4,
    Output = 5,
};
constexpr int kPageCount = 6;

// The modal dialogs that the logic opens.
enum class DialogId : int { ItemSelection = 1 };

}  // namespace corvane::platform
