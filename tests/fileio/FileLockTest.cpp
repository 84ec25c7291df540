#include <gtest/gtest.h>

#include "fileio/FileLock.h"
#include "support/TempDir.h"

using corvane::fileio::FileLock;
using corvane::test::TempDir;

// Exclusion between processes is shown by the converters that share one
// settings file (ConvertProcess.ParallelRuns...).
TEST(FileLock, HeldUntilReleasedAndLeavesNoFile)
{
    TempDir dir;
    FileLock missing(dir.File("none/x.lock"));
    EXPECT_FALSE(missing.Acquire());

    FileLock lock(dir.File("Corvane.ENV.lock"));
    ASSERT_TRUE(lock.Acquire());
    EXPECT_TRUE(lock.Held());
    EXPECT_EQ(dir.Listing(), "Corvane.ENV.lock\n");
    lock.Release();
    EXPECT_FALSE(lock.Held());
    EXPECT_EQ(dir.Listing(), "");
    // Taken again after a release, as the next run does.
    ASSERT_TRUE(lock.Acquire());
    lock.Release();
    EXPECT_EQ(dir.Listing(), "");
}
