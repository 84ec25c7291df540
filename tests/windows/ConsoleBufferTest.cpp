#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <string>

#include "platform/TextCodec.h"
#include "platform/win32/ConsoleBuffer.h"

using corvane::platform::SystemTextCodec;
using corvane::platform::win32::ConsoleBuffer;

namespace {

// What the buffer writes into a file (a redirected stream) in `codePage`,
// with `write` doing the writing through an ostream over it.
template <typename Write>
std::string Redirected(UINT codePage, Write write)
{
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"cvb", 0, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    {
        ConsoleBuffer buffer(file, codePage);
        std::ostream out(&buffer);
        write(out);
    }
    CloseHandle(file);
    file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    DeleteFileW(path);
    bytes.resize(read);
    return bytes;
}

TEST(ConsoleBuffer, RedirectedUtf8BecomesTheCodePageWithCrLf)
{
    const std::string done = "正常に終了しました。";  // code page 932
    const std::string utf8 = SystemTextCodec().TextToUtf8(done);

    // Whole lines, and a character cut by a flush: both arrive whole.
    EXPECT_EQ(Redirected(932, [&](std::ostream& out) { out << utf8 << '\n'; }), done + "\r\n");
    EXPECT_EQ(Redirected(932,
                         [&](std::ostream& out) {
                             for (char c : utf8)
                                 out << c << std::flush;
                             out << "\n";
                         }),
              done + "\r\n");
    // Without a line end the rest goes out when the buffer ends.
    EXPECT_EQ(Redirected(932, [&](std::ostream& out) { out << "a\r\n" << utf8; }), "a\r\n" + done);
    // What code page 932 cannot hold becomes "?", and UTF-8 passes unchanged.
    EXPECT_EQ(Redirected(932,
                         [](std::ostream& out) {
                             out << "\xF0\xA0\xAE\xB7"
                                    "\xE7\x94\xB0\n";
                         }),
              "?田\r\n");
    EXPECT_EQ(Redirected(CP_UTF8, [&](std::ostream& out) { out << utf8 << '\n'; }), utf8 + "\r\n");
}

}  // namespace
