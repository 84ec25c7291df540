#include "Screenshots.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "WindowCapture.h"
#include "WizardProcess.h"

namespace corvane::testcaller {

namespace {

// Ids of the wizard's controls (platform/ControlIds.h).
constexpr int kEmployeeBrowse = 1103;
constexpr int kSalaryBrowse = 1203;
constexpr int kBonusBrowse1 = 1321;
constexpr int kBonusBrowse2 = 1322;
constexpr int kItemsBrowse = 1402;
constexpr int kOutputBrowse = 1507;
// The file name field of the common file dialog.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

class Walk {
public:
    Walk(WizardProcess& wizard, HWND sheet, std::wstring outFolder)
        : m_wizard(wizard), m_sheet(sheet), m_out(std::move(outFolder))
    {
    }

    void Shoot(HWND window, const wchar_t* name)
    {
        PumpFor(700);
        SetForegroundWindow(window);
        PumpFor(300);
        const bool ok = CaptureWindow(window, m_out + L"\\" + name + L".bmp");
        std::printf("%s: %ls\n", ok ? "shot" : "FAIL", name);
        std::fflush(stdout);
        if (!ok)
            ++m_failed;
    }

    // Presses a page's button and answers the file dialog that it opens with `names`.
    bool ChooseFiles(int buttonId, const std::wstring& names)
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

    void Next()
    {
        PostMessageW(m_sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        PumpFor(800);
    }

    HWND FindPageControl(int id) const
    {
        HWND page = reinterpret_cast<HWND>(SendMessageW(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        return page ? GetDlgItem(page, id) : nullptr;
    }

    bool Fail(const char* what)
    {
        std::printf("FAIL: %s\n", what);
        ++m_failed;
        return false;
    }

    HWND Sheet() const { return m_sheet; }
    int Failed() const { return m_failed; }

private:
    WizardProcess& m_wizard;
    HWND m_sheet;
    std::wstring m_out;
    int m_failed = 0;
};

}  // namespace

int TakeScreenshots(const std::wstring& corvaneExe, const std::wstring& dataFolder, const std::wstring& outFolder)
{
    WizardProcess wizard;
    if (!wizard.Start(corvaneExe, L"")) {
        std::printf("FAIL: corvane.exe does not start\n");
        return 1;
    }
    HWND sheet = wizard.WaitForDialog(60000);
    if (!sheet) {
        std::printf("FAIL: no wizard\n");
        return 1;
    }
    SetWindowPos(sheet, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    Walk walk(wizard, sheet, outFolder);
    const std::wstring folder = dataFolder + L"\\";

    walk.Shoot(sheet, L"1-start");
    walk.Next();
    walk.ChooseFiles(kEmployeeBrowse, folder + L"employees.txt");
    walk.Shoot(sheet, L"2-employee-file");
    walk.Next();
    std::wstring salaries;
    for (int month = 1; month <= 12; ++month) {
        wchar_t name[32];
        swprintf(name, 32, L"\"salary-%02d.txt\" ", month);
        salaries += name;
    }
    // The dialog takes several names relative to the folder it shows: open the folder first.
    walk.ChooseFiles(kSalaryBrowse, folder + L"salary-01.txt");
    walk.ChooseFiles(kSalaryBrowse, salaries);
    walk.Shoot(sheet, L"3-salary-files");
    walk.Next();
    walk.ChooseFiles(kBonusBrowse1, folder + L"bonus-1.txt");
    walk.ChooseFiles(kBonusBrowse2, folder + L"bonus-2.txt");
    walk.Shoot(sheet, L"4-bonus-files");
    // 次へ prepares the correspondence; the sample exports have the standard
    // layout, so the wizard passes over its page: show it all the same.
    walk.Next();
    PostMessageW(sheet, PSM_SETCURSEL, 4, 0);
    PumpFor(800);
    walk.Shoot(sheet, L"5-item-correspondence");
    if (HWND browse = walk.FindPageControl(kItemsBrowse)) {
        SetFocus(browse);
        PostMessageW(browse, BM_CLICK, 0, 0);
        if (HWND dialog = wizard.WaitForDialog(20000, sheet)) {
            walk.Shoot(dialog, L"7-item-selection");
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            PumpFor(500);
        } else {
            walk.Fail("no item dialog");
        }
    }
    walk.Next();
    walk.ChooseFiles(kOutputBrowse, folder + L"中間ファイル.XML");
    walk.Shoot(sheet, L"6-output");

    // 完了 converts; the completion message closes the wizard.
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    if (HWND done = wizard.WaitForDialog(60000, sheet)) {
        walk.Shoot(done, L"8-finished");
        PostMessageW(done, WM_COMMAND, IDOK, 0);
    } else {
        walk.Fail("no completion message");
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
    if (wizard.WaitForExit(30000) == -1)
        walk.Fail("corvane.exe did not end");
    return walk.Failed();
}

}  // namespace corvane::testcaller
