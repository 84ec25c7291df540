#pragma once

#include <windows.h>

#include <vector>

#include "platform/ControlView.h"

namespace corvane::win32 {

// The logic's view of controls that live in dialog windows: the wizard's
// pages (with the sheet for the wizard buttons) or one modal dialog. A
// control is found by its id in whichever container holds it.
class Win32ControlView final : public platform::WizardView {
public:
    // `sheet`: the property sheet whose buttons SetWizardButtons sets;
    // nullptr for a dialog.
    explicit Win32ControlView(HWND sheet = nullptr) : m_sheet(sheet) {}

    void SetSheet(HWND sheet) { m_sheet = sheet; }
    void AddContainer(HWND dialog) { m_containers.push_back(dialog); }
    // True while SetText runs: the edit notifications it causes are not the user's.
    bool SettingText() const { return m_settingText > 0; }

    void SetText(platform::ControlId id, const std::string& text) override;
    std::string GetText(platform::ControlId id) const override;
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

    void SetWizardButtons(unsigned flags) override;

    // The control's window; nullptr when no container holds it.
    HWND Control(platform::ControlId id) const;

private:
    HWND m_sheet;
    std::vector<HWND> m_containers;
    int m_settingText = 0;
};

}  // namespace corvane::win32
