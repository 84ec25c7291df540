#include "platform/HostSystem.h"

#include <ctime>

#include "fileio/FileStatus.h"
#include "platform/Process.h"

#ifdef _WIN32
#include <windows.h>

#include "fileio/OpenFile.h"
#endif

namespace corvane::platform {

std::string HostSystem::ExecutablePath() const
{
    return platform::ExecutablePath();
}

bool HostSystem::FileExists(const std::string& path) const
{
    return fileio::FileExists(path);
}

std::optional<std::string> HostSystem::VolumeLabel(const std::string& drive) const
{
#ifdef _WIN32
    wchar_t label[MAX_PATH + 1] = {};
    const std::wstring root = fileio::WidePath(drive + "\\");
    if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return std::nullopt;
    return fileio::Utf8Path(label);
#else
    (void)drive;
    return std::nullopt;
#endif
}

LocalDate HostSystem::Today() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string JoinArguments(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

}  // namespace corvane::platform
