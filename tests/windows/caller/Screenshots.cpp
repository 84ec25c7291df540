#include "Screenshots.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "LayoutCheck.h"
#include "WindowCapture.h"
#include "WizardProcess.h"
#include "WizardWalk.h"

namespace corvane::testcaller {

namespace {

// The dialog units of the page and dialog templates (gui/win32/corvane.rc).
constexpr SIZE kPageUnits{317, 186};
constexpr SIZE kItemDialogUnits{286, 206};

bool Shoot(HWND window, const std::wstring& folder, const wchar_t* name)
{
    PumpFor(700);
    SetForegroundWindow(window);
    PumpFor(300);
    const bool ok = CaptureWindow(window, folder + L"\\" + name + L".bmp");
    std::printf("%s: %ls\n", ok ? "shot" : "FAIL", name);
    std::fflush(stdout);
    return ok;
}

}  // namespace

int TakeScreenshots(const std::wstring& corvaneExe, const std::wstring& dataFolder, const std::wstring& outFolder)
{
    MakeDpiAware();
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
    WizardWalk walk(wizard, sheet);
    int failed = 0;
    // Each page and the item dialog are checked for their layout as they are shown.
    auto shoot = [&](HWND window, const wchar_t* name) {
        if (window == sheet) {
            HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            failed += CheckLayout(page, kPageUnits.cx, kPageUnits.cy, name);
        } else if (std::wstring(name) == L"7-item-selection") {
            failed += CheckLayout(window, kItemDialogUnits.cx, kItemDialogUnits.cy, name);
        }
        if (!Shoot(window, outFolder, name))
            ++failed;
    };

    shoot(sheet, L"1-start");
    walk.Next();
    walk.ChooseSampleFiles(dataFolder, [&](const wchar_t* page) { shoot(sheet, page); });
    // The wizard passed over the item page: show it all the same.
    PostMessageW(sheet, PSM_SETCURSEL, 4, 0);
    PumpFor(800);
    shoot(sheet, L"5-item-correspondence");
    if (HWND browse = walk.FindPageControl(kItemsBrowse)) {
        SetFocus(browse);
        PostMessageW(browse, BM_CLICK, 0, 0);
        if (HWND dialog = wizard.WaitForDialog(20000, sheet)) {
            shoot(dialog, L"7-item-selection");
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            PumpFor(500);
        } else {
            walk.Fail("no item dialog");
        }
    }
    walk.Next();
    walk.ChooseFiles(kOutputBrowse, dataFolder + L"\\中間ファイル.XML");
    shoot(sheet, L"6-output");

    // 完了 converts; the completion message closes the wizard.
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    if (HWND done = wizard.WaitForDialog(60000, sheet)) {
        shoot(done, L"8-finished");
        PostMessageW(done, WM_COMMAND, IDOK, 0);
    } else {
        walk.Fail("no completion message");
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
    if (wizard.WaitForExit(30000) == -1)
        walk.Fail("corvane.exe did not end");
    return walk.Failed() + failed;
}

}  // namespace corvane::testcaller
