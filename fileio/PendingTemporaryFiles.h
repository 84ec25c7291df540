#pragma once

#include <cstdio>
#include <string>

// The temporary files of the AtomicFiles that are open, where an interrupt
// finds them (fileio's own: AtomicFile keeps its file here). The interrupt is
// handled on a thread of its own, not in a signal handler, so any number of
// writers on any number of threads are removed; a file is created and noted
// in one step, so that none is created unnoted once the interrupt has begun.
namespace corvane::fileio {

// Creates the temporary file `path` with `create` and notes it; nullptr when
// `create` fails or an interrupt has begun (the process is ending).
std::FILE* CreatePending(const std::string& path, std::FILE* (*create)(const std::string&));
// Forgets `path` once its file is gone (renamed or removed).
void ForgetPending(const std::string& path);

}  // namespace corvane::fileio
