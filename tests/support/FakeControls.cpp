#include "support/FakeControls.h"

#include <algorithm>

namespace corvane::test {

using platform::ControlId;

FakeControls::FakeControls()
{
    m_radioGroups.push_back({ControlId::StandardModeRadio, ControlId::SimpleModeRadio});
}

void FakeControls::SetText(ControlId id, const std::string& text)
{
    m_controls[id].text = text;
}

std::string FakeControls::GetText(ControlId id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? std::string() : it->second.text;
}

std::string FakeControls::ToolTip(ControlId id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? std::string() : it->second.toolTip;
}

void FakeControls::Enable(ControlId id, bool enabled)
{
    m_controls[id].enabled = enabled;
}

bool FakeControls::IsEnabled(ControlId id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() || it->second.enabled;
}

void FakeControls::SetCheck(ControlId id, bool checked)
{
    if (checked) {
        for (const auto& group : m_radioGroups) {
            if (std::find(group.begin(), group.end(), id) == group.end())
                continue;
            for (const auto other : group)
                m_controls[other].checked = false;
        }
    }
    m_controls[id].checked = checked;
}

bool FakeControls::IsChecked(ControlId id) const
{
    const auto it = m_controls.find(id);
    return it != m_controls.end() && it->second.checked;
}

bool FakeControls::SingleSelection(ControlId list) const
{
    return list == ControlId::ItemsList;
}

bool FakeControls::RowInRange(const List& list, int row, const char* what)
{
    if (row >= 0 && row < static_cast<int>(list.rows.size()))
        return true;
    m_faults.push_back(std::string(what) + ": row " + std::to_string(row) + " out of range");
    return false;
}

void FakeControls::ListDeleteAllRows(ControlId list)
{
    m_lists[list] = List{};
}

int FakeControls::ListAddRow(ControlId list, const std::vector<std::string>& cells)
{
    auto& l = m_lists[list];
    l.rows.push_back(cells);
    return static_cast<int>(l.rows.size()) - 1;
}

int FakeControls::ListRowCount(ControlId list) const
{
    const auto it = m_lists.find(list);
    return it == m_lists.end() ? 0 : static_cast<int>(it->second.rows.size());
}

void FakeControls::ListSetCell(ControlId list, int row, int column, const std::string& text)
{
    auto& l = m_lists[list];
    if (!RowInRange(l, row, "ListSetCell") || column < 0)
        return;
    auto& cells = l.rows[static_cast<std::size_t>(row)];
    if (cells.size() <= static_cast<std::size_t>(column))
        cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
}

std::string FakeControls::ListCell(ControlId list, int row, int column) const
{
    const auto it = m_lists.find(list);
    if (it == m_lists.end() || row < 0 || row >= static_cast<int>(it->second.rows.size()) || column < 0)
        return std::string();
    const auto& cells = it->second.rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : std::string();
}

std::vector<int> FakeControls::ListSelectedRows(ControlId list) const
{
    const auto it = m_lists.find(list);
    if (it == m_lists.end())
        return {};
    return std::vector<int>(it->second.selected.begin(), it->second.selected.end());
}

void FakeControls::ListSetSelected(ControlId list, int row, bool selected)
{
    auto& l = m_lists[list];
    if (!RowInRange(l, row, "ListSetSelected"))
        return;
    if (selected) {
        if (SingleSelection(list))
            l.selected.clear();
        l.selected.insert(row);
    } else {
        l.selected.erase(row);
    }
}

void FakeControls::ListDeselectAll(ControlId list)
{
    m_lists[list].selected.clear();
}

int FakeControls::ListFocusedRow(ControlId list) const
{
    const auto it = m_lists.find(list);
    return it == m_lists.end() ? -1 : it->second.focused;
}

void FakeControls::ListSetFocusedRow(ControlId list, int row)
{
    auto& l = m_lists[list];
    if (row != -1 && !RowInRange(l, row, "ListSetFocusedRow"))
        return;
    l.focused = row;
}

std::vector<std::vector<std::string>> FakeControls::ListRows(ControlId list) const
{
    const auto it = m_lists.find(list);
    return it == m_lists.end() ? std::vector<std::vector<std::string>>{} : it->second.rows;
}

void FakeControls::ListBoxReset(ControlId list)
{
    m_listBoxes[list] = ListBox{};
}

void FakeControls::ListBoxAdd(ControlId list, const std::string& text)
{
    m_listBoxes[list].items.push_back(text);
}

int FakeControls::ListBoxCount(ControlId list) const
{
    const auto it = m_listBoxes.find(list);
    return it == m_listBoxes.end() ? 0 : static_cast<int>(it->second.items.size());
}

std::string FakeControls::ListBoxText(ControlId list, int item) const
{
    const auto it = m_listBoxes.find(list);
    if (it == m_listBoxes.end() || item < 0 || item >= static_cast<int>(it->second.items.size()))
        return std::string();
    return it->second.items[static_cast<std::size_t>(item)];
}

int FakeControls::ListBoxSelection(ControlId list) const
{
    const auto it = m_listBoxes.find(list);
    return it == m_listBoxes.end() ? -1 : it->second.selection;
}

void FakeControls::ListBoxSetSelection(ControlId list, int item)
{
    auto& box = m_listBoxes[list];
    if (item < -1 || item >= static_cast<int>(box.items.size())) {
        m_faults.push_back("ListBoxSetSelection: item " + std::to_string(item) + " out of range");
        return;
    }
    box.selection = item;
}

std::vector<std::string> FakeControls::ListBoxItems(ControlId list) const
{
    const auto it = m_listBoxes.find(list);
    return it == m_listBoxes.end() ? std::vector<std::string>{} : it->second.items;
}

void FakeControls::SetWizardButtons(unsigned flags)
{
    m_buttons = flags;
    m_buttonHistory.push_back(flags);
    if (m_buttonObserver)
        m_buttonObserver(flags);
}

}  // namespace corvane::test
