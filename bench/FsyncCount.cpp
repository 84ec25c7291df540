// Preloaded into corvane-bench's children: counts their fsync and fdatasync
// calls and writes the count, at exit, to the file that CORVANE_FSYNC_COUNT
// names. The converter's own counting would be a figure of the benchmark in
// the program.
#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<long> g_syncs{0};

struct WriteCountAtExit {
    ~WriteCountAtExit()
    {
        const char* path = std::getenv("CORVANE_FSYNC_COUNT");
        if (!path)
            return;
        if (std::FILE* file = std::fopen(path, "w")) {
            std::fprintf(file, "%ld\n", g_syncs.load());
            std::fclose(file);
        }
    }
} g_writeCountAtExit;

using SyncFunction = int (*)(int);

SyncFunction Next(const char* name)
{
    return reinterpret_cast<SyncFunction>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd)
{
    static const SyncFunction next = Next("fsync");
    ++g_syncs;
    return next(fd);
}

extern "C" int fdatasync(int fd)
{
    static const SyncFunction next = Next("fdatasync");
    ++g_syncs;
    return next(fd);
}
