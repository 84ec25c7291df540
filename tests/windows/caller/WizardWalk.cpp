#include "WizardWalk.h"

#include <prsht.h>

#include <cstdio>

namespace corvane::testcaller {

namespace {

// The file name field of the common file dialog.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

}  // namespace

bool WizardWalk::ChooseFiles(int buttonId, const std::wstring& names)
{
    HWND button = FindPageControl(buttonId);
    if (!button)
        return Fail("button not found");
    SetFocus(button);
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND dialog = m_wizard.WaitForDialog(20000, m_sheet);
    if (!dialog)
        return Fail("no file dialog");
    PumpFor(500);
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

void WizardWalk::ChooseSampleFiles(const std::wstring& folder, const std::function<void(const wchar_t*)>& shown)
{
    auto done = [&](const wchar_t* page) {
        if (shown)
            shown(page);
        Next();
    };
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
