#pragma once

// Ids of the wizard's and the item dialog's controls, unique over both like
// dialog resource ids (the list is platform/ControlIdList.h). The logic
// addresses controls only by these ids; the front ends map them to their widgets.
namespace corvane::platform {

enum class ControlId : int {
    None = 0,

// The pages' and the item dialog's controls, from the one list.
#define CORVANE_PAGE_CONTROL(name, id, resource) name = (id),
#define CORVANE_DIALOG_CONTROL(name, id, resource) name = (id),
#include "platform/ControlIdList.h"
#undef CORVANE_PAGE_CONTROL
#undef CORVANE_DIALOG_CONTROL

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
    // The findings box (MessageBox.h's FindingsBox): its controls, also the
    // Windows dialog's resource ids.
    FindingsIcon = 3200,
    FindingsQuestion,
    FindingsDetailsLabel,
    FindingsDetails,
    FindingsCopy,
    FindingsChecklist,
    FindingsCopied,
};

// Every control of the pages, and of the item dialog, in the list's order.
inline constexpr ControlId kPageControls[] = {
#define CORVANE_PAGE_CONTROL(name, id, resource) ControlId::name,
#define CORVANE_DIALOG_CONTROL(name, id, resource)
#include "platform/ControlIdList.h"
#undef CORVANE_PAGE_CONTROL
#undef CORVANE_DIALOG_CONTROL
};
inline constexpr ControlId kDialogControls[] = {
#define CORVANE_PAGE_CONTROL(name, id, resource)
#define CORVANE_DIALOG_CONTROL(name, id, resource) ControlId::name,
#include "platform/ControlIdList.h"
#undef CORVANE_PAGE_CONTROL
#undef CORVANE_DIALOG_CONTROL
};

// Two controls with one id would be one widget and one resource.
constexpr int ListedTimes(ControlId id)
{
    int times = 0;
    for (const ControlId listed : kPageControls)
        times += listed == id;
    for (const ControlId listed : kDialogControls)
        times += listed == id;
    return times;
}
constexpr bool ControlIdsAreUnique()
{
    for (const ControlId id : kPageControls) {
        if (ListedTimes(id) != 1)
            return false;
    }
    for (const ControlId id : kDialogControls) {
        if (ListedTimes(id) != 1)
            return false;
    }
    return true;
}
static_assert(ControlIdsAreUnique(), "platform/ControlIdList.h gives two controls one id");

// The five bonus rows, numbered 1 to 5.
constexpr int kBonusRowCount = 5;
constexpr ControlId BonusLabelControl(int row)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::BonusLabel1) + row - 1);
}
constexpr ControlId BonusPathControl(int row)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::BonusPath1) + row - 1);
}
constexpr ControlId BonusBrowseControl(int row)
{
    return static_cast<ControlId>(static_cast<int>(ControlId::BonusBrowse1) + row - 1);
}
static_assert(BonusLabelControl(kBonusRowCount) == ControlId::BonusLabel5 &&
                  BonusPathControl(kBonusRowCount) == ControlId::BonusPath5 &&
                  BonusBrowseControl(kBonusRowCount) == ControlId::BonusBrowse5,
              "each kind of bonus row control is numbered on from its row 1");
// The row (1 to 5) of a bonus path field or "..." button; 0 for any other control.
constexpr int BonusRowOf(ControlId id)
{
    for (int row = 1; row <= kBonusRowCount; ++row) {
        if (id == BonusPathControl(row) || id == BonusBrowseControl(row))
            return row;
    }
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
