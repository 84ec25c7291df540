#include "Win32ControlView.h"

#include <commctrl.h>
#include <prsht.h>
#include <windowsx.h>

#include <algorithm>

#include "PathElision.h"
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

// The DPI of `window`'s monitor (Windows 10 and later), else the system's.
int DpiOf(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi) {
        if (const UINT dpi = getDpi(window))
            return static_cast<int>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

HWND CreateTooltip(HWND owner)
{
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    // Paths longer than the screen is wide wrap instead of running off it.
    if (tooltip)
        SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
    return tooltip;
}

// The list row at `point` (client coordinates); -1 when none.
int RowAt(HWND list, POINT point)
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    const int row = static_cast<int>(SendMessageW(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? row : -1;
}

// The gap between a list cell's edge and its text, as the list view leaves it.
int CellMargin(HWND list)
{
    return MulDiv(6, DpiOf(list), 96);
}

}  // namespace

bool IsElidedPathField(ControlId id)
{
    const int value = static_cast<int>(id);
    return id == ControlId::EmployeePath ||
           (value >= static_cast<int>(ControlId::BonusPath1) && value <= static_cast<int>(ControlId::BonusPath5));
}

int PathColumn(ControlId list)
{
    for (int column = 0; column < 2; ++column) {
        if (ListCellTextKind(list, column) == platform::TextKind::Path)
            return column;
    }
    return -1;
}

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
    const std::wstring wide = Widen(text, CodePageOf(ControlTextKind(id)));
    if (IsElidedPathField(id)) {
        m_fullPaths[control] = wide;
        FitPathField(control);
        return;
    }
    ++m_settingText;
    SetWindowTextW(control, wide.c_str());
    --m_settingText;
}

std::string Win32ControlView::GetText(ControlId id) const
{
    HWND control = Control(id);
    if (!control)
        return std::string();
    const std::wstring text = IsElidedPathField(id) ? FullPath(control) : WindowText(control);
    return Narrow(text, CodePageOf(ControlTextKind(id)));
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
    if (HWND control = Control(list)) {
        SendMessageW(control, LVM_DELETEALLITEMS, 0, 0);
        FitPathColumn(control);
    }
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
    // A row more may bring the scroll bar, which takes from the path column.
    FitPathColumn(control);
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
    while ((row = static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >=
           0)
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
    const LRESULT n =
        SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(buffer.data()));
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

void Win32ControlView::SetToolTip(ControlId id, const std::string& path)
{
    if (HWND control = Control(id))
        SetFieldTooltip(control, Widen(path, kPathCodePage));
}

void Win32ControlView::SetWizardButtons(unsigned flags)
{
    // The flags have the property sheet's own values.
    if (m_sheet)
        PostMessageW(m_sheet, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void Win32ControlView::PreparePathDisplay(HWND container)
{
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const auto id = static_cast<ControlId>(GetDlgCtrlID(child));
        if (IsElidedPathField(id)) {
            SetWindowSubclass(child, FieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
            SetFieldTooltip(child, FullPath(child));
        } else if (PathColumn(id) >= 0) {
            ListTip& tip = m_listTips[child];
            if (!tip.tooltip)
                tip.tooltip = CreateTooltip(container);
            SetWindowSubclass(child, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
            FitPathColumn(child);
        }
    }
}

void Win32ControlView::RefitPaths()
{
    for (const auto& [field, path] : m_fullPaths)
        FitPathField(field);
    for (const auto& [list, tip] : m_listTips)
        FitPathColumn(list);
}

std::wstring Win32ControlView::FullPath(HWND control, int row) const
{
    if (row >= 0)
        return ListItemText(control, row, PathColumn(static_cast<ControlId>(GetDlgCtrlID(control))));
    const auto found = m_fullPaths.find(control);
    return found == m_fullPaths.end() ? std::wstring() : found->second;
}

void Win32ControlView::FitPathField(HWND field)
{
    const std::wstring& path = m_fullPaths[field];
    // The edit's formatting rectangle: its width less the margins.
    RECT rect{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    HDC dc = GetDC(field);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
    const std::wstring shown = ElidePath(dc, path, rect.right - rect.left);
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    if (shown != WindowText(field)) {
        ++m_settingText;
        SetWindowTextW(field, shown.c_str());
        --m_settingText;
    }
    SetFieldTooltip(field, path);
}

void Win32ControlView::SetFieldTooltip(HWND field, const std::wstring& text)
{
    HWND container = GetParent(field);
    HWND& tooltip = m_fieldTips[container];
    if (!tooltip)
        tooltip = CreateTooltip(container);
    if (!tooltip)
        return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = container;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    // The tooltip keeps a copy of the text.
    std::wstring copy = text;
    tool.lpszText = copy.data();
    const bool known = !m_tippedFields.insert(field).second;
    SendMessageW(tooltip, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32ControlView::FitPathColumn(HWND list) const
{
    const int column = PathColumn(static_cast<ControlId>(GetDlgCtrlID(list)));
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const int count = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    if (column < 0 || column >= count)
        return;
    RECT client{};
    GetClientRect(list, &client);
    int others = 0;
    for (int i = 0; i < count; ++i) {
        if (i != column)
            others += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    }
    const int width = std::max<int>(client.right - others, MulDiv(80, DpiOf(list), 96));
    if (width != static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)))
        SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

LRESULT Win32ControlView::CustomDrawList(NMLVCUSTOMDRAW& draw) const
{
    HWND list = draw.nmcd.hdr.hwndFrom;
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        break;
    default:
        return CDRF_DODEFAULT;
    }
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    if (draw.iSubItem != PathColumn(static_cast<ControlId>(draw.nmcd.hdr.idFrom)) || draw.iSubItem == 0)
        return CDRF_DODEFAULT;

    RECT cell{};
    cell.top = draw.iSubItem;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)))
        return CDRF_DODEFAULT;
    // The colours of the list's own full-row selection, shown always.
    const bool selected = ListView_GetItemState(list, row, LVIS_SELECTED) != 0;
    const bool focused = GetFocus() == list;
    int background = COLOR_WINDOW;
    int foreground = COLOR_WINDOWTEXT;
    if (selected) {
        background = focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE;
        foreground = focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    }
    HDC dc = draw.nmcd.hdc;
    FillRect(dc, &cell, GetSysColorBrush(background));
    RECT text = cell;
    InflateRect(&text, -CellMargin(list), 0);
    const std::wstring shown = ElidePath(dc, FullPath(list, row), text.right - text.left);
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(foreground));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    return CDRF_SKIPDEFAULT;
}

void Win32ControlView::TrackListRow(HWND list, const MSG& message)
{
    auto found = m_listTips.find(list);
    if (found == m_listTips.end() || !found->second.tooltip)
        return;
    ListTip& tip = found->second;
    const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const int row = message.message == WM_MOUSELEAVE ? -1 : RowAt(list, point);
    // One tool, the row under the mouse: a new row is a new tool, whose
    // tooltip comes after the usual delay.
    if (row != tip.row) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = list;
        tool.uId = static_cast<UINT_PTR>(tip.row + 1);
        if (tip.row >= 0)
            SendMessageW(tip.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tip.row = -1;
        std::wstring text = row >= 0 ? FullPath(list, row) : std::wstring();
        if (!text.empty()) {
            tool.uId = static_cast<UINT_PTR>(row + 1);
            ListView_GetItemRect(list, row, &tool.rect, LVIR_BOUNDS);
            tool.lpszText = text.data();
            SendMessageW(tip.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            tip.row = row;
        }
    }
    if (tip.row >= 0 && message.message != WM_MOUSELEAVE) {
        MSG relayed = message;
        SendMessageW(tip.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

LRESULT CALLBACK Win32ControlView::ListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                            DWORD_PTR self)
{
    auto* view = reinterpret_cast<Win32ControlView*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSELEAVE: {
        MSG relayed{list, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
        relayed.pt.x = GET_X_LPARAM(lparam);
        relayed.pt.y = GET_Y_LPARAM(lparam);
        view->TrackListRow(list, relayed);
        if (message == WM_MOUSEMOVE) {
            // WM_MOUSELEAVE comes only when asked for.
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, list, 0};
            TrackMouseEvent(&track);
        }
        break;
    }
    case WM_SIZE:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
        const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
        if (message == WM_SIZE)
            view->FitPathColumn(list);
        // The rows moved under the mouse: the next move finds its row anew.
        MSG leave{list, WM_MOUSELEAVE, 0, 0, 0, {}};
        view->TrackListRow(list, leave);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, ListProc, id);
        view->m_listTips.erase(list);
        break;
    default:
        break;
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

LRESULT CALLBACK Win32ControlView::FieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                             DWORD_PTR self)
{
    auto* view = reinterpret_cast<Win32ControlView*>(self);
    switch (message) {
    case WM_SIZE:
    case WM_SETFONT: {
        // A new size or font (a change of DPI) fits the path anew.
        const LRESULT result = DefSubclassProc(field, message, wparam, lparam);
        if (view->m_fullPaths.count(field))
            view->FitPathField(field);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(field, FieldProc, id);
        view->m_fullPaths.erase(field);
        view->m_tippedFields.erase(field);
        break;
    default:
        break;
    }
    return DefSubclassProc(field, message, wparam, lparam);
}

}  // namespace corvane::win32
