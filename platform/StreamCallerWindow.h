#pragma once

#include <ostream>

#include "platform/CallerWindow.h"

namespace corvane::platform {

// The caller window where the platform has no window handles: the reply is
// one line on `out`,
//   POSTMESSAGE hwnd=<window> msg=<message> wparam=<wparam> lparam=<lparam>
// flushed at once, for a calling script to read. Every handle counts as a
// window; enabling, disabling and foregrounding do nothing.
class StreamCallerWindow final : public CallerWindowService {
public:
    explicit StreamCallerWindow(std::ostream& out) : m_out(out) {}

    bool Exists(WindowHandle) const override { return true; }
    void Disable(WindowHandle) override {}
    void Enable(WindowHandle) override {}
    void BringToForeground(WindowHandle) override {}
    void Post(WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam) override;

private:
    std::ostream& m_out;
};

}  // namespace corvane::platform
