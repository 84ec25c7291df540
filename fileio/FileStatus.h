#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fileio/StatusMemo.h"

// File status by path, the path in UTF-8 (fileio/OpenFile.h).
namespace corvane::fileio {

struct FileInfo {
    bool isDirectory = false;
    bool isRegular = false;  // a plain file: not a folder, device, FIFO or socket
    std::uint64_t size = 0;
    // The last modification, in the file system clock's ticks: only for
    // telling whether a file changed; 0 when it cannot be read.
    std::int64_t modified = 0;
};

// Status of the file or folder at `path`; none when nothing is there or it cannot be queried.
std::optional<FileInfo> Status(const std::string& path);

// True when a regular file (not a folder) is at `path`.
bool FileExists(const std::string& path);

// True when `a` and `b` name the same file: the same file on disk (device
// and file number, links followed) when both exist, else the same path
// once made absolute and normalised. False when either is empty.
bool SameFile(const std::string& a, const std::string& b);

// A path whose status is asked once, for comparing one file with many: the
// same answers as SameFile of the two paths, with one stat a path instead of
// two a pair.
class StatedPath {
public:
    explicit StatedPath(std::string path);
    const std::string& Path() const { return m_path; }

private:
    friend bool SameFile(const StatedPath& a, const StatedPath& b);
    // The path made absolute and normal, once it was needed.
    const std::filesystem::path& Normal() const;

    std::string m_path;
    PathStat m_stat;
    mutable std::optional<std::filesystem::path> m_normal;
};

bool SameFile(const StatedPath& a, const StatedPath& b);

// True when `path` is the folder `folder` or lies anywhere inside it, each
// folder on the way compared as SameFile does (links followed). False when
// either is empty.
bool LiesInside(const std::string& path, const std::string& folder);
// The index of the first of `folders` that `path` is or lies inside, as
// LiesInside tells; none when it lies in none. The path is made normal, and
// the folders on its way stated, once for all of them.
std::optional<std::size_t> FolderHolding(const std::string& path, const std::vector<std::string>& folders);

// The folder part of `path` (before its last separator), "" when there is none.
std::string DirectoryOf(const std::string& path);

// The separator of the running platform's paths.
char PathSeparator();

// True when the folder at `path` exists and this process may create files in
// it. Windows: true for every existing folder (the settings file stays next to
// the program there).
bool FolderWritable(const std::string& path);

// Creates the folder at `path` and any missing parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

// The names (UTF-8, not paths) of the entries of the folder at `path` that
// are folders (`folders`) or regular files (otherwise), in byte order of
// their names; names starting with "." are left out. None when the folder
// cannot be read.
std::optional<std::vector<std::string>> FolderEntries(const std::string& path, bool folders);

// `folder` and `name` joined with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// Position of the last path separator of `path`; npos when there is none.
std::size_t LastSeparator(const std::string& path);

}  // namespace corvane::fileio
