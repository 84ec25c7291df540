#include "fileio/FileStatus.h"

#include <filesystem>
#include <system_error>

#include "text/Cp932.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace corvane::fileio {

namespace {

std::filesystem::path NativePath(const std::string& path)
{
#ifdef _WIN32
    // The mingw library takes a narrow path for UTF-8; ours are in the ANSI code page.
    const int size = static_cast<int>(path.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), n);
    return std::filesystem::path(wide);
#else
    return std::filesystem::path(path);
#endif
}

}  // namespace

std::optional<FileInfo> Status(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
    std::error_code ec;
    const auto st = std::filesystem::status(NativePath(path), ec);
    if (ec || !std::filesystem::exists(st))
        return std::nullopt;
    FileInfo info;
    info.isDirectory = std::filesystem::is_directory(st);
    if (std::filesystem::is_regular_file(st)) {
        const auto size = std::filesystem::file_size(NativePath(path), ec);
        info.size = ec ? 0 : size;
        const auto modified = std::filesystem::last_write_time(NativePath(path), ec);
        info.modified = ec ? 0 : static_cast<std::int64_t>(modified.time_since_epoch().count());
    }
    return info;
}

bool FileExists(const std::string& path)
{
    const auto info = Status(path);
    return info && !info->isDirectory;
}

bool FolderWritable(const std::string& path)
{
    const auto info = Status(path);
    if (!info || !info->isDirectory)
        return false;
#ifdef _WIN32
    return true;
#else
    return ::access(path.c_str(), W_OK | X_OK) == 0;
#endif
}

bool MakeFolders(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(NativePath(path), ec);
    const auto info = Status(path);
    return info && info->isDirectory;
}

char PathSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::size_t LastSeparator(const std::string& path)
{
#ifdef _WIN32
    // A trail byte can be 0x5C: only a single-byte backslash separates.
    const std::size_t back = text::FindLastSingle(path, '\\');
    const std::size_t slash = text::FindLastSingle(path, '/');
    if (back == std::string::npos)
        return slash;
    if (slash == std::string::npos)
        return back;
    return back > slash ? back : slash;
#else
    return path.rfind('/');
#endif
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t pos = LastSeparator(path);
    return pos == std::string::npos ? std::string() : path.substr(0, pos);
}

}  // namespace corvane::fileio
