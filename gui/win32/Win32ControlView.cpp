#include "Win32ControlView.h"

#include <commctrl.h>
#include <prsht.h>

#include "Win32Text.h"

namespace corvane::win32 {

using platform::ControlId;
using platform::ControlTextKind;
using platform::ListCellTextKind;

namespace {

bool IsRadioButton(HWND control)
{
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

std::wstring ListItemText(HWND list, int row, int column)
{
    // The list view copies at most the buffer's size; grow until it fits.
    for (std::size_t size = 256; size <= 65536; size *= 4) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const auto n = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (n + 1 < size) {
            buffer.resize(n);
            return buffer;
        }
    }
    return std::wstring();
}

}  // namespace

HWND Win32ControlView::Control(ControlId id) const
{
    for (HWND container : m_containers) {
        if (HWND control = GetDlgItem(container, static_cast<int>(id)))
            return control;
    }
    return nullptr;
}

void Win32ControlView::SetText(ControlId id, const std::string& text)
{
    HWND control = Control(id);
    if (!control)
        return;
    ++m_settingText;
    SetWindowTextW(control, Widen(text, CodePageOf(ControlTextKind(id))).c_str());
    --m_settingText;
}

std::string Win32ControlView::GetText(ControlId id) const
{
    HWND control = Control(id);
    return control ? Narrow(WindowText(control), CodePageOf(ControlTextKind(id))) : std::string();
}

void Win32ControlView::Enable(ControlId id, bool enabled)
{
    if (HWND control = Control(id))
        EnableWindow(control, enabled ? TRUE : FALSE);
}

bool Win32ControlView::IsEnabled(ControlId id) const
{
    HWND control = Control(id);
    return control && IsWindowEnabled(control);
}

void Win32ControlView::SetCheck(ControlId id, bool checked)
{
    HWND control = Control(id);
    if (!control)
        return;
    if (checked && IsRadioButton(control)) {
        // Uncheck the other radio buttons of the group first.
        HWND dialog = GetParent(control);
        HWND first = GetNextDlgGroupItem(dialog, control, FALSE);
        for (HWND item = first; item;) {
            if (item != control && IsRadioButton(item))
                SendMessageW(item, BM_SETCHECK, BST_UNCHECKED, 0);
            item = GetNextDlgGroupItem(dialog, item, FALSE);
            if (item == first)
                break;
        }
    }
    SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32ControlView::IsChecked(ControlId id) const
{
    HWND control = Control(id);
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

ControlId Win32ControlView::FocusedControl() const
{
    HWND focus = GetFocus();
    if (!focus)
        return ControlId::None;
    for (HWND container : m_containers) {
        if (GetParent(focus) == container)
            return static_cast<ControlId>(GetDlgCtrlID(focus));
    }
    return ControlId::None;
}

void Win32ControlView::ListDeleteAllRows(ControlId list)
{
    if (HWND control = Control(list))
        SendMessageW(control, LVM_DELETEALLITEMS, 0, 0);
}

int Win32ControlView::ListAddRow(ControlId list, const std::vector<std::string>& cells)
{
    HWND control = Control(list);
    if (!control)
        return -1;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListRowCount(list);
    std::wstring first = cells.empty() ? std::wstring() : Widen(cells[0], CodePageOf(ListCellTextKind(list, 0)));
    item.pszText = first.data();
    const int row = static_cast<int>(SendMessageW(control, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return -1;
    for (std::size_t column = 1; column < cells.size(); ++column)
        ListSetCell(list, row, static_cast<int>(column), cells[column]);
    return row;
}

int Win32ControlView::ListRowCount(ControlId list) const
{
    HWND control = Control(list);
    return control ? static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

void Win32ControlView::ListSetCell(ControlId list, int row, int column, const std::string& text)
{
    HWND control = Control(list);
    if (!control)
        return;
    std::wstring wide = Widen(text, CodePageOf(ListCellTextKind(list, column)));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(control, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string Win32ControlView::ListCell(ControlId list, int row, int column) const
{
    HWND control = Control(list);
    if (!control || row < 0 || row >= ListRowCount(list))
        return std::string();
    return Narrow(ListItemText(control, row, column), CodePageOf(ListCellTextKind(list, column)));
}

std::vector<int> Win32ControlView::ListSelectedRows(ControlId list) const
{
    std::vector<int> rows;
    HWND control = Control(list);
    if (!control)
        return rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) >= 0)
        rows.push_back(row);
    return rows;
}

void Win32ControlView::ListSetSelected(ControlId list, int row, bool selected)
{
    if (HWND control = Control(list))
        ListView_SetItemState(control, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void Win32ControlView::ListDeselectAll(ControlId list)
{
    if (HWND control = Control(list))
        ListView_SetItemState(control, -1, 0, LVIS_SELECTED);
}

int Win32ControlView::ListFocusedRow(ControlId list) const
{
    HWND control = Control(list);
    return control ? static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED))
                   : -1;
}

void Win32ControlView::ListSetFocusedRow(ControlId list, int row)
{
    HWND control = Control(list);
    if (!control)
        return;
    if (row < 0) {
        ListView_SetItemState(control, -1, 0, LVIS_FOCUSED);
        return;
    }
    ListView_SetItemState(control, row, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(control, row, FALSE);
}

void Win32ControlView::ListBoxReset(ControlId list)
{
    if (HWND control = Control(list))
        SendMessageW(control, LB_RESETCONTENT, 0, 0);
}

void Win32ControlView::ListBoxAdd(ControlId list, const std::string& text)
{
    if (HWND control = Control(list)) {
        const std::wstring wide = TextToWide(text);
        SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

int Win32ControlView::ListBoxCount(ControlId list) const
{
    HWND control = Control(list);
    return control ? static_cast<int>(SendMessageW(control, LB_GETCOUNT, 0, 0)) : 0;
}

std::string Win32ControlView::ListBoxText(ControlId list, int item) const
{
    HWND control = Control(list);
    if (!control)
        return std::string();
    const LRESULT length = SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length == LB_ERR)
        return std::string();
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT n = SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(n == LB_ERR ? 0 : static_cast<std::size_t>(n));
    return WideToText(buffer);
}

int Win32ControlView::ListBoxSelection(ControlId list) const
{
    HWND control = Control(list);
    if (!control)
        return -1;
    const LRESULT selection = SendMessageW(control, LB_GETCURSEL, 0, 0);
    return selection == LB_ERR ? -1 : static_cast<int>(selection);
}

void Win32ControlView::ListBoxSetSelection(ControlId list, int item)
{
    if (HWND control = Control(list))
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

void Win32ControlView::SetWizardButtons(unsigned flags)
{
    // The flags have the property sheet's own values.
    if (m_sheet)
        PostMessageW(m_sheet, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

}  // namespace corvane::win32
