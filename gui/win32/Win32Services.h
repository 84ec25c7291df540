#pragma once

#include <windows.h>

#include "platform/CallerWindow.h"
#include "platform/Com.h"
#include "platform/Shell.h"
#include "platform/WaitCursor.h"

// The small system services of the Windows front end.
namespace corvane::win32 {

// Removes the keyboard and mouse messages waiting in this thread's queue:
// what was typed or clicked while the program was busy.
void DiscardQueuedInput();

// The hourglass while a long action runs; nested scopes keep it until the
// outermost ends, which drops the input queued meanwhile.
class Win32WaitCursor final : public platform::WaitCursorService {
public:
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    bool Busy() const { return m_depth > 0; }

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
    bool Exists(platform::WindowHandle window) const override;
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
