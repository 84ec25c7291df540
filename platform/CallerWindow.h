#pragma once

#include <cstdint>

namespace corvane::platform {

// A window of the calling program, as its handle's number (the first field of
// the start parameter). kNoWindow: none.
using WindowHandle = std::intptr_t;
constexpr WindowHandle kNoWindow = 0;

// The calling program's window: kept disabled while the wizard is open and
// notified when it closes.
class CallerWindowService {
public:
    virtual ~CallerWindowService() = default;
    // Held by reference in Services; never assigned.
    CallerWindowService& operator=(const CallerWindowService&) = delete;
    // Whether the handle names a window now: a shortcut may hold a made-up
    // number, and a caller may close while the wizard is open.
    virtual bool Exists(WindowHandle window) const = 0;
    virtual void Disable(WindowHandle window) = 0;
    virtual void Enable(WindowHandle window) = 0;
    virtual void BringToForeground(WindowHandle window) = 0;
    // Posts `message` with its two parameters and returns at once.
    virtual void Post(WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam) = 0;
};

}  // namespace corvane::platform
