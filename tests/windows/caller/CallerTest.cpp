#include "CallerTest.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>

#include "WizardProcess.h"

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
    HWND window = CreateWindowW(cls.lpszClassName, L"Corvane test caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                                10, 400, 300, nullptr, nullptr, cls.hInstance, nullptr);
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
    const std::wstring parameter = std::to_wstring(reinterpret_cast<std::intptr_t>(caller)) + L"," +
                                   std::to_wstring(kReplyMessage) + L",3";
    checks.Expect(wizard.Start(exe, parameter), "corvane.exe starts with three fields");
    HWND sheet = wizard.WaitForDialog(kStartTimeoutMs);
    checks.Expect(sheet != nullptr, "the wizard is shown");
    if (!sheet)
        return;
    PumpFor(300);
    checks.Expect(IsWindowEnabled(caller) != 0, "the caller window stays enabled");
    checks.Expect(GetWindow(sheet, GW_OWNER) == nullptr, "the wizard has no owner");
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    checks.Expect(wizard.WaitForExit(30000) == 0, "corvane.exe ends after Cancel");
    PumpFor(300);
    checks.Expect(g_reply.count == 0, "no message is posted");
}

}  // namespace

int RunCallerTests(const std::wstring& corvaneExe, const std::wstring& outputPath)
{
    HWND caller = CreateCallerWindow();
    Checks checks;
    checks.Expect(caller != nullptr, "the caller window exists");
    if (caller) {
        StartedByCallerAndCancelled(checks, caller, corvaneExe, outputPath);
        OtherFunctionIdEndsAtOnce(checks, caller, corvaneExe, outputPath);
        IncompleteParameterRunsOnItsOwn(checks, caller, corvaneExe);
        DestroyWindow(caller);
    }
    std::printf("caller: %d passed, %d failed\n", checks.Passed(), checks.Failed());
    return checks.Failed();
}

}  // namespace corvane::testcaller
