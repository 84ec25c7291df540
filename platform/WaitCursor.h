#pragma once

namespace corvane::platform {

// The wait cursor, shown while a long action runs on the interface thread.
class WaitCursorService {
public:
    virtual ~WaitCursorService() = default;
    // Held by reference in Services; never assigned.
    WaitCursorService& operator=(const WaitCursorService&) = delete;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// Shows the wait cursor for its lifetime, whichever way the scope is left.
class WaitCursor {
public:
    explicit WaitCursor(WaitCursorService& service) : m_service(service) { m_service.BeginWaitCursor(); }
    ~WaitCursor() { m_service.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    WaitCursorService& m_service;
};

}  // namespace corvane::platform
