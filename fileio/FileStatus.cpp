#include "fileio/FileStatus.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "fileio/OpenFile.h"

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
    return std::filesystem::path(WidePath(path));
#else
    return std::filesystem::path(path);
#endif
}

// A file that is not there yet is known only by its path.
std::filesystem::path NormalPath(const std::filesystem::path& p)
{
    std::error_code e;
    std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(p, e), e);
    if (e)
        full = std::filesystem::absolute(p, e).lexically_normal();
    return full;
}

bool SamePath(const std::filesystem::path& pa, const std::filesystem::path& pb)
{
    std::error_code ec;
    if (std::filesystem::equivalent(pa, pb, ec) && !ec)
        return true;
#ifdef _WIN32
    // File names on Windows do not tell upper from lower case.
    const std::wstring na = NormalPath(pa).native();
    const std::wstring nb = NormalPath(pb).native();
    return CompareStringOrdinal(na.data(), static_cast<int>(na.size()), nb.data(), static_cast<int>(nb.size()), TRUE) ==
           CSTR_EQUAL;
#else
    return NormalPath(pa) == NormalPath(pb);
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
    info.isRegular = std::filesystem::is_regular_file(st);
    if (info.isRegular) {
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

bool SameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    return SamePath(NativePath(a), NativePath(b));
}

bool LiesInside(const std::string& path, const std::string& folder)
{
    if (path.empty() || folder.empty())
        return false;
    const std::filesystem::path inner = NormalPath(NativePath(path));
    const std::filesystem::path outer = NativePath(folder);
    for (std::filesystem::path at = inner;; at = at.parent_path()) {
        if (SamePath(at, outer))
            return true;
        if (at == at.parent_path() || at.empty())
            return false;
    }
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

std::optional<std::vector<std::string>> FolderEntries(const std::string& path, bool folders)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(NativePath(path), ec);
    if (ec)
        return std::nullopt;
    std::vector<std::string> names;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec)
            return std::nullopt;
        const std::u8string name8 = it->path().filename().u8string();
        std::string name(name8.begin(), name8.end());
        if (name.empty() || name.front() == '.')
            continue;
        // Status follows links, as opening the file later does.
        const auto info = Status(JoinPath(path, name));
        if (info && (folders ? info->isDirectory : info->isRegular))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    const char last = folder.back();
    if (last == '/' || (PathSeparator() == '\\' && last == '\\'))
        return folder + name;
    return folder + PathSeparator() + name;
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
    // Paths are UTF-8, where no byte of a longer character looks like a separator.
    return path.find_last_of("\\/");
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
