#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace corvane::platform::win32 {

// A stream buffer that takes UTF-8 and writes it to `handle`: with
// WriteConsoleW when the handle is a console, else converted to `codePage`
// (0: the console's output code page, or the ANSI code page without one).
// A character split between two flushes waits for its remaining bytes.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE handle, UINT codePage = 0);
    ~ConsoleBuffer() override;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    void Write(bool all);

    HANDLE m_handle;
    bool m_console;
    UINT m_codePage;
    std::string m_pending;
};

}  // namespace corvane::platform::win32
