#include "fileio/FileLock.h"

#include <mutex>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace corvane::fileio {

namespace {

// Threads of one process (the batch converter's jobs) also take turns on
// this mutex, so that their exclusion does not rest on how the system treats
// two locks of one process.
std::mutex& ProcessMutex()
{
    static std::mutex mutex;
    return mutex;
}

}  // namespace

FileLock::FileLock(std::string lockPath) : m_path(std::move(lockPath)) {}

bool FileLock::Acquire()
{
    if (Held())
        return true;
    ProcessMutex().lock();
    if (AcquireFile())
        return true;
    ProcessMutex().unlock();
    return false;
}

void FileLock::Release()
{
    if (!Held())
        return;
    ReleaseFile();
    ProcessMutex().unlock();
}

FileLock::~FileLock()
{
    Release();
}

#ifdef _WIN32

namespace {
// A lock file that its last holder closed is "delete pending" until every
// waiter has closed it too; opening it fails meanwhile, so we try again.
constexpr int kPendingRetries = 500;
constexpr DWORD kPendingWaitMs = 10;
}  // namespace

bool FileLock::AcquireFile()
{
    if (m_handle)
        return true;
    for (int attempt = 0;; ++attempt) {
        HANDLE h = CreateFileA(m_path.c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            OVERLAPPED whole{};
            if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
                CloseHandle(h);
                return false;
            }
            m_handle = h;
            return true;
        }
        if (GetLastError() != ERROR_ACCESS_DENIED || attempt == kPendingRetries)
            return false;
        // Access denied for a file that is not there: the folder is not writable.
        if (GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND)
            return false;
        Sleep(kPendingWaitMs);
    }
}

void FileLock::ReleaseFile()
{
    if (!m_handle)
        return;
    OVERLAPPED whole{};
    UnlockFileEx(static_cast<HANDLE>(m_handle), 0, 1, 0, &whole);
    CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

bool FileLock::Held() const
{
    return m_handle != nullptr;
}

#else

bool FileLock::AcquireFile()
{
    if (m_fd >= 0)
        return true;
    for (;;) {
        const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return false;
        int locked;
        do
            locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            ::close(fd);
            return false;
        }
        // The holder before us removes the file on release: a lock on that
        // removed file guards nothing, so take the one now at the path.
        struct stat held;
        struct stat named;
        if (::fstat(fd, &held) == 0 && ::stat(m_path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            m_fd = fd;
            return true;
        }
        ::close(fd);
    }
}

void FileLock::ReleaseFile()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that no one locks the name in between.
    ::unlink(m_path.c_str());
    ::close(m_fd);
    m_fd = -1;
}

bool FileLock::Held() const
{
    return m_fd >= 0;
}

#endif

}  // namespace corvane::fileio
