#pragma once

#include <memory>
#include <streambuf>

namespace corvane::platform {

// The batch converter writes UTF-8. On Windows a Japanese console would show
// those bytes as code page 932, so while this object lives std::cout and
// std::cerr write through a converting buffer: to a console as UTF-16
// (WriteConsoleW), to a redirected stream in the console's output code page,
// or the ANSI code page when there is no console. Elsewhere it does nothing.
class ConsoleOutput {
public:
    ConsoleOutput();
    ~ConsoleOutput();
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // True when standard error is a terminal (a console on Windows), not a file or pipe.
    static bool ErrorIsTerminal();

private:
    std::unique_ptr<std::streambuf> m_out;
    std::unique_ptr<std::streambuf> m_err;
    // Only the Windows buffers restore these; clang warns of them elsewhere.
    [[maybe_unused]] std::streambuf* m_oldOut = nullptr;
    [[maybe_unused]] std::streambuf* m_oldErr = nullptr;
};

}  // namespace corvane::platform
