#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "fileio/ByteSink.h"

namespace corvane::fileio {

// What went wrong when a file could not be replaced.
enum class WriteError {
    None,
    Create,  // the temporary file could not be created (folder missing, read-only, the path a folder)
    Write,   // a write failed part-way (disk full, I/O error)
    Close,   // flushing or closing failed
    Rename   // the finished file could not be moved over the target
};

// Replaces a file so that it appears whole or not at all: the bytes go to a
// temporary file in the target's folder, which is renamed over the target
// only after every byte was written and the file closed. Destroying an
// uncommitted AtomicFile removes the temporary file and leaves the target
// as it was. The new file keeps the permission bits of the one it replaces,
// and a target that is a symbolic link stays one: the file it points to is
// replaced.
//
// The temporary file's name does not depend on the target's length, and it
// names the process that writes it: the first Open in a folder removes the
// temporary files there that a process of this machine left behind and no
// longer runs.
class AtomicFile final : public ByteSink {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false (error Create) when it cannot.
    bool Open();
    bool Write(const char* data, std::size_t size) override;
    using ByteSink::Write;
    // Closes the temporary file and renames it over the target; on false the
    // target is untouched and the temporary file is gone.
    bool Commit();
    // Drops the temporary file; the target is untouched.
    void Abort();

    WriteError Error() const { return m_error; }
    const std::string& TargetPath() const { return m_target; }
    const std::string& TemporaryPath() const { return m_temp; }

private:
    std::string m_target;
    std::string m_replaced;  // the target with its symbolic links followed
    std::string m_temp;
    std::FILE* m_file = nullptr;
    WriteError m_error = WriteError::None;
    bool m_committed = false;
};

// The name of a temporary file that process `pid` of this machine writes;
// `serial` tells apart the files of one process.
std::string TemporaryFileName(unsigned long pid, unsigned serial);

// From now on an interrupt (SIGINT, SIGTERM, SIGHUP, SIGQUIT; on Windows
// Ctrl+C, Ctrl+Break, closing the console) removes the temporary files of the
// AtomicFiles that are open, however many on however many threads, then ends
// the process as it would have ended. Signals that the process ignores stay
// ignored. Call it before starting any thread: on POSIX the signals are
// blocked on this thread and the threads it starts, and taken by a thread of
// the interrupt's own.
void RemoveTemporaryFilesOnInterrupt();

// Runs `action` at an interrupt, on the interrupt's thread, before the
// temporary files are removed and while the other threads still run (a
// batch saves the lines of the companies it finished there). One action at
// a time; an empty one clears it, waiting for a running action to end.
void SetInterruptAction(std::function<void()> action);

}  // namespace corvane::fileio
