#include "FindingsWalk.h"

#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "WindowCapture.h"
#include "WizardProcess.h"
#include "WizardWalk.h"

namespace corvane::testcaller {

namespace {

constexpr int kDetails = Id(platform::ControlId::FindingsDetails);
constexpr int kCopy = Id(platform::ControlId::FindingsCopy);
constexpr int kEmployees = 60;
constexpr int kShownLines = 15;

std::wstring TextOf(HWND window)
{
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::wstring Clipboard()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// `code` in `text` with no digit right before or after it.
bool Bounded(const std::wstring& text, const std::wstring& code)
{
    for (std::size_t at = text.find(code); at != std::wstring::npos; at = text.find(code, at + 1)) {
        const bool before = at > 0 && std::iswdigit(text[at - 1]);
        const bool after = at + code.size() < text.size() && std::iswdigit(text[at + code.size()]);
        if (!before && !after)
            return true;
    }
    return false;
}

// An employee by the summaries' code or by the list's, with its zero.
bool Names(const std::wstring& text, const std::wstring& code)
{
    return Bounded(text, code) || Bounded(text, L"0" + code);
}

class Checks {
public:
    void Expect(bool ok, const char* what)
    {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
        std::fflush(stdout);
        m_failed += ok ? 0 : 1;
    }
    int Failed() const { return m_failed; }

private:
    int m_failed = 0;
};

// 次へ, then until the page after it shows: reading a large set takes a while.
bool NextPage(WizardWalk& walk, int from)
{
    walk.Next();
    for (int i = 0; i < 300 && walk.CurrentPage() == from; ++i)
        PumpFor(100);
    return walk.CurrentPage() != from;
}

// Starts the wizard and walks it to 完了 on `folder`, the output into it.
HWND ToOutputPage(WizardProcess& wizard, const std::wstring& exe, const std::wstring& folder, Checks& checks)
{
    if (!wizard.Start(exe, L"")) {
        std::printf("CreateProcess: error %lu\n", GetLastError());
        checks.Expect(false, "corvane.exe starts");
        return nullptr;
    }
    HWND sheet = wizard.WaitForDialog(60000);
    checks.Expect(sheet != nullptr, "the wizard is shown");
    if (!sheet)
        return nullptr;
    WizardWalk walk(wizard, sheet);
    const std::wstring prefix = folder + L"\\";
    NextPage(walk, 0);
    walk.ChooseFiles(kEmployeeBrowse, prefix + L"employees.txt");
    NextPage(walk, 1);
    std::wstring salaries;
    for (int month = 1; month <= 12; ++month) {
        wchar_t name[32];
        swprintf(name, 32, L"\"salary-%02d.txt\" ", month);
        salaries += name;
    }
    // The dialog takes several names relative to the folder it shows: open the folder first.
    walk.ChooseFiles(kSalaryBrowse, prefix + L"salary-01.txt");
    walk.ChooseFiles(kSalaryBrowse, salaries);
    NextPage(walk, 2);
    walk.ChooseFiles(kBonusBrowse1, prefix + L"bonus-1.txt");
    walk.ChooseFiles(kBonusBrowse2, prefix + L"bonus-2.txt");
    NextPage(walk, 3);
    if (walk.CurrentPage() == kItemPage)
        NextPage(walk, kItemPage);
    DeleteFileW((folder + L"\\out.XML").c_str());
    walk.ChooseFiles(kOutputBrowse, folder + L"\\out.XML");
    checks.Expect(walk.Failed() == 0 && walk.CurrentPage() == kOutputPage, "the walk reaches the output page");
    return sheet;
}

void CheckBox(Checks& checks, HWND box, HWND details)
{
    RECT rect{};
    GetWindowRect(box, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    std::printf("findings box %ldx%ld at %ld,%ld; work area %ldx%ld\n", rect.right - rect.left, rect.bottom - rect.top,
                rect.left, rect.top, work.right - work.left, work.bottom - work.top);
    checks.Expect(
        rect.left >= work.left && rect.top >= work.top && rect.right <= work.right && rect.bottom <= work.bottom,
        "the findings box lies inside the work area");
    checks.Expect((GetWindowLongW(box, GWL_STYLE) & WS_THICKFRAME) != 0, "the findings box can be resized");

    // Scrolled to its end, the area shows its last lines: how many it shows.
    const auto lines = static_cast<int>(SendMessageW(details, EM_GETLINECOUNT, 0, 0));
    SendMessageW(details, WM_VSCROLL, SB_BOTTOM, 0);
    PumpFor(200);
    const auto first = static_cast<int>(SendMessageW(details, EM_GETFIRSTVISIBLELINE, 0, 0));
    std::printf("details: %d lines, %d shown\n", lines, lines - first);
    checks.Expect(lines > kShownLines && lines - first >= kShownLines,
                  "the details show at least fifteen lines and scroll");
    SendMessageW(details, WM_VSCROLL, SB_TOP, 0);

    const std::wstring text = TextOf(details);
    int named = 0;
    for (int i = 0; i < kEmployees; ++i)
        named += Names(text, std::to_wstring(1001 + i)) ? 1 : 0;
    std::printf("the details name %d of %d employees\n", named, kEmployees);
    checks.Expect(named == kEmployees, "the details name every employee");

    checks.Expect(LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0)) == IDNO, "いいえ is the default button");
    PostMessageW(box, WM_COMMAND, kCopy, 0);
    PumpFor(500);
    checks.Expect(!text.empty() && Clipboard() == text, "一覧をコピー puts the details whole on the clipboard");
}

// Keys typed while the conversion runs do not answer the box after it.
void KeysDuringConversion(Checks& checks, const std::wstring& exe, const std::wstring& folder)
{
    WizardProcess wizard;
    HWND sheet = ToOutputPage(wizard, exe, folder, checks);
    if (!sheet)
        return;
    SetForegroundWindow(sheet);
    PumpFor(300);
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    PumpFor(100);
    INPUT keys[4] = {};
    const WORD sequence[4][2] = {{VK_MENU, 0}, {VK_F4, 0}, {VK_F4, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i][0];
        keys[i].ki.dwFlags = sequence[i][1];
    }
    SendInput(4, keys, sizeof(INPUT));
    PressKey(VK_RETURN);
    const DWORD typed = GetTickCount();
    HWND done = wizard.WaitForDialog(120000, sheet);
    std::printf("the completion message came %lu ms after the keys\n", GetTickCount() - typed);
    PumpFor(1500);
    checks.Expect(done != nullptr && IsWindow(done) && IsWindowVisible(done),
                  "Alt+F4 and Enter typed during the conversion leave the completion message open");
    if (done && IsWindow(done))
        PostMessageW(done, WM_COMMAND, IDOK, 0);
    checks.Expect(wizard.WaitForExit(30000) == 0, "corvane.exe ends after the completion message");
}

}  // namespace

int WalkFindings(const std::wstring& corvaneExe, const std::wstring& zeroLostFolder, const std::wstring& shots,
                 const std::wstring& busyFolder)
{
    Checks checks;
    {
        WizardProcess wizard;
        HWND sheet = ToOutputPage(wizard, corvaneExe, zeroLostFolder, checks);
        if (!sheet)
            return checks.Failed() + 1;
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
        HWND box = wizard.WaitForDialog(60000, sheet);
        HWND details = box ? GetDlgItem(box, kDetails) : nullptr;
        checks.Expect(details != nullptr, "完了 shows the findings box with its details");
        if (details) {
            PumpFor(500);
            if (!shots.empty()) {
                SetForegroundWindow(box);
                PumpFor(500);
                checks.Expect(CaptureWindow(box, shots + L"\\9-findings.bmp"), "the findings box's picture");
            }
            CheckBox(checks, box, details);
            SetForegroundWindow(box);
            PumpFor(300);
            PressKey(VK_ESCAPE);
            PumpFor(500);
            checks.Expect(!IsWindow(box), "Escape closes the findings box");
            checks.Expect(GetFileAttributesW((zeroLostFolder + L"\\out.XML").c_str()) == INVALID_FILE_ATTRIBUTES,
                          "いいえ writes nothing");
            checks.Expect(IsWindow(sheet) != 0, "the wizard stays open after いいえ");
        }
        // Files are chosen, so キャンセル asks whether to discard them first.
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        HWND question = wizard.WaitForDialog(20000, sheet);
        checks.Expect(question != nullptr, "キャンセル asks whether to discard the input");
        if (question)
            PostMessageW(question, WM_COMMAND, IDYES, 0);
        checks.Expect(wizard.WaitForExit(30000) == 0, "corvane.exe ends after キャンセル and はい");
    }
    if (!busyFolder.empty())
        KeysDuringConversion(checks, corvaneExe, busyFolder);
    std::printf("findings: %d failed\n", checks.Failed());
    std::fflush(stdout);
    return checks.Failed();
}

}  // namespace corvane::testcaller
