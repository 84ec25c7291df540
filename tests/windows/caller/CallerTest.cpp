#include "CallerTest.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "WizardProcess.h"
#include "WizardWalk.h"

namespace corvane::testcaller {

namespace {

constexpr UINT kReplyMessage = 32769;
constexpr DWORD kStartTimeoutMs = 60000;

struct Reply {
    int count = 0;
    WPARAM wparam = 0;
    LPARAM lparam = 0;
};
Reply g_reply;

LRESULT CALLBACK CallerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == kReplyMessage) {
        ++g_reply.count;
        g_reply.wparam = wparam;
        g_reply.lparam = lparam;
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND CreateCallerWindow()
{
    WNDCLASSW cls{};
    cls.lpfnWndProc = CallerProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"CorvaneTestCaller";
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&cls);
    // Away from the screen's corner, so that a wizard placed at the corner is told from one centred on it.
    HWND window = CreateWindowW(cls.lpszClassName, L"Corvane test caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 220,
                                500, 380, nullptr, nullptr, cls.hInstance, nullptr);
    PumpFor(200);
    return window;
}

class Checks {
public:
    void Expect(bool ok, const char* what)
    {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
        std::fflush(stdout);
        if (!ok)
            ++m_failed;
        else
            ++m_passed;
    }
    int Failed() const { return m_failed; }
    int Passed() const { return m_passed; }

private:
    int m_passed = 0;
    int m_failed = 0;
};

std::wstring Parameter(HWND window, int functionId, const std::wstring& path)
{
    return std::to_wstring(reinterpret_cast<std::intptr_t>(window)) + L"," + std::to_wstring(kReplyMessage) + L"," +
           std::to_wstring(functionId) + L"," + path;
}

POINT Centre(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool NearlySame(POINT a, POINT b)
{
    return std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2;
}

// Whether the wizard's window is centred on `anchor`, or pushed inside the
// work area where centring would put it partly off the screen.
bool CentredOn(HWND sheet, const RECT& anchor)
{
    RECT rect{};
    GetWindowRect(sheet, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(sheet, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    POINT want = Centre(anchor);
    want.x = std::max(work.left + width / 2, std::min(want.x, work.right - (width - width / 2)));
    want.y = std::max(work.top + height / 2, std::min(want.y, work.bottom - (height - height / 2)));
    return NearlySame(Centre(rect), want) && rect.left >= work.left && rect.top >= work.top;
}

// Started with function id 3: the caller is disabled under the wizard, and
// キャンセル answers with 3 and 1.
void StartedByCallerAndCancelled(Checks& checks, HWND caller, const std::wstring& exe, const std::wstring& path)
{
    g_reply = Reply{};
    WizardProcess wizard;
    checks.Expect(wizard.Start(exe, Parameter(caller, 3, path)), "corvane.exe starts with function id 3");
    HWND sheet = wizard.WaitForDialog(kStartTimeoutMs);
    checks.Expect(sheet != nullptr, "the wizard is shown");
    if (!sheet)
        return;
    PumpFor(500);
    checks.Expect(!IsWindowEnabled(caller), "the caller window is disabled while the wizard shows");
    checks.Expect(GetWindow(sheet, GW_OWNER) == caller, "the wizard is shown over the caller window");
    RECT callerRect{};
    GetWindowRect(caller, &callerRect);
    checks.Expect(CentredOn(sheet, callerRect), "the wizard is centred on the caller window");
    checks.Expect(g_reply.count == 0, "no message before the wizard closes");

    // キャンセル, as the user presses it.
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    const int exitCode = wizard.WaitForExit(30000);
    PumpFor(300);
    checks.Expect(exitCode == 0, "corvane.exe ends after Cancel");
    checks.Expect(g_reply.count == 1, "one message is posted to the caller");
    checks.Expect(g_reply.wparam == 3, "its first parameter is the function id 3");
    checks.Expect(g_reply.lparam == 1, "its second parameter is 1 (cancelled)");
    checks.Expect(IsWindowEnabled(caller) != 0, "the caller window is enabled again");
}

// A function id other than 3 ends the program at once, with no window and no reply.
void OtherFunctionIdEndsAtOnce(Checks& checks, HWND caller, const std::wstring& exe, const std::wstring& path)
{
    g_reply = Reply{};
    WizardProcess wizard;
    checks.Expect(wizard.Start(exe, Parameter(caller, 2, path)), "corvane.exe starts with function id 2");
    const int exitCode = wizard.WaitForExit(kStartTimeoutMs);
    PumpFor(300);
    checks.Expect(exitCode != -1, "it ends by itself");
    checks.Expect(g_reply.count == 0, "no message is posted");
    checks.Expect(IsWindowEnabled(caller) != 0, "the caller window stays enabled");
}

// Three fields only: the program runs on its own and answers nobody.
void IncompleteParameterRunsOnItsOwn(Checks& checks, HWND caller, const std::wstring& exe)
{
    g_reply = Reply{};
    WizardProcess wizard;
    const std::wstring parameter =
        std::to_wstring(reinterpret_cast<std::intptr_t>(caller)) + L"," + std::to_wstring(kReplyMessage) + L",3";
    // On its own the wizard is centred on the work area of the monitor with the mouse.
    SetCursorPos(150, 120);
    checks.Expect(wizard.Start(exe, parameter), "corvane.exe starts with three fields");
    HWND sheet = wizard.WaitForDialog(kStartTimeoutMs);
    checks.Expect(sheet != nullptr, "the wizard is shown");
    if (!sheet)
        return;
    PumpFor(300);
    checks.Expect(IsWindowEnabled(caller) != 0, "the caller window stays enabled");
    checks.Expect(GetWindow(sheet, GW_OWNER) == nullptr, "the wizard has no owner");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(POINT{150, 120}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    checks.Expect(CentredOn(sheet, monitor.rcWork), "the wizard is centred on the work area");
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    checks.Expect(wizard.WaitForExit(30000) == 0, "corvane.exe ends after Cancel");
    PumpFor(300);
    checks.Expect(g_reply.count == 0, "no message is posted");
}

// A handle that is no window (a shortcut's made-up number, a caller that has
// closed): the wizard opens on its own, the output still fixed, and writes
// the given path.
void HandleThatIsNoWindow(Checks& checks, const std::wstring& exe, const std::wstring& dataFolder,
                          const std::wstring& path)
{
    HWND made_up = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x7ffe1234));
    checks.Expect(!IsWindow(made_up), "the made-up handle names no window");
    DeleteFileW(path.c_str());
    WizardProcess wizard;
    checks.Expect(wizard.Start(exe, Parameter(made_up, 3, path)), "corvane.exe starts with a handle of no window");
    HWND sheet = wizard.WaitForDialog(kStartTimeoutMs);
    checks.Expect(sheet != nullptr, "the wizard is shown as an ordinary window");
    if (!sheet)
        return;
    PumpFor(500);
    checks.Expect(GetWindow(sheet, GW_OWNER) == nullptr, "the wizard has no owner");
    WizardWalk walk(wizard, sheet);
    walk.Next();
    walk.ChooseSampleFiles(dataFolder);
    HWND name = walk.FindPageControl(kNameEdit);
    checks.Expect(walk.CurrentPage() == kOutputPage && name && !IsWindowEnabled(name),
                  "the output page keeps the parameter's path, fixed");
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    checks.Expect(wizard.WaitForExit(60000) == 0, "corvane.exe ends after 完了");
    checks.Expect(walk.Failed() == 0, "the walk through the pages (handle of no window)");
    checks.Expect(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES, "the parameter's path is written");
}

bool FileHolds(const std::wstring& path, const std::string& wanted)
{
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes.find(wanted) != std::string::npos;
}

enum class Input { Click, Keyboard };

// 簡易モード chosen on the first page with the mouse or the keyboard, the
// sample exports chosen, 完了: the caller's output path, which holds a blank,
// receives a file in 簡易モード, and the caller is answered with 3 and 0.
void SimpleModeToPathWithBlank(Checks& checks, HWND caller, const std::wstring& exe, const std::wstring& dataFolder,
                               const std::wstring& path, Input input)
{
    const char* how = input == Input::Click ? "by click" : "by keyboard";
    auto expect = [&](bool ok, const std::string& what) { checks.Expect(ok, (what + " (" + how + ")").c_str()); };
    g_reply = Reply{};
    DeleteFileW(path.c_str());
    WizardProcess wizard;
    expect(wizard.Start(exe, Parameter(caller, 3, path)), "corvane.exe starts with a path holding a blank");
    HWND sheet = wizard.WaitForDialog(kStartTimeoutMs);
    expect(sheet != nullptr, "the wizard is shown");
    if (!sheet)
        return;
    PumpFor(500);
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND standard = GetDlgItem(page, kStandardModeRadio);
    HWND simple = GetDlgItem(page, kSimpleModeRadio);
    expect(SendMessageW(standard, BM_GETCHECK, 0, 0) == BST_CHECKED, "標準モード is chosen at first");
    SetForegroundWindow(sheet);
    PumpFor(300);
    if (input == Input::Click) {
        ClickWindow(simple);
    } else {
        // Tab to the chosen button, then the arrow key to the next one.
        for (int i = 0; i < 12 && FocusOf(sheet) != standard; ++i)
            PressKey(VK_TAB);
        expect(FocusOf(sheet) == standard, "Tab reaches 標準モード");
        PressKey(VK_DOWN);
        expect(FocusOf(sheet) == simple, "the arrow key moves to 簡易モード");
    }
    expect(SendMessageW(simple, BM_GETCHECK, 0, 0) == BST_CHECKED, "簡易モード is chosen");
    expect(SendMessageW(standard, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "標準モード is no longer chosen");

    WizardWalk walk(wizard, sheet);
    walk.Next();
    walk.ChooseSampleFiles(dataFolder);
    HWND name = walk.FindPageControl(kNameEdit);
    wchar_t location[MAX_PATH] = {};
    // Another process's control answers WM_GETTEXT; GetWindowText would not ask it.
    SendMessageW(walk.FindPageControl(kLocationEdit), WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(location));
    // The location field shows the folder's own name, blank included.
    const std::wstring folder = path.substr(0, path.rfind(L'\\'));
    expect(walk.CurrentPage() == kOutputPage && name && !IsWindowEnabled(name) &&
               folder.substr(folder.rfind(L'\\') + 1) == location,
           "the output page shows the caller's folder, fixed");
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    const int exitCode = wizard.WaitForExit(60000);
    PumpFor(300);
    expect(walk.Failed() == 0, "the walk through the pages");
    expect(exitCode == 0, "corvane.exe ends after 完了 without a message");
    expect(g_reply.count == 1 && g_reply.wparam == 3 && g_reply.lparam == 0, "the caller is answered with 3 and 0");
    expect(FileHolds(path, "<MODE>EASY</MODE>"), "the whole path receives a file in 簡易モード");
}

}  // namespace

int RunCallerTests(const std::wstring& corvaneExe, const std::wstring& dataFolder)
{
    HWND caller = CreateCallerWindow();
    Checks checks;
    checks.Expect(caller != nullptr, "the caller window exists");
    if (caller) {
        const std::wstring unused = L"C:\\Data\\out.XML";
        StartedByCallerAndCancelled(checks, caller, corvaneExe, unused);
        OtherFunctionIdEndsAtOnce(checks, caller, corvaneExe, unused);
        IncompleteParameterRunsOnItsOwn(checks, caller, corvaneExe);
        const std::wstring folder = dataFolder + L"\\給与 データ";
        CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring output = folder + L"\\ヴェルド取込.XML";
        SimpleModeToPathWithBlank(checks, caller, corvaneExe, dataFolder, output, Input::Click);
        SimpleModeToPathWithBlank(checks, caller, corvaneExe, dataFolder, output, Input::Keyboard);
        HandleThatIsNoWindow(checks, corvaneExe, dataFolder, folder + L"\\no-window.XML");
        DestroyWindow(caller);
    }
    std::printf("caller: %d passed, %d failed\n", checks.Passed(), checks.Failed());
    return checks.Failed();
}

}  // namespace corvane::testcaller
