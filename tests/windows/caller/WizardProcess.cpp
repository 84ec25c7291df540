#include "WizardProcess.h"

#include <vector>

namespace corvane::testcaller {

namespace {

struct Search {
    DWORD processId;
    HWND except;
    HWND found;
    const wchar_t* className = L"#32770";
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lparam)
{
    auto* search = reinterpret_cast<Search*>(lparam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || window == search->except || !IsWindowVisible(window))
        return TRUE;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) != search->className)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        PumpMessages();
        Sleep(20);
    }
}

WizardProcess::~WizardProcess()
{
    Kill();
}

bool WizardProcess::Start(const std::wstring& exe, const std::wstring& parameter)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!parameter.empty())
        commandLine += L" " + parameter;
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &m_process) != 0;
}

namespace {

// Polls for a visible window of the process as `search` describes, pumping
// messages meanwhile; null after the time-out.
HWND WaitFor(Search search, DWORD timeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        search.found = nullptr;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        PumpFor(50);
    } while (GetTickCount64() < end);
    return nullptr;
}

}  // namespace

HWND WizardProcess::WaitForDialog(DWORD timeoutMs, HWND except) const
{
    return WaitFor(Search{m_process.dwProcessId, except, nullptr}, timeoutMs);
}

HWND WizardProcess::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const
{
    return WaitFor(Search{m_process.dwProcessId, nullptr, nullptr, className}, timeoutMs);
}

int WizardProcess::WaitForExit(DWORD timeoutMs)
{
    if (!m_process.hProcess)
        return -1;
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (WaitForSingleObject(m_process.hProcess, 20) == WAIT_TIMEOUT) {
        PumpMessages();
        if (GetTickCount64() >= end)
            return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

void WizardProcess::Kill()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 99);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = PROCESS_INFORMATION{};
}

}  // namespace corvane::testcaller
