#include "fileio/AtomicFile.h"

#include <atomic>
#include <random>
#include <cstdio>
#include <string>

#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#define CORVANE_GETPID() GetCurrentProcessId()
#else
#include <unistd.h>
#define CORVANE_GETPID() ::getpid()
#endif

namespace corvane::fileio {

namespace {

std::string TemporaryNameFor(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    // <chrono> cannot be used here: C++20's holds a literal that code page 932 lacks.
    static const unsigned long long ticks = std::random_device{}();
    char suffix[96];
    std::snprintf(suffix, sizeof suffix, ".%ld.%llx.%u.tmp", static_cast<long>(CORVANE_GETPID()),
                  ticks & 0xffffffffULL, counter.fetch_add(1));
    return target + suffix;
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    // rename() refuses an existing target there; this replaces it in one step.
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// A new file that must not exist yet, open for binary writing.
std::FILE* CreateNewFile(const std::string& path)
{
#ifdef _WIN32
    // The C runtime's fopen knows no "x"; _O_EXCL does the same.
    const int fd = _wopen(WidePath(path).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
#else
    // "x" refuses to reuse a name that happens to exist.
    return std::fopen(path.c_str(), "wbx");
#endif
}

}  // namespace

AtomicFile::AtomicFile(std::string targetPath) : m_target(std::move(targetPath)) {}

AtomicFile::~AtomicFile()
{
    if (!m_committed)
        Abort();
}

bool AtomicFile::Open()
{
    Abort();
    m_error = WriteError::None;
    const auto info = Status(m_target);
    if (info && info->isDirectory) {
        m_error = WriteError::Create;
        return false;
    }
    m_temp = TemporaryNameFor(m_target);
    m_file = CreateNewFile(m_temp);
    if (!m_file) {
        m_temp.clear();
        m_error = WriteError::Create;
        return false;
    }
    return true;
}

bool AtomicFile::Write(const char* data, std::size_t size)
{
    if (!m_file || m_error != WriteError::None)
        return false;
    if (size != 0 && std::fwrite(data, 1, size, m_file) != size) {
        m_error = WriteError::Write;
        return false;
    }
    return true;
}

bool AtomicFile::Commit()
{
    if (!m_file || m_error != WriteError::None) {
        if (m_error == WriteError::None)
            m_error = WriteError::Create;
        Abort();
        return false;
    }
    bool flushed = std::fflush(m_file) == 0;
    // The old file is replaced only by one that is on the disk.
#ifdef _WIN32
    flushed = flushed && _commit(_fileno(m_file)) == 0;
#else
    flushed = flushed && ::fsync(::fileno(m_file)) == 0;
#endif
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!flushed || !closed) {
        m_error = WriteError::Close;
        Abort();
        return false;
    }
    if (!ReplaceFile(m_temp, m_target)) {
        m_error = WriteError::Rename;
        Abort();
        return false;
    }
    m_temp.clear();
    m_committed = true;
    return true;
}

void AtomicFile::Abort()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temp.empty()) {
        RemoveFile(m_temp);
        m_temp.clear();
    }
}

}  // namespace corvane::fileio
