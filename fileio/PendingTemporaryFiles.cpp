#include "fileio/PendingTemporaryFiles.h"

#include <atomic>
#include <cstring>

#include "fileio/AtomicFile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "fileio/OpenFile.h"
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace corvane::fileio {

namespace {

// Room for a path: the longest that Linux opens (PATH_MAX), and more than
// Windows opens without long path support. A longer one is not kept.
constexpr std::size_t kPathRoom = 4096;
constexpr std::size_t kEntriesPerBlock = 16;

// An entry's word: its state in the low bits, above them the number of times
// it was dropped, so that the interrupt notices an entry dropped and taken
// again while it copied the path.
constexpr unsigned kFree = 0;
constexpr unsigned kFilling = 1;
constexpr unsigned kArmed = 2;
constexpr unsigned kStateBits = 3;
constexpr unsigned kOneDrop = 4;

}  // namespace

struct PendingTemporary {
    std::atomic<unsigned> word{kFree};
    std::atomic<char> path[kPathRoom];
};

namespace {

static_assert(std::atomic<unsigned>::is_always_lock_free && std::atomic<char>::is_always_lock_free &&
                  std::atomic<bool>::is_always_lock_free,
              "read inside a signal handler");

// Blocks are chained when every entry is taken and never freed, so that an
// interrupt on another thread never reads freed memory.
struct Block {
    PendingTemporary entries[kEntriesPerBlock];
    std::atomic<Block*> next{nullptr};
};
Block g_first;
std::atomic<bool> g_interrupted{false};

PendingTemporary* TakeFreeEntry()
{
    for (Block* block = &g_first;;) {
        for (PendingTemporary& entry : block->entries) {
            unsigned word = entry.word.load(std::memory_order_relaxed);
            if ((word & kStateBits) == kFree &&
                entry.word.compare_exchange_strong(word, word | kFilling, std::memory_order_acquire))
                return &entry;
        }
        Block* next = block->next.load(std::memory_order_acquire);
        if (!next) {
            Block* fresh = new Block;
            if (block->next.compare_exchange_strong(next, fresh, std::memory_order_acq_rel))
                next = fresh;
            else
                delete fresh;  // another thread chained one first: `next` is now that one
        }
        block = next;
    }
}

// Calls `remove` with the path of every entry whose file may exist. Only
// atomic loads and stores: async-signal-safe.
template <typename Remove>
void RemoveAllPending(Remove remove)
{
    // Before the sweep: a writer that creates its file after the sweep has
    // passed its entry sees this and removes the file itself.
    g_interrupted.store(true);
    char path[kPathRoom];
    for (Block* block = &g_first; block; block = block->next.load(std::memory_order_acquire)) {
        for (PendingTemporary& entry : block->entries) {
            const unsigned before = entry.word.load();
            if ((before & kStateBits) != kArmed)
                continue;
            std::size_t i = 0;
            for (; i + 1 < kPathRoom; ++i) {
                path[i] = entry.path[i].load(std::memory_order_relaxed);
                if (path[i] == '\0')
                    break;
            }
            path[i] = '\0';
            std::atomic_thread_fence(std::memory_order_acquire);
            // Dropped meanwhile: its file is gone, and the copy may mix two paths.
            if (entry.word.load(std::memory_order_relaxed) != before)
                continue;
            remove(path);
        }
    }
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD /*event*/)
{
    // A thread of its own, not a signal handler: converting is allowed here.
    RemoveAllPending([](const char* path) { DeleteFileW(WidePath(path).c_str()); });
    return FALSE;  // the default handler ends the process
}
#else
extern "C" void OnInterrupt(int signal)
{
    RemoveAllPending([](const char* path) { ::unlink(path); });
    // SA_RESETHAND restored the default action: the process ends as the signal meant.
    ::raise(signal);
}
#endif

}  // namespace

PendingTemporary* AddPending(const std::string& path)
{
    if (path.size() >= kPathRoom)
        return nullptr;  // the system could not create it anyway
    PendingTemporary* entry = TakeFreeEntry();
    // The interrupt copies the path only after it has read the word: the path
    // must change only after the word did.
    std::atomic_thread_fence(std::memory_order_release);
    for (std::size_t i = 0; i <= path.size(); ++i)
        entry->path[i].store(path.c_str()[i], std::memory_order_relaxed);
    const unsigned filling = entry->word.load(std::memory_order_relaxed);
    entry->word.store((filling & ~kStateBits) | kArmed);
    return entry;
}

void DropPending(PendingTemporary*& entry)
{
    if (entry) {
        const unsigned armed = entry->word.load(std::memory_order_relaxed);
        entry->word.store((armed & ~kStateBits) + kOneDrop, std::memory_order_release);
    }
    entry = nullptr;
}

bool InterruptUnderway()
{
    return g_interrupted.load();
}

void RemoveTemporaryFilesOnInterrupt()
{
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction old;
        if (::sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL)
            continue;
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

}  // namespace corvane::fileio
