#pragma once

#include <string>

// The temporary files of the AtomicFiles that are open, where an interrupt
// finds them (fileio's own: AtomicFile registers its file here). Any number of
// writers on any number of threads; the interrupt reads the list without
// locking or allocating.
namespace corvane::fileio {

struct PendingTemporary;

// Makes `path` known to the interrupt before the file is created; nullptr
// when the path is longer than a file name the system could open.
PendingTemporary* AddPending(const std::string& path);
// Forgets the entry once its file is gone (removed or renamed); sets it to nullptr.
void DropPending(PendingTemporary*& entry);
// True once an interrupt has begun removing the files: a file created after
// its sweep must be removed by its writer.
bool InterruptUnderway();

}  // namespace corvane::fileio
