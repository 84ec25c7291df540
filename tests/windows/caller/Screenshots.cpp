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

std::wstring TextOf(HWND window)
{
    wchar_t text[2048] = {};
    SendMessageW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    return text;
}

// For the log: the walk's output is read as UTF-8.
std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

bool EndsWith(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The employee field shows its path whole or shortened in the middle with
// the file name whole; its tooltip is the full path.
void CheckEmployeePath(WizardWalk& walk, const std::wstring& folder)
{
    HWND field = walk.FindPageControl(kEmployeePath);
    const std::wstring full = folder + L"\\employees.txt";
    const std::wstring shown = field ? TextOf(field) : std::wstring();
    std::printf("employee field shows: %s\n", Utf8(shown).c_str());
    if (shown.empty()) {
        walk.Fail("the employee list was not taken");
        return;
    }
    if (shown != full) {
        std::printf("elided: %s\n", Utf8(shown).c_str());
        if (shown.find(L"...") == std::wstring::npos || !EndsWith(shown, L"\\employees.txt") ||
            shown.size() >= full.size())
            walk.Fail("the employee field does not show the path shortened in the middle");
    }
    RECT rect{};
    GetWindowRect(field, &rect);
    const std::wstring tip = walk.TooltipAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    std::printf("employee field tooltip: %s\n", Utf8(tip).c_str());
    if (tip != full)
        walk.Fail("the employee field's tooltip is not the full path");
    std::fflush(stdout);
}

// The salary list's first row has the full path of the first month as its tooltip.
void CheckSalaryTooltip(WizardWalk& walk, const std::wstring& folder)
{
    HWND list = walk.FindPageControl(kSalaryList);
    HWND header = list ? FindWindowExW(list, nullptr, WC_HEADERW, nullptr) : nullptr;
    if (!header) {
        walk.Fail("no salary list");
        return;
    }
    RECT list_rect{};
    RECT header_rect{};
    GetWindowRect(list, &list_rect);
    GetWindowRect(header, &header_rect);
    // The first row lies under the header, about as high as the header.
    const POINT point{(list_rect.left + list_rect.right) / 2,
                      header_rect.bottom + (header_rect.bottom - header_rect.top) / 2};
    const std::wstring tip = walk.TooltipAt(point);
    std::printf("salary row tooltip: %s\n", Utf8(tip).c_str());
    std::fflush(stdout);
    if (tip != folder + L"\\salary-01.txt")
        walk.Fail("the salary list's first row has not the full path as its tooltip");
}

// The output went to the employee list's folder: the location field shows
// the folder's name, its tooltip the whole folder.
void CheckLocation(WizardWalk& walk, const std::wstring& folder)
{
    HWND field = walk.FindPageControl(kLocationEdit);
    const std::wstring shown = field ? TextOf(field) : std::wstring();
    std::printf("location field shows: %s\n", Utf8(shown).c_str());
    if (shown != folder.substr(folder.rfind(L'\\') + 1))
        walk.Fail("the save dialog did not start in the employee list's folder");
    RECT rect{};
    GetWindowRect(field, &rect);
    const std::wstring tip = walk.TooltipAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    std::printf("location field tooltip: %s\n", Utf8(tip).c_str());
    if (tip != folder)
        walk.Fail("the location field's tooltip is not the whole folder");
    std::fflush(stdout);
}

}  // namespace

int TakeScreenshots(const std::wstring& corvaneExe, const std::wstring& dataFolder, const std::wstring& outFolder,
                    Handover handover)
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
    walk.ChooseSampleFiles(
        dataFolder,
        [&](const wchar_t* page) {
            const std::wstring name = page;
            if (name == L"2-employee-file")
                CheckEmployeePath(walk, dataFolder);
            else if (name == L"3-salary-files")
                CheckSalaryTooltip(walk, dataFolder);
            // Away from the page, so that no tooltip shows in the picture.
            SetCursorPos(0, 0);
            PumpFor(300);
            shoot(sheet, page);
        },
        handover);
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
    // A bare name: the save dialog starts in the employee list's folder.
    walk.ChooseFiles(kOutputBrowse, L"中間ファイル.XML");
    CheckLocation(walk, dataFolder);
    SetCursorPos(0, 0);
    PumpFor(300);
    shoot(sheet, L"6-output");

    // キャンセル with files chosen asks first; いいえ keeps the wizard open.
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    if (HWND question = wizard.WaitForDialog(20000, sheet)) {
        const std::wstring text = MessageText(question);
        std::printf("cancel asks: %s\n", Utf8(text).c_str());
        if (text != L"入力した内容を破棄して終了しますか？")
            walk.Fail("キャンセル does not ask whether to discard the input");
        shoot(question, L"9-cancel-question");
        PostMessageW(question, WM_COMMAND, IDNO, 0);
        PumpFor(800);
        if (!IsWindow(sheet) || !IsWindowVisible(sheet) || walk.CurrentPage() != kOutputPage)
            walk.Fail("いいえ did not keep the wizard on the output page");
    } else {
        walk.Fail("キャンセル with files chosen asked nothing");
    }

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
