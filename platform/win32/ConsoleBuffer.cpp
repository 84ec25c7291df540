#include "platform/win32/ConsoleBuffer.h"

#include <iostream>

#include "fileio/WideText.h"
#include "platform/ConsoleOutput.h"

namespace corvane::platform::win32 {

namespace {

// Length of `s` without an incomplete UTF-8 sequence at its end.
std::size_t CompleteLength(const std::string& s)
{
    std::size_t start = s.size();
    for (int back = 0; back < 4 && start > 0; ++back) {
        const auto byte = static_cast<unsigned char>(s[start - 1]);
        if ((byte & 0xC0) != 0x80) {
            // A lead byte (or ASCII): does its sequence reach the end?
            const std::size_t need = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return s.size() - (start - 1) >= need ? s.size() : start - 1;
        }
        --start;
    }
    return s.size();
}

}  // namespace

ConsoleBuffer::ConsoleBuffer(HANDLE handle, UINT codePage) : m_handle(handle)
{
    DWORD mode = 0;
    m_console = GetConsoleMode(handle, &mode) != 0;
    m_codePage = codePage != 0 ? codePage : GetConsoleOutputCP();
    if (m_codePage == 0)
        m_codePage = GetACP();
}

ConsoleBuffer::~ConsoleBuffer()
{
    Write(true);
}

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    m_pending.push_back(traits_type::to_char_type(c));
    if (c == '\n')
        Write(false);
    return c;
}

std::streamsize ConsoleBuffer::xsputn(const char* s, std::streamsize n)
{
    m_pending.append(s, static_cast<std::size_t>(n));
    if (m_pending.find('\n') != std::string::npos)
        Write(false);
    return n;
}

int ConsoleBuffer::sync()
{
    Write(false);
    return 0;
}

void ConsoleBuffer::Write(bool all)
{
    const std::size_t length = all ? m_pending.size() : CompleteLength(m_pending);
    if (length == 0 || m_handle == nullptr || m_handle == INVALID_HANDLE_VALUE)
        return;
    const std::wstring wide = fileio::Widen(m_pending.substr(0, length), CP_UTF8);
    m_pending.erase(0, length);
    DWORD written = 0;
    if (m_console) {
        WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Lines end in CR LF, as other Windows programs write them to a file.
    std::wstring lines;
    for (wchar_t ch : wide) {
        if (ch == L'\n' && (lines.empty() || lines.back() != L'\r'))
            lines.push_back(L'\r');
        lines.push_back(ch);
    }
    const std::string bytes = fileio::Narrow(lines, m_codePage);
    WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace corvane::platform::win32

namespace corvane::platform {

ConsoleOutput::ConsoleOutput()
    : m_out(std::make_unique<win32::ConsoleBuffer>(GetStdHandle(STD_OUTPUT_HANDLE))),
      m_err(std::make_unique<win32::ConsoleBuffer>(GetStdHandle(STD_ERROR_HANDLE)))
{
    std::cout.flush();
    std::cerr.flush();
    m_oldOut = std::cout.rdbuf(m_out.get());
    m_oldErr = std::cerr.rdbuf(m_err.get());
}

bool ConsoleOutput::ErrorIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

ConsoleOutput::~ConsoleOutput()
{
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(m_oldOut);
    std::cerr.rdbuf(m_oldErr);
}

}  // namespace corvane::platform
