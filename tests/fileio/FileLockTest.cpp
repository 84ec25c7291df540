#include <gtest/gtest.h>

#ifndef _WIN32
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>

#include "fileio/FileLock.h"
#include "support/TempDir.h"

using corvane::fileio::FileLock;
using corvane::test::TempDir;

TEST(FileLock, HeldByOneAtATimeAndLeavesNoFile)
{
    TempDir dir;
    const std::string path = dir.File("Corvane.ENV.lock");
    FileLock missing(dir.File("none/x.lock"));
    EXPECT_FALSE(missing.Acquire());

#ifndef _WIN32
    // Another process, started before the lock is taken (a forked copy of a
    // held lock would hold it too), waits until it is released.
    int go[2];
    int done[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        char start = 0;
        if (::read(go[0], &start, 1) != 1)
            ::_exit(2);
        FileLock other(path);
        const char got = other.Acquire() ? 'y' : 'n';
        other.Release();  // _exit runs no destructor
        ::_exit(::write(done[1], &got, 1) == 1 ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    ::close(go[0]);
    ::close(done[1]);
#endif
    FileLock lock(path);
    ASSERT_TRUE(lock.Acquire());
    EXPECT_TRUE(lock.Held());
#ifndef _WIN32
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    pollfd waiting{done[0], POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 300), 0) << "the other process got the lock while it was held";
    lock.Release();
    char got = 0;
    EXPECT_EQ(::read(done[0], &got, 1), 1);
    EXPECT_EQ(got, 'y');
    ::close(go[1]);
    ::close(done[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
#else
    lock.Release();
#endif
    EXPECT_FALSE(lock.Held());
    EXPECT_EQ(dir.Listing(), "");
}
