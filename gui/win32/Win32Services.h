#pragma once

#include <windows.h>

#include "platform/CallerWindow.h"
#include "platform/Com.h"
#include "platform/Shell.h"
#include "platform/WaitCursor.h"

// The small system services of the Windows front end.
namespace corvane::win32 {

// The hourglass while a long action runs; nested scopes keep it until the outermost ends.
class Win32WaitCursor final : public platform::WaitCursorService {
public:
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    int m_depth = 0;
    HCURSOR m_previous = nullptr;
};

// ShellExecuteW with the "open" verb; false when it started nothing.
class Win32Shell final : public platform::ShellService {
public:
    bool Open(const std::string& path) override;
};

// The calling program's window, by its handle.
class Win32CallerWindow final : public platform::CallerWindowService {
public:
    void Disable(platform::WindowHandle window) override;
    void Enable(platform::WindowHandle window) override;
    void BringToForeground(platform::WindowHandle window) override;
    void Post(platform::WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam) override;
};

class Win32Com final : public platform::ComService {
public:
    bool Initialize() override;
    void Uninitialize() override;
};

}  // namespace corvane::win32
