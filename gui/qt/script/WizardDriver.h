#pragma once

#include <QString>
#include <vector>

#include "gui/qt/ItemSelectionDialog.h"
#include "gui/qt/WizardSheet.h"

namespace corvane::qt {

// What a user does with the shown wizard, through real mouse clicks and key
// presses on its widgets. A click on a disabled button does nothing, as it
// would for the user.
class WizardDriver {
public:
    explicit WizardDriver(WizardSheet& sheet) : m_sheet(sheet) {}

    int Page() const { return m_sheet.IsClosed() ? -1 : m_sheet.CurrentPage(); }
    void Next();
    void Back();
    void Finish();
    void Cancel();

    void Press(platform::ControlId id);
    // Replaces the field's text by typing it, as the user would.
    void Type(platform::ControlId id, const QString& text);
    // Clicks the first row, then control-clicks the others.
    void SelectRows(platform::ControlId list, const std::vector<int>& rows);
    void DoubleClickRow(platform::ControlId list, int row);
    // Drags local files or folders in from outside and drops them on
    // `target` (on row `row` of a list), through the window as the desktop
    // delivers a drag, then lets the page react. True when the page took them.
    bool DropFiles(platform::ControlId target, const QStringList& paths, int row = -1);

    QString Text(platform::ControlId id) const;
    QString Cell(platform::ControlId list, int row, int column) const;
    int RowCount(platform::ControlId list) const;
    bool Enabled(platform::ControlId id) const;
    WizardSheet& Sheet() const { return m_sheet; }

private:
    WizardSheet& m_sheet;
};

// The same for the item selection dialog.
class DialogDriver {
public:
    explicit DialogDriver(ItemSelectionDialog& dialog) : m_dialog(dialog) {}

    void Press(platform::ControlId id);
    void Type(platform::ControlId id, const QString& text);
    // Presses Enter in the search field.
    void EnterInSearch();
    void Select(int entry);
    void DoubleClick(int entry);

    QString Text(platform::ControlId id) const;
    QStringList Entries() const;
    int Selection() const;
    ItemSelectionDialog& Dialog() const { return m_dialog; }

private:
    ItemSelectionDialog& m_dialog;
};

// Lets pending layouts and paints happen.
void Settle();

}  // namespace corvane::qt
