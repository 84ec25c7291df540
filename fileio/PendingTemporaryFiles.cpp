#include "fileio/PendingTemporaryFiles.h"

#include <functional>
#include <mutex>
#include <set>

#include "fileio/AtomicFile.h"
#include "fileio/OpenFile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <pthread.h>
#include <signal.h>

#include <cstring>
#include <system_error>
#include <thread>
#endif

namespace corvane::fileio {

namespace {

struct Pending {
    std::mutex mutex;
    std::set<std::string> paths;
    bool interrupted = false;
};

// Never destroyed: an interrupt while the process exits still finds it.
Pending& ThePending()
{
    static Pending* const pending = new Pending;
    return *pending;
}

struct InterruptAction {
    std::mutex mutex;
    std::function<void()> action;
};

InterruptAction& TheInterruptAction()
{
    static InterruptAction* const action = new InterruptAction;
    return *action;
}

// Removes every noted file; from now on no writer creates one. The action
// comes first: it may write files of its own.
void RemoveAllPending()
{
    {
        InterruptAction& last = TheInterruptAction();
        const std::lock_guard<std::mutex> lock(last.mutex);
        if (last.action)
            last.action();
    }
    Pending& pending = ThePending();
    const std::lock_guard<std::mutex> lock(pending.mutex);
    pending.interrupted = true;
    for (const auto& path : pending.paths)
        RemoveFile(path);
    pending.paths.clear();
}

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD /*event*/)
{
    // Windows calls this on a thread of its own.
    RemoveAllPending();
    return FALSE;  // the default handler ends the process
}
#else
// The only thread that takes the interrupt signals: the others block them.
void WaitForInterrupt(sigset_t signals)
{
    int signal = 0;
    while (::sigwait(&signals, &signal) != 0) {
    }
    RemoveAllPending();
    // The process ends as the signal meant: its default action, on this thread.
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::raise(signal);
}
#endif

}  // namespace

std::FILE* CreatePending(const std::string& path, std::FILE* (*create)(const std::string&))
{
    Pending& pending = ThePending();
    const std::lock_guard<std::mutex> lock(pending.mutex);
    if (pending.interrupted)
        return nullptr;
    const auto [at, noted] = pending.paths.insert(path);
    std::FILE* file = create(path);
    if (!file && noted)
        pending.paths.erase(at);
    return file;
}

void ForgetPending(const std::string& path)
{
    Pending& pending = ThePending();
    const std::lock_guard<std::mutex> lock(pending.mutex);
    pending.paths.erase(path);
}

void SetInterruptAction(std::function<void()> action)
{
    InterruptAction& last = TheInterruptAction();
    const std::lock_guard<std::mutex> lock(last.mutex);
    last.action = std::move(action);
}

void RemoveTemporaryFilesOnInterrupt()
{
#ifdef _WIN32
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
    static std::once_flag once;
    std::call_once(once, [] {
        sigset_t signals;
        sigemptyset(&signals);
        bool any = false;
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
            struct sigaction old;
            if (::sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) || old.sa_handler != SIG_DFL)
                continue;  // ignored or handled by someone else: left so
            sigaddset(&signals, signal);
            any = true;
        }
        if (!any)
            return;
        // Blocked on this thread and so on every thread it starts from now on.
        ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
        try {
            std::thread(WaitForInterrupt, signals).detach();
        } catch (const std::system_error&) {
            ::pthread_sigmask(SIG_UNBLOCK, &signals, nullptr);  // no thread: the signals end the process as before
        }
    });
#endif
}

}  // namespace corvane::fileio
