#include "Win32WizardHost.h"

#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include <algorithm>

#include "Win32Text.h"
#include "resource.h"
#include "wizard/ControlCaptions.h"

namespace corvane::win32 {

using platform::ControlId;
using platform::DialogOutcome;
using platform::PageJump;

namespace {

// The page dialogs in page order (platform::PageId).
constexpr int kPageTemplates[platform::kPageCount] = {
    IDD_PAGE_START, IDD_PAGE_EMPLOYEE, IDD_PAGE_SALARY, IDD_PAGE_BONUS, IDD_PAGE_ITEMS, IDD_PAGE_OUTPUT,
};

// The DPI of `window`: its monitor's where Windows tells it (10 and later),
// else the system's.
UINT DpiOf(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi) {
        if (const UINT dpi = getDpi(window))
            return dpi;
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

BOOL CALLBACK SetCaption(HWND control, LPARAM)
{
    const auto id = static_cast<ControlId>(GetDlgCtrlID(control));
    const std::string& caption = ControlCaption(id);
    if (!caption.empty())
        SetWindowTextW(control, TextToWide(caption).c_str());

    const auto& columns = ListColumnCaptions(id);
    if (!columns.empty()) {
        DWORD extended = LVS_EX_FULLROWSELECT;
        if (id == ControlId::ItemsList)
            extended |= LVS_EX_GRIDLINES;
        ListView_SetExtendedListViewStyleEx(control, extended, extended);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::wstring header = TextToWide(columns[i].header);
            LVCOLUMNW column{};
            column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.fmt = LVCFMT_LEFT;
            // The widths are pixels at 96 DPI; the dialog around them scales with the DPI.
            column.cx = MulDiv(columns[i].width, static_cast<int>(DpiOf(control)), 96);
            column.pszText = header.data();
            column.iSubItem = static_cast<int>(i);
            SendMessageW(control, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        }
    }
    return TRUE;
}

// Centres `window` on `anchor` (its owner) when there is one, else on the work
// area of the monitor with the mouse, as Windows wizards open; kept inside
// that monitor's work area.
void CentreWindow(HWND window, HWND anchor)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT target{};
    HMONITOR monitor = nullptr;
    if (anchor && IsWindow(anchor) && IsWindowVisible(anchor) && !IsIconic(anchor)) {
        GetWindowRect(anchor, &target);
        monitor = MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST);
    } else {
        POINT cursor{};
        GetCursorPos(&cursor);
        monitor = MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY);
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return;
    const RECT& work = info.rcWork;
    if (IsRectEmpty(&target))
        target = work;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    LONG x = (target.left + target.right - width) / 2;
    LONG y = (target.top + target.bottom - height) / 2;
    x = std::max(work.left, std::min(x, work.right - width));
    y = std::max(work.top, std::min(y, work.bottom - height));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Answer(HWND page, LONG_PTR result)
{
    SetWindowLongPtrW(page, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

void PrepareControls(HWND dialog)
{
    EnumChildWindows(dialog, SetCaption, 0);
}

bool TakesDroppedFiles(platform::PageId page)
{
    return page == platform::PageId::EmployeeFile || page == platform::PageId::SalaryFiles ||
           page == platform::PageId::BonusFiles;
}

HWND ControlAt(HWND container, POINT point)
{
    HWND box = nullptr;
    // The children from the top of the z-order down.
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&rect), 2);
        if (!PtInRect(&rect, point))
            continue;
        // A group box lies under the controls that it frames, whatever the order.
        const bool isBox = (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX && [&] {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            return lstrcmpiW(name, L"Button") == 0;
        }();
        if (!isBox)
            return child;
        if (!box)
            box = child;
    }
    return box;
}

std::vector<std::string> DroppedPaths(HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        if (!path.empty())
            paths.push_back(WideToPath(path));
    }
    return paths;
}

platform::WizardResult Win32WizardHost::RunWizard(platform::WizardLogic& wizard, platform::WindowHandle parent)
{
    m_wizard = &wizard;
    m_sheet = nullptr;
    m_finished = false;
    const int count = wizard.PageCount();
    m_pages.assign(static_cast<std::size_t>(count), nullptr);
    m_initialised.assign(static_cast<std::size_t>(count), false);
    m_contexts.clear();
    for (int i = 0; i < count; ++i)
        m_contexts.push_back({this, i});
    m_view = Win32ControlView();

    const std::wstring caption = TextToWide(wizard.Caption());
    std::vector<HPROPSHEETPAGE> pages;
    for (int i = 0; i < count && i < platform::kPageCount; ++i) {
        PROPSHEETPAGEW page{};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_USETITLE | PSP_PREMATURE;
        page.hInstance = m_instance;
        page.pszTemplate = MAKEINTRESOURCEW(kPageTemplates[i]);
        page.pfnDlgProc = PageProc;
        page.pszTitle = caption.c_str();
        page.lParam = reinterpret_cast<LPARAM>(&m_contexts[static_cast<std::size_t>(i)]);
        pages.push_back(CreatePropertySheetPageW(&page));
    }

    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_WIZARD | PSH_NOAPPLYNOW | PSH_USECALLBACK | PSH_USEICONID;
    header.hwndParent = parent == platform::kNoWindow ? nullptr : reinterpret_cast<HWND>(parent);
    header.hInstance = m_instance;
    header.pszIcon = MAKEINTRESOURCEW(IDI_APP);
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(wizard.StartPage());
    header.phpage = pages.data();
    header.pfnCallback = SheetCallback;

    // The callback has no context of its own: the host runs one sheet at a time.
    s_current = this;
    wizard.AttachView(&m_view);
    PropertySheetW(&header);
    wizard.AttachView(nullptr);
    s_current = nullptr;
    m_sheet = nullptr;
    m_wizard = nullptr;
    return m_finished ? platform::WizardResult::Finished : platform::WizardResult::Cancelled;
}

Win32WizardHost* Win32WizardHost::s_current = nullptr;

int CALLBACK Win32WizardHost::SheetCallback(HWND sheet, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && s_current)
        s_current->InitSheet(sheet);
    return 0;
}

void Win32WizardHost::InitSheet(HWND sheet)
{
    m_sheet = sheet;
    m_view.SetSheet(sheet);
    // The window icon: resource 128, large and small.
    const auto large = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    const auto small = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageW(sheet, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageW(sheet, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    // No help button in a wizard without help.
    if (HWND help = GetDlgItem(sheet, IDHELP))
        ShowWindow(help, SW_HIDE);
    CentreWindow(sheet, GetWindow(sheet, GW_OWNER));
}

void Win32WizardHost::InitPage(HWND page, int index)
{
    m_pages[static_cast<std::size_t>(index)] = page;
    m_view.AddContainer(page);
    PrepareControls(page);
    m_view.PreparePathDisplay(page);
    if (index < platform::kPageCount && TakesDroppedFiles(m_wizard->Page(index).Id()))
        DragAcceptFiles(page, TRUE);
}

void Win32WizardHost::OnDropFiles(HWND page, int index, HDROP drop)
{
    const std::vector<std::string> paths = DroppedPaths(drop);
    POINT point{};
    DragQueryPoint(drop, &point);
    DragFinish(drop);
    // Only the shown page takes a drop; the point is in its client area.
    if (paths.empty() || reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) != page)
        return;
    ControlId target = ControlId::None;
    int row = -1;
    if (HWND control = ControlAt(page, point)) {
        target = static_cast<ControlId>(GetDlgCtrlID(control));
        if (!ListColumnCaptions(target).empty()) {
            LVHITTESTINFO hit{};
            hit.pt = point;
            MapWindowPoints(page, control, &hit.pt, 1);
            const int item = static_cast<int>(SendMessageW(control, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            row = (hit.flags & LVHT_ONITEM) ? item : -1;
        }
    }
    m_wizard->Page(index).OnDropFiles(target, row, paths);
}

INT_PTR CALLBACK Win32WizardHost::PageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
        auto* context = reinterpret_cast<PageContext*>(sheetPage->lParam);
        SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
        context->host->InitPage(page, context->index);
        return TRUE;
    }
    auto* context = reinterpret_cast<PageContext*>(GetWindowLongPtrW(page, DWLP_USER));
    if (!context || !context->host->m_wizard)
        return FALSE;
    switch (message) {
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lparam);
        if (header.code == NM_CUSTOMDRAW && PathColumn(static_cast<ControlId>(header.idFrom)) >= 0)
            return Answer(page, context->host->m_view.CustomDrawList(*reinterpret_cast<NMLVCUSTOMDRAW*>(lparam)));
        return context->host->OnPageNotify(page, context->index, header);
    }
    case WM_COMMAND:
        context->host->OnPageCommand(context->index, wparam);
        return FALSE;
    case WM_DROPFILES:
        context->host->OnDropFiles(page, context->index, reinterpret_cast<HDROP>(wparam));
        return Answer(page, 0);
    case WM_DPICHANGED_AFTERPARENT:
        context->host->m_view.RefitPaths();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR Win32WizardHost::OnPageNotify(HWND page, int index, const NMHDR& header)
{
    platform::PageLogic& logic = m_wizard->Page(index);
    auto jumpResult = [&](const PageJump& jump) -> LONG_PTR {
        switch (jump.kind) {
        case PageJump::Kind::Default:
            return 0;
        case PageJump::Kind::Stay:
            return -1;
        case PageJump::Kind::ToPage:
            if (jump.page >= 0 && jump.page < static_cast<int>(m_pages.size()) && jump.page < platform::kPageCount)
                return kPageTemplates[jump.page];
            return -1;
        }
        return -1;
    };

    switch (header.code) {
    case PSN_SETACTIVE:
        if (!m_initialised[static_cast<std::size_t>(index)]) {
            m_initialised[static_cast<std::size_t>(index)] = true;
            logic.OnInitDialog();
        }
        logic.OnSetActive();
        return Answer(page, 0);
    case PSN_WIZNEXT:
        return Answer(page, jumpResult(logic.OnWizardNext()));
    case PSN_WIZBACK:
        return Answer(page, jumpResult(logic.OnWizardBack()));
    case PSN_WIZFINISH: {
        const bool close = logic.OnWizardFinish();
        if (close)
            m_finished = true;
        return Answer(page, close ? FALSE : TRUE);
    }
    case PSN_QUERYCANCEL:
        return Answer(page, logic.OnQueryCancel() ? FALSE : TRUE);
    case NM_DBLCLK:
        logic.OnDoubleClick(static_cast<ControlId>(header.idFrom));
        return FALSE;
    default:
        return FALSE;
    }
}

void Win32WizardHost::OnPageCommand(int index, WPARAM wparam)
{
    const auto id = static_cast<ControlId>(LOWORD(wparam));
    switch (HIWORD(wparam)) {
    case BN_CLICKED:
        m_wizard->Page(index).OnCommand(id);
        break;
    case EN_CHANGE:
        if (!m_view.SettingText())
            m_wizard->Page(index).OnTextChanged(id);
        break;
    default:
        break;
    }
}

platform::DialogOutcome Win32WizardHost::RunDialog(platform::DialogLogic& dialog)
{
    DialogContext context{this, &dialog, Win32ControlView()};
    HWND owner = m_sheet ? m_sheet : GetActiveWindow();
    const INT_PTR result = DialogBoxParamW(m_instance, MAKEINTRESOURCEW(IDD_ITEM_SELECTION), owner, DialogProc,
                                           reinterpret_cast<LPARAM>(&context));
    return result == IDOK ? DialogOutcome::Ok : DialogOutcome::Cancel;
}

void Win32WizardHost::EndDialogWith(HWND dialog, DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Ok)
        EndDialog(dialog, IDOK);
    else if (outcome == DialogOutcome::Cancel)
        EndDialog(dialog, IDCANCEL);
}

INT_PTR CALLBACK Win32WizardHost::DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG) {
        auto* context = reinterpret_cast<DialogContext*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        context->view.AddContainer(dialog);
        PrepareControls(dialog);
        SetWindowTextW(dialog, TextToWide(context->logic->Title()).c_str());
        context->logic->OnInitDialog(context->view);
        CentreWindow(dialog, GetWindow(dialog, GW_OWNER));
        return TRUE;
    }
    auto* context = reinterpret_cast<DialogContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!context || message != WM_COMMAND)
        return FALSE;

    const int id = LOWORD(wparam);
    const int code = HIWORD(wparam);
    platform::DialogLogic& logic = *context->logic;
    // Enter sends the default button's id (OK); Escape and the close box send IDCANCEL.
    if ((id == IDOK || id == static_cast<int>(ControlId::DialogOk)) && code == BN_CLICKED) {
        EndDialogWith(dialog, logic.OnOk());
        return TRUE;
    }
    if ((id == IDCANCEL || id == static_cast<int>(ControlId::DialogCancel)) && code == BN_CLICKED) {
        EndDialogWith(dialog, logic.OnCancel());
        return TRUE;
    }
    if (id == static_cast<int>(ControlId::HeadingList) && code == LBN_DBLCLK) {
        EndDialogWith(dialog, logic.OnDoubleClick(ControlId::HeadingList));
        return TRUE;
    }
    if (code == BN_CLICKED) {
        EndDialogWith(dialog, logic.OnCommand(static_cast<ControlId>(id)));
        return TRUE;
    }
    return FALSE;
}

}  // namespace corvane::win32
