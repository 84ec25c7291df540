#include "WizardWalk.h"

#include <prsht.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace corvane::testcaller {

namespace {

// The file name field of the common file dialog.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

// The first edit field among the descendants of `window`.
HWND FindEdit(HWND window)
{
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (lstrcmpiW(name, L"Edit") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::wstring MessageText(HWND window)
{
    std::wstring longest;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (lstrcmpiW(name, L"Button") == 0)
                return TRUE;
            wchar_t text[1024] = {};
            SendMessageW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
            auto* out = reinterpret_cast<std::wstring*>(result);
            if (std::wcslen(text) > out->size())
                *out = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&longest));
    return longest;
}

namespace {

// A message box over the sheet after a choice: its first line is printed and OK pressed.
void AnswerMessage(WizardProcess& wizard, HWND sheet)
{
    if (HWND box = wizard.WaitForDialog(1500, sheet)) {
        std::wstring text = MessageText(box);
        text = text.substr(0, text.find_first_of(L"\r\n"));
        const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string line(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, line.data(), size, nullptr, nullptr);
        std::printf("message: %s\n", line.c_str());
        std::fflush(stdout);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        PumpFor(500);
    }
}

// Puts the mouse at `point`: under wine a move can be lost to the pointer
// events of the move before it, so it is checked and repeated.
void MoveCursor(POINT point)
{
    for (int i = 0; i < 20; ++i) {
        SetCursorPos(point.x, point.y);
        PumpFor(100);
        POINT now{};
        GetCursorPos(&now);
        if (now.x == point.x && now.y == point.y)
            return;
    }
}

}  // namespace

HWND WizardWalk::PressForDialog(int buttonId, const char* noButton, const char* noDialog)
{
    HWND button = FindPageControl(buttonId);
    if (!button) {
        Fail(noButton);
        return nullptr;
    }
    SetFocus(button);
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND dialog = m_wizard.WaitForDialog(20000, m_sheet);
    if (!dialog) {
        Fail(noDialog);
        return nullptr;
    }
    PumpFor(500);
    return dialog;
}

bool WizardWalk::ChooseFolder(const std::wstring& folder)
{
    HWND dialog = PressForDialog(kEmployeeFolder, "folder button not found", "no folder dialog");
    if (!dialog)
        return false;
    if (folder.empty()) {
        // キャンセル: the page stays as it was, without a message.
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i)
            PumpFor(50);
        PumpFor(500);
        if (m_wizard.WaitForDialog(500, m_sheet))
            return Fail("the folder dialog's cancel left a window open");
        return true;
    }
    HWND field = FindEdit(dialog);
    if (!field)
        return Fail("no folder name field in the folder dialog");
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i)
        PumpFor(50);
    if (IsWindow(dialog) && IsWindowVisible(dialog))
        return Fail("the folder dialog did not close");
    PumpFor(800);
    AnswerMessage(m_wizard, m_sheet);
    return true;
}

bool WizardWalk::DropFiles(int id, const std::vector<std::wstring>& paths)
{
    HWND control = FindPageControl(id);
    if (!control)
        return Fail("drop target not found");
    HWND page = GetParent(control);
    RECT rect{};
    GetWindowRect(control, &rect);
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(page, &point);

    // A DROPFILES with wide names, each ended by a NUL, the list by one more.
    std::wstring names;
    for (const auto& path : paths) {
        names += path;
        names += L'\0';
    }
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.pt = point;
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::vector<char> block(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    // A posted message carries no memory into another process: the handle is
    // written into corvane.exe's own memory, where DragQueryFile reads it.
    void* remote = VirtualAllocEx(m_wizard.Process(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(m_wizard.Process(), remote, block.data(), block.size(), nullptr))
        return Fail("cannot write the drop into corvane.exe");
    PostMessageW(page, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    PumpFor(1500);
    AnswerMessage(m_wizard, m_sheet);
    return true;
}

std::wstring WizardWalk::TooltipAt(POINT point)
{
    HWND tooltip = nullptr;
    // On a busy machine the tooltip control may miss the first approach (the
    // window under the mouse was not ready yet): leave and come back.
    for (int attempt = 0; attempt < 3 && !tooltip; ++attempt) {
        // Away first, so that the tooltip of a control shown before hides.
        MoveCursor({point.x, point.y - 200});
        PumpFor(300);
        MoveCursor(point);
        // The mouse rests there, nudged now and then: a move that came before the
        // window under it was ready starts no tooltip.
        for (int i = 0; i < 8 && !tooltip; ++i) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = MOUSEEVENTF_MOVE;
            input.mi.dx = i % 2 == 0 ? 1 : -1;
            SendInput(1, &input, sizeof input);
            tooltip = m_wizard.WaitForWindow(L"tooltips_class32", 1000);
        }
    }
    if (!tooltip)
        return std::wstring();
    wchar_t text[2048] = {};
    SendMessageW(tooltip, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return text;
}

bool WizardWalk::ChooseFiles(int buttonId, const std::wstring& names)
{
    HWND dialog = PressForDialog(buttonId, "button not found", "no file dialog");
    if (!dialog)
        return false;
    HWND field = GetDlgItem(dialog, kFileNameCombo);
    if (!field)
        field = GetDlgItem(dialog, kFileNameEdit);
    if (!field)
        return Fail("no file name field");
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // The dialog closes; a message box may follow.
    for (int i = 0; i < 100 && IsWindow(dialog) && IsWindowVisible(dialog); ++i)
        PumpFor(50);
    PumpFor(500);
    return true;
}

void WizardWalk::ChooseSampleFiles(const std::wstring& folder, const std::function<void(const wchar_t*)>& shown,
                                   Handover handover)
{
    auto done = [&](const wchar_t* page) {
        if (shown)
            shown(page);
        Next();
    };
    if (handover != Handover::Files) {
        // The folder fills the three pages at once.
        if (handover == Handover::Folder) {
            ChooseFolder(L"");
            wchar_t path[16] = {};
            SendMessageW(FindPageControl(kEmployeePath), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(path));
            if (path[0])
                Fail("the folder dialog's cancel chose something");
            ChooseFolder(folder);
        } else
            DropFiles(kEmployeePath, {folder});
        done(L"2-employee-file");
        done(L"3-salary-files");
        if (handover == Handover::Drop)
            DropBonusFilesOnRows(folder);
        done(L"4-bonus-files");
        if (CurrentPage() == kItemPage)
            Next();
        return;
    }
    const std::wstring prefix = folder + L"\\";
    ChooseFiles(kEmployeeBrowse, prefix + L"employees.txt");
    done(L"2-employee-file");
    std::wstring salaries;
    for (int month = 1; month <= 12; ++month) {
        wchar_t name[32];
        swprintf(name, 32, L"\"salary-%02d.txt\" ", month);
        salaries += name;
    }
    // The dialog takes several names relative to the folder it shows: open the folder first.
    ChooseFiles(kSalaryBrowse, prefix + L"salary-01.txt");
    ChooseFiles(kSalaryBrowse, salaries);
    done(L"3-salary-files");
    ChooseFiles(kBonusBrowse1, prefix + L"bonus-1.txt");
    ChooseFiles(kBonusBrowse2, prefix + L"bonus-2.txt");
    done(L"4-bonus-files");
    // The item page, when the wizard shows it, takes the correspondence it proposes.
    if (CurrentPage() == kItemPage)
        Next();
}

void WizardWalk::DropBonusFilesOnRows(const std::wstring& folder)
{
    // Cleared, then each file dropped on its own row, the second first and
    // on its label: in the wrong rows the file written would differ.
    HWND clear = FindPageControl(kBonusClear);
    if (!clear) {
        Fail("no bonus clear button");
        return;
    }
    PostMessageW(clear, BM_CLICK, 0, 0);
    PumpFor(500);
    AnswerMessage(m_wizard, m_sheet);
    DropFiles(kBonusLabel2, {folder + L"\\bonus-2.txt"});
    DropFiles(kBonusPath1, {folder + L"\\bonus-1.txt"});
    for (int row = 1; row <= 2; ++row) {
        wchar_t shown[1024] = {};
        SendMessageW(FindPageControl(kBonusPath1 + row - 1), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(shown));
        const std::wstring text = shown;
        const std::wstring name = row == 1 ? L"\\bonus-1.txt" : L"\\bonus-2.txt";
        if (text.size() < name.size() || text.compare(text.size() - name.size(), name.size(), name) != 0)
            Fail("a bonus file dropped on a row is not in that row");
    }
}

int WizardWalk::CurrentPage() const
{
    HWND page = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return static_cast<int>(SendMessageW(m_sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

void WizardWalk::Next()
{
    PostMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    PumpFor(800);
}

HWND WizardWalk::FindPageControl(int id) const
{
    HWND page = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page ? GetDlgItem(page, id) : nullptr;
}

bool WizardWalk::Fail(const char* what)
{
    std::printf("FAIL: %s\n", what);
    std::fflush(stdout);
    ++m_failed;
    return false;
}

void ClickWindow(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpFor(100);
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    PumpFor(400);
}

void PressKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = key;
    input[1].type = INPUT_KEYBOARD;
    input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    PumpFor(300);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

}  // namespace corvane::testcaller
