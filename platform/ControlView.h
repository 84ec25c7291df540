#pragma once

#include <string>
#include <vector>

#include "platform/ControlIds.h"

// The controls of the wizard and of the item dialog as the logic sees them.
// The front end owns the widgets and implements this view over them; texts
// are code page 932 or paths as ControlTextKind and ListCellTextKind say.
// Row and item indexes count from 0; -1 means none.
namespace corvane::platform {

class ControlView {
public:
    virtual ~ControlView() = default;

    // Edit fields, static texts, group boxes and buttons. Setting a text
    // does not notify the logic (see PageLogic::OnTextChanged).
    virtual void SetText(ControlId id, const std::string& text) = 0;
    virtual std::string GetText(ControlId id) const = 0;
    // The tooltip of a field that shows a short form of a path: the whole
    // path (path encoding); "" for none.
    virtual void SetToolTip(ControlId id, const std::string& path) = 0;
    // Greys out (or restores) a control; it stays visible.
    virtual void Enable(ControlId id, bool enabled) = 0;
    virtual bool IsEnabled(ControlId id) const = 0;

    // Radio buttons and check boxes. Checking a radio button unchecks the
    // others of its group.
    virtual void SetCheck(ControlId id, bool checked) = 0;
    virtual bool IsChecked(ControlId id) const = 0;

    // The control that has the keyboard focus; None when focus is elsewhere.
    // A button that the user presses has the focus while its command runs.
    virtual ControlId FocusedControl() const = 0;

    // Report-style list views. Their columns come from ListColumnCaptions.
    virtual void ListDeleteAllRows(ControlId list) = 0;
    // Appends a row; `cells` holds one text per column. Returns its index.
    virtual int ListAddRow(ControlId list, const std::vector<std::string>& cells) = 0;
    virtual int ListRowCount(ControlId list) const = 0;
    virtual void ListSetCell(ControlId list, int row, int column, const std::string& text) = 0;
    virtual std::string ListCell(ControlId list, int row, int column) const = 0;
    // Selected rows in ascending order.
    virtual std::vector<int> ListSelectedRows(ControlId list) const = 0;
    // Selects or deselects one row; in a single-selection list selecting a
    // row deselects the others.
    virtual void ListSetSelected(ControlId list, int row, bool selected) = 0;
    virtual void ListDeselectAll(ControlId list) = 0;
    // The row with the focus rectangle; -1 when none.
    virtual int ListFocusedRow(ControlId list) const = 0;
    virtual void ListSetFocusedRow(ControlId list, int row) = 0;

    // List boxes (the item dialog's heading list), not sorted, single selection.
    virtual void ListBoxReset(ControlId list) = 0;
    virtual void ListBoxAdd(ControlId list, const std::string& text) = 0;
    virtual int ListBoxCount(ControlId list) const = 0;
    virtual std::string ListBoxText(ControlId list, int item) const = 0;
    virtual int ListBoxSelection(ControlId list) const = 0;
    // -1 clears the selection.
    virtual void ListBoxSetSelection(ControlId list, int item) = 0;
};

// Wizard buttons, combined as flags (the same values as a property sheet's).
enum WizardButton : unsigned {
    kWizBack = 0x1,
    kWizNext = 0x2,
    kWizFinish = 0x4,          // 完了 enabled (shown instead of 次へ)
    kWizDisabledFinish = 0x8,  // 完了 shown but disabled
};

// The view of the whole wizard: the controls of all six pages (ids are unique)
// and the sheet's buttons.
class WizardView : public ControlView {
public:
    // Replaces the state of 戻る / 次へ / 完了 with `flags` (WizardButton values).
    // A button that is not named is disabled; 次へ and 完了 share a place:
    // with kWizFinish or kWizDisabledFinish the place shows 完了.
    virtual void SetWizardButtons(unsigned flags) = 0;
};

}  // namespace corvane::platform
