#include "platform/Process.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include "fileio/OpenFile.h"
#endif

namespace corvane::platform {

std::string ExecutablePath()
{
#ifdef _WIN32
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2)
        return std::string();
    return fileio::Utf8Path(std::wstring(buffer, n));
#else
    std::error_code ec;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
#endif
}

std::vector<std::string> ProgramArguments(int argc, const char* const* argv)
{
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i)
            args.push_back(fileio::Utf8Path(wide[i]));
        LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

}  // namespace corvane::platform
