#include "fileio/FileStatus.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "fileio/OpenFile.h"
#include "fileio/StatusMemo.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/stat.h>
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

// The UTF-8 path of `p`, as the functions here take paths.
std::string Utf8Of(const std::filesystem::path& p)
{
#ifdef _WIN32
    return Utf8Path(p.native());
#else
    return p.native();
#endif
}

// A file that is not there yet is known only by its path.
std::filesystem::path NormalPathOnDisk(const std::filesystem::path& p)
{
    std::error_code e;
    std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(p, e), e);
    if (e)
        full = std::filesystem::absolute(p, e).lexically_normal();
    return full;
}

// NormalPathOnDisk, or the thread's memo of it.
std::filesystem::path NormalPath(const std::filesystem::path& p)
{
    if (const std::filesystem::path* known = StatusMemo::FindNormal(p))
        return *known;
    std::filesystem::path full = NormalPathOnDisk(p);
    StatusMemo::KeepNormal(p, full);
    return full;
}

#ifndef _WIN32
bool HasParentStep(const std::filesystem::path& p)
{
    return std::any_of(p.begin(), p.end(), [](const std::filesystem::path& step) { return step == ".."; });
}
#endif

#ifndef _WIN32
// One stat of `path` (links followed), or the thread's memo of it.
PathStat StatOf(const std::string& path)
{
    if (const PathStat* known = StatusMemo::Find(path))
        return *known;
    struct stat st {};
    PathStat status;
    status.there = ::stat(path.c_str(), &st) == 0;
    status.missing = !status.there && (errno == ENOENT || errno == ENOTDIR);
    if (status.there) {
        status.isDirectory = S_ISDIR(st.st_mode);
        status.isRegular = S_ISREG(st.st_mode);
        status.size = static_cast<std::uint64_t>(st.st_size);
        status.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        status.device = static_cast<std::uint64_t>(st.st_dev);
        status.file = static_cast<std::uint64_t>(st.st_ino);
    }
    StatusMemo::Keep(path, status);
    return status;
}

// The answer that the paths' status alone gives: none when the paths must be compared.
std::optional<bool> SameByStatus(const PathStat& a, const std::filesystem::path& pa, const PathStat& b,
                                 const std::filesystem::path& pb)
{
    // Both there: their device and file numbers decide, and making both
    // paths canonical (a readlink per folder on the way) would only cost time.
    if (a.there && b.there)
        return a.device == b.device && a.file == b.file;
    // A file that is there and a path that leads nowhere: only a ".." after
    // a missing folder could bring the path back to the file (a job's
    // output and settings file, not written yet, against every export).
    if ((a.there && b.missing && !HasParentStep(pb)) || (b.there && a.missing && !HasParentStep(pa)))
        return false;
    return std::nullopt;
}
#endif

// The paths compared whole, once their status did not decide.
bool SameByPath(const std::filesystem::path& pa, const std::filesystem::path& pb)
{
#ifdef _WIN32
    std::error_code ec;
    if (std::filesystem::equivalent(pa, pb, ec) && !ec)
        return true;
    // File names on Windows do not tell upper from lower case.
    const std::wstring na = NormalPath(pa).native();
    const std::wstring nb = NormalPath(pb).native();
    return CompareStringOrdinal(na.data(), static_cast<int>(na.size()), nb.data(), static_cast<int>(nb.size()), TRUE) ==
           CSTR_EQUAL;
#else
    // Were both there, their status would have decided (SameByStatus): only the paths are left.
    return NormalPath(pa) == NormalPath(pb);
#endif
}

bool SamePath(const std::filesystem::path& pa, const std::filesystem::path& pb)
{
#ifndef _WIN32
    if (const auto same = SameByStatus(StatOf(pa.native()), pa, StatOf(pb.native()), pb))
        return *same;
#endif
    return SameByPath(pa, pb);
}

}  // namespace

std::optional<FileInfo> Status(const std::string& path)
{
    if (path.empty())
        return std::nullopt;
#ifndef _WIN32
    // One stat: the checks ask for a file's status many times over, and
    // three calls through std::filesystem were a third of a batch's time.
    const PathStat st = StatOf(path);
    if (!st.there)
        return std::nullopt;
    FileInfo info;
    info.isDirectory = st.isDirectory;
    info.isRegular = st.isRegular;
    if (info.isRegular) {
        info.size = st.size;
        info.modified = st.modified;
    }
    return info;
#else
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
#endif
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

StatedPath::StatedPath(std::string path) : m_path(std::move(path))
{
#ifndef _WIN32
    if (!m_path.empty())
        m_stat = StatOf(m_path);
#endif
}

const std::filesystem::path& StatedPath::Normal() const
{
    if (!m_normal)
        m_normal = NormalPath(NativePath(m_path));
    return *m_normal;
}

bool SameFile(const StatedPath& a, const StatedPath& b)
{
    if (a.m_path.empty() || b.m_path.empty())
        return false;
    const std::filesystem::path pa = NativePath(a.m_path);
    const std::filesystem::path pb = NativePath(b.m_path);
#ifndef _WIN32
    if (const auto same = SameByStatus(a.m_stat, pa, b.m_stat, pb))
        return *same;
    return a.Normal() == b.Normal();
#else
    return SamePath(pa, pb);
#endif
}

std::optional<std::size_t> FolderHolding(const std::string& path, const std::vector<std::string>& folders)
{
    if (path.empty())
        return std::nullopt;
    // The path made normal and each folder on its way up stated once, for every folder asked about.
    std::vector<StatedPath> steps;
    for (std::filesystem::path at = NormalPath(NativePath(path));; at = at.parent_path()) {
        steps.emplace_back(Utf8Of(at));
        if (at == at.parent_path() || at.empty())
            break;
    }
    for (std::size_t i = 0; i < folders.size(); ++i) {
        if (folders[i].empty())
            continue;
        const StatedPath outer(folders[i]);
        if (std::any_of(steps.begin(), steps.end(), [&outer](const StatedPath& step) { return SameFile(step, outer); }))
            return i;
    }
    return std::nullopt;
}

bool LiesInside(const std::string& path, const std::string& folder)
{
    return !folder.empty() && FolderHolding(path, {folder}).has_value();
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
