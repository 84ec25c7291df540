#pragma once

#include <windows.h>

#include <string>

namespace corvane::testcaller {

// corvane.exe started by the tests, and the windows it shows.
class WizardProcess {
public:
    WizardProcess() = default;
    ~WizardProcess();
    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;

    // Starts `exe` with `parameter` as its command line after the name.
    bool Start(const std::wstring& exe, const std::wstring& parameter);
    // The process's visible top-level window whose class is a dialog's
    // (the wizard sheet, or a dialog or message box over it) and that is
    // not `except`; waits up to `timeoutMs` while pumping this thread's messages.
    HWND WaitForDialog(DWORD timeoutMs, HWND except = nullptr) const;
    // Waits for the process to end; its exit code, or -1 after the time-out.
    int WaitForExit(DWORD timeoutMs);
    void Kill();
    HANDLE Process() const { return m_process.hProcess; }
    // The process's visible top-level window of class `className`; waits up
    // to `timeoutMs` while pumping this thread's messages.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION m_process{};
};

// Handles this thread's waiting messages.
void PumpMessages();
// Waits `ms` milliseconds while handling this thread's messages.
void PumpFor(DWORD ms);

}  // namespace corvane::testcaller
