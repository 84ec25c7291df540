#pragma once

#include <functional>

#include "gui/qt/ControlRegistry.h"
#include "platform/ControlView.h"

namespace corvane::qt {

// The logic's view of one window's widgets: edit fields, labels, group boxes,
// buttons, report lists (QTableWidget) and list boxes (QListWidget). Texts
// are converted at this boundary as ControlTextKind and ListCellTextKind say.
// Ids without a widget, and rows out of range, are ignored.
class QtControlView final : public platform::WizardView {
public:
    // `focusRoot` is the window whose focus widget FocusedControl reports.
    QtControlView(const ControlRegistry& controls, QWidget& focusRoot);

    void SetText(platform::ControlId id, const std::string& text) override;
    std::string GetText(platform::ControlId id) const override;
    void SetToolTip(platform::ControlId id, const std::string& path) override;
    void Enable(platform::ControlId id, bool enabled) override;
    bool IsEnabled(platform::ControlId id) const override;
    void SetCheck(platform::ControlId id, bool checked) override;
    bool IsChecked(platform::ControlId id) const override;
    platform::ControlId FocusedControl() const override;

    void ListDeleteAllRows(platform::ControlId list) override;
    int ListAddRow(platform::ControlId list, const std::vector<std::string>& cells) override;
    int ListRowCount(platform::ControlId list) const override;
    void ListSetCell(platform::ControlId list, int row, int column, const std::string& text) override;
    std::string ListCell(platform::ControlId list, int row, int column) const override;
    std::vector<int> ListSelectedRows(platform::ControlId list) const override;
    void ListSetSelected(platform::ControlId list, int row, bool selected) override;
    void ListDeselectAll(platform::ControlId list) override;
    int ListFocusedRow(platform::ControlId list) const override;
    void ListSetFocusedRow(platform::ControlId list, int row) override;

    void ListBoxReset(platform::ControlId list) override;
    void ListBoxAdd(platform::ControlId list, const std::string& text) override;
    int ListBoxCount(platform::ControlId list) const override;
    std::string ListBoxText(platform::ControlId list, int item) const override;
    int ListBoxSelection(platform::ControlId list) const override;
    void ListBoxSetSelection(platform::ControlId list, int item) override;

    // The wizard's buttons go to the sheet; a dialog has none.
    void OnWizardButtons(std::function<void(unsigned)> handler) { m_wizardButtons = std::move(handler); }
    void SetWizardButtons(unsigned flags) override;

private:
    template <typename W>
    W* As(platform::ControlId id) const;

    const ControlRegistry& m_controls;
    QWidget& m_focusRoot;
    std::function<void(unsigned)> m_wizardButtons;
};

}  // namespace corvane::qt
