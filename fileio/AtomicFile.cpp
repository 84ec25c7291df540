#include "fileio/AtomicFile.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "fileio/PendingTemporaryFiles.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#else
#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#endif

namespace corvane::fileio {

namespace {

const char kTempPrefix[] = ".corvane-";
const char kTempSuffix[] = ".tmp";

unsigned long CurrentProcessId()
{
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(::getpid());
#endif
}

// Eight hex digits for this machine's name: a folder on a network share may
// hold temporary files of processes on other machines, which we cannot see.
const std::string& HostTag()
{
    static const std::string tag = [] {
        char name[256] = {};
#ifdef _WIN32
        DWORD size = sizeof name;
        if (!GetComputerNameA(name, &size))
            name[0] = '\0';
#else
        if (::gethostname(name, sizeof name - 1) != 0)
            name[0] = '\0';
#endif
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (const char* p = name; *p; ++p)
            hash = (hash ^ static_cast<unsigned char>(*p)) * 16777619u;
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
        return std::string(hex);
    }();
    return tag;
}

unsigned NextSerial()
{
    static std::atomic<unsigned> counter{0};
    // <chrono> cannot be used here: C++20's holds a literal that code page 932 lacks.
    static const unsigned start = static_cast<unsigned>(std::random_device{}());
    return start + counter.fetch_add(1);
}

bool ProcessRuns(unsigned long pid)
{
#ifdef _WIN32
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;  // denied: it runs, as someone else
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    if (pid > 0x7fffffffUL)
        return true;  // no process id: keep the file rather than ask about a process group
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

// The owner of a temporary file of our naming written on this machine; 0
// when `name` is not one.
unsigned long OwnerOf(const std::string& name)
{
    const std::string head = kTempPrefix + HostTag() + "-";
    const std::size_t suffixSize = sizeof kTempSuffix - 1;
    if (name.size() <= head.size() + suffixSize || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - suffixSize, suffixSize, kTempSuffix) != 0)
        return 0;
    unsigned long pid = 0;
    std::size_t i = head.size();
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && i < head.size() + 10; ++i)
        pid = pid * 10 + static_cast<unsigned long>(name[i] - '0');
    if (i == head.size() || name[i] != '-')
        return 0;
    return pid;
}

// The folder part of `path` with its separator ("" for a bare name), so that
// "/out.xml" gives "/".
std::string FolderPrefix(const std::string& path)
{
    const std::size_t pos = LastSeparator(path);
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

// Removes the temporary files in `folder` whose writer on this machine has
// ended without removing them (killed, or the machine went down).
void RemoveStaleTemporaryFiles(const std::string& folder)
{
    std::vector<std::string> stale;
#ifdef _WIN32
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(folder + kTempPrefix + "*" + kTempSuffix).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = Utf8Path(found.cFileName);
        const unsigned long pid = OwnerOf(name.c_str());
        if (pid != 0 && !ProcessRuns(pid))
            stale.push_back(folder + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
#else
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const unsigned long pid = OwnerOf(entry->d_name);
        if (pid != 0 && !ProcessRuns(pid))
            stale.push_back(folder + entry->d_name);
    }
    ::closedir(dir);
#endif
    for (const auto& path : stale)
        RemoveFile(path);
}

// True the first time this process opens a file in `folder`: a batch writes
// thousands of files into one folder, and reading the whole folder for each
// made its writing grow with the square of their number.
bool FirstOpenIn(const std::string& folder)
{
    static std::mutex mutex;
    static std::set<std::string>* const swept = new std::set<std::string>;
    const std::lock_guard<std::mutex> lock(mutex);
    return swept->insert(folder).second;
}

// The target with its symbolic links followed, so that the link stays and
// the file it points to is replaced.
std::string FollowLinks(const std::string& target)
{
#ifdef _WIN32
    return target;
#else
    std::string path = target;
    for (int hop = 0; hop < 40; ++hop) {  // the kernel's own limit
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        std::error_code ec;
        const std::string link = std::filesystem::read_symlink(path, ec).string();
        if (ec || link.empty())
            break;
        if (link.front() == '/')
            path = link;
        else
            path = FolderPrefix(path).append(link);
    }
    return path;
#endif
}

bool ReplaceFile(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    // rename() refuses an existing target there; this replaces it in one step.
    // A target that someone has open for a moment (another run comparing
    // files, a virus scanner) refuses to be replaced: wait a little for it.
    constexpr int kBusyRetries = 100;
    constexpr DWORD kBusyWaitMs = 20;
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0)
            return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || attempt == kBusyRetries)
            return false;
        Sleep(kBusyWaitMs);
    }
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// A new file that must not exist yet, open for binary writing.
std::FILE* CreateNewFile(const std::string& path)
{
#ifdef _WIN32
    // Shared for deletion, so that the console handler can remove it while it is open.
    HANDLE h = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
#else
    // "x" refuses to reuse a name that happens to exist.
    return std::fopen(path.c_str(), "wbx");
#endif
}

// The user's permission bits of the file being replaced.
void KeepPermissions(std::FILE* file, const std::string& replaced)
{
#ifdef _WIN32
    // The read-only attribute is the only one; a read-only target refuses the replace anyway.
    (void)file;
    (void)replaced;
#else
    struct stat st;
    if (::stat(replaced.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(::fileno(file), st.st_mode & 0777);
#endif
}

}  // namespace

std::string TemporaryFileName(unsigned long pid, unsigned serial)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s%s-%lu-%08x%s", kTempPrefix, HostTag().c_str(), pid, serial, kTempSuffix);
    return name;
}

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
    m_replaced = FollowLinks(m_target);
    const auto info = Status(m_replaced);
    if (info && info->isDirectory) {
        m_error = WriteError::Create;
        return false;
    }
    const std::string folder = FolderPrefix(m_replaced);
    if (FirstOpenIn(folder))
        RemoveStaleTemporaryFiles(folder);
    for (int attempt = 0; attempt < 8 && !m_file; ++attempt) {
        m_temp = folder + TemporaryFileName(CurrentProcessId(), NextSerial());
        // Noted for the interrupt in the same step as it is created, so that it is never there unknown.
        m_file = CreatePending(m_temp, CreateNewFile);
        if (m_file)
            break;
        if (!Status(m_temp))
            break;  // not a name clash: the folder refuses, or an interrupt ends the process
    }
    if (!m_file) {
        m_temp.clear();
        m_error = WriteError::Create;
        return false;
    }
    if (info && info->isRegular)
        KeepPermissions(m_file, m_replaced);
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
    if (!ReplaceFile(m_temp, m_replaced)) {
        m_error = WriteError::Rename;
        Abort();
        return false;
    }
    ForgetPending(m_temp);
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
        ForgetPending(m_temp);
        m_temp.clear();
    }
}

}  // namespace corvane::fileio
