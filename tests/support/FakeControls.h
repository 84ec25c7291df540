#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ControlView.h"

namespace corvane::test {

// The controls of a window as plain state: what the logic set, what a
// scripted user changed. Every control exists and starts enabled and empty.
class FakeControls : public platform::WizardView {
public:
    FakeControls();

    void SetText(platform::ControlId id, const std::string& text) override;
    std::string GetText(platform::ControlId id) const override;
    void SetToolTip(platform::ControlId id, const std::string& path) override { m_controls[id].toolTip = path; }
    std::string ToolTip(platform::ControlId id) const;
    void Enable(platform::ControlId id, bool enabled) override;
    bool IsEnabled(platform::ControlId id) const override;
    void SetCheck(platform::ControlId id, bool checked) override;
    bool IsChecked(platform::ControlId id) const override;
    platform::ControlId FocusedControl() const override { return m_focus; }

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

    void SetWizardButtons(unsigned flags) override;

    // What a scripted user does, and what tests read back.
    void SetFocus(platform::ControlId id) { m_focus = id; }
    unsigned WizardButtons() const { return m_buttons; }
    const std::vector<unsigned>& ButtonHistory() const { return m_buttonHistory; }
    // All rows of a list view, cell by cell.
    std::vector<std::vector<std::string>> ListRows(platform::ControlId list) const;
    std::vector<std::string> ListBoxItems(platform::ControlId list) const;
    // Called for every SetWizardButtons (the fake's log).
    void OnButtons(std::function<void(unsigned)> observer) { m_buttonObserver = std::move(observer); }
    // Faults of the logic: a row or item index out of range.
    const std::vector<std::string>& Faults() const { return m_faults; }

private:
    struct Control {
        std::string text;
        std::string toolTip;
        bool enabled = true;
        bool checked = false;
    };
    struct List {
        std::vector<std::vector<std::string>> rows;
        std::set<int> selected;
        int focused = -1;
    };
    struct ListBox {
        std::vector<std::string> items;
        int selection = -1;
    };

    bool SingleSelection(platform::ControlId list) const;
    bool RowInRange(const List& list, int row, const char* what);

    std::map<platform::ControlId, Control> m_controls;
    std::map<platform::ControlId, List> m_lists;
    std::map<platform::ControlId, ListBox> m_listBoxes;
    std::vector<std::vector<platform::ControlId>> m_radioGroups;
    platform::ControlId m_focus = platform::ControlId::None;
    unsigned m_buttons = 0;
    std::vector<unsigned> m_buttonHistory;
    std::function<void(unsigned)> m_buttonObserver;
    std::vector<std::string> m_faults;
};

}  // namespace corvane::test
