#include "platform/StreamCallerWindow.h"

namespace corvane::platform {

void StreamCallerWindow::Post(WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam)
{
    m_out << "POSTMESSAGE hwnd=" << window << " msg=" << message << " wparam=" << wparam << " lparam=" << lparam
          << '\n';
    m_out.flush();
}

}  // namespace corvane::platform
