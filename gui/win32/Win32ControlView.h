#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ControlView.h"

namespace corvane::win32 {

// The logic's view of controls that live in dialog windows: the wizard's
// pages (with the sheet for the wizard buttons) or one modal dialog. A
// control is found by its id in whichever container holds it.
//
// Long paths are shown shortened in the middle (PathElision) with the full
// path as a tooltip: the read-only path fields hold the shortened text and
// the view keeps the full one, which GetText returns; the path cells of a
// list keep the full text and are drawn shortened (CustomDrawList).
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

    void SetWizardButtons(unsigned flags) override;

    // The control's window; nullptr when no container holds it.
    HWND Control(platform::ControlId id) const;

    // Prepares the long-path display of a container's controls: tooltips
    // for its path fields, and for a list with a path column that column
    // taking the list's free width and a tooltip per row.
    void PreparePathDisplay(HWND container);
    // Fits the shortened paths and the path columns to the controls' sizes
    // again (after a change of size or DPI).
    void RefitPaths();
    // NM_CUSTOMDRAW of a list: draws its path cells shortened; the value
    // for the notification's result.
    LRESULT CustomDrawList(NMLVCUSTOMDRAW& draw) const;
    // The full path that a path field holds, or that a list shows in `row`.
    std::wstring FullPath(HWND control, int row = -1) const;

private:
    struct ListTip {
        HWND tooltip = nullptr;
        int row = -1;  // the row whose tool the tooltip has
    };

    void FitPathField(HWND field);
    void FitPathColumn(HWND list) const;
    void SetFieldTooltip(HWND field, const std::wstring& text);
    void TrackListRow(HWND list, const MSG& message);
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                     DWORD_PTR self);
    static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                      DWORD_PTR self);

    HWND m_sheet;
    std::vector<HWND> m_containers;
    int m_settingText = 0;
    std::map<HWND, std::wstring> m_fullPaths;  // the path fields' full texts
    std::map<HWND, HWND> m_fieldTips;          // a container's tooltip of its path fields
    std::set<HWND> m_tippedFields;             // the path fields that have their tool
    std::map<HWND, ListTip> m_listTips;        // a list's tooltip of its rows
};

// Whether `id` is a read-only path field shown shortened.
bool IsElidedPathField(platform::ControlId id);
// The column of `list` that holds paths; -1 when none.
int PathColumn(platform::ControlId list);

}  // namespace corvane::win32
