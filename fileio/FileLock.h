#pragma once

#include <string>

namespace corvane::fileio {

// An exclusive lock between processes and between the threads of one, held on a lock file of its own (the
// file it guards is replaced by renaming, so it cannot carry the lock). The
// lock file is removed again when the lock is released.
class FileLock final {
public:
    explicit FileLock(std::string lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits until this object holds the lock; false when the lock file
    // cannot be created or opened (folder missing or read-only).
    bool Acquire();
    void Release();
    bool Held() const;

private:
    bool AcquireFile();
    void ReleaseFile();

    std::string m_path;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

}  // namespace corvane::fileio
