#include "Win32Services.h"

#include <objbase.h>
#include <shellapi.h>

#include "Win32Text.h"

namespace corvane::win32 {

namespace {

HWND ToHandle(platform::WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

}  // namespace

void DiscardQueuedInput()
{
    MSG message;
    const UINT ranges[][2] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    for (const auto& range : ranges) {
        while (PeekMessageW(&message, nullptr, range[0], range[1], PM_REMOVE)) {
        }
    }
}

void Win32WaitCursor::BeginWaitCursor()
{
    if (m_depth++ == 0)
        m_previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void Win32WaitCursor::EndWaitCursor()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    DiscardQueuedInput();
    SetCursor(m_previous ? m_previous : LoadCursorW(nullptr, IDC_ARROW));
    m_previous = nullptr;
}

bool Win32Shell::Open(const std::string& path)
{
    // ShellExecute's result is greater than 32 on success; no association
    // gives SE_ERR_NOASSOC.
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetActiveWindow(), L"open", PathToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32CallerWindow::Exists(platform::WindowHandle window) const
{
    return window != platform::kNoWindow && IsWindow(ToHandle(window));
}

void Win32CallerWindow::Disable(platform::WindowHandle window)
{
    EnableWindow(ToHandle(window), FALSE);
}

void Win32CallerWindow::Enable(platform::WindowHandle window)
{
    EnableWindow(ToHandle(window), TRUE);
}

void Win32CallerWindow::BringToForeground(platform::WindowHandle window)
{
    SetForegroundWindow(ToHandle(window));
}

void Win32CallerWindow::Post(platform::WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam)
{
    PostMessageW(ToHandle(window), static_cast<UINT>(message), static_cast<WPARAM>(wparam),
                 static_cast<LPARAM>(lparam));
}

bool Win32Com::Initialize()
{
    return SUCCEEDED(CoInitialize(nullptr));
}

void Win32Com::Uninitialize()
{
    CoUninitialize();
}

}  // namespace corvane::win32
