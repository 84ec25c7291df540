#include <gtest/gtest.h>

#include "fileio/AtomicFile.h"
#include "support/TempDir.h"

using corvane::fileio::AtomicFile;
using corvane::fileio::WriteError;
using corvane::test::ReadFileBytes;
using corvane::test::TempDir;

TEST(AtomicFile, ReplacesTheTargetOnlyAtCommit)
{
    TempDir dir;
    const auto target = dir.Write("out.xml", "old");
    AtomicFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new bytes"));
    EXPECT_EQ(ReadFileBytes(target), "old");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFileBytes(target), "new bytes");
    EXPECT_EQ(dir.Listing(), "out.xml\n");
}

TEST(AtomicFile, AbandonedWriteLeavesTargetAndNoTemporaryFile)
{
    TempDir dir;
    const auto target = dir.Write("out.xml", "old");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
    }
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(dir.Listing(), "out.xml\n");
}

TEST(AtomicFile, MissingFolderOrFolderTargetFailsToOpen)
{
    TempDir dir;
    AtomicFile missing(dir.File("no/such/folder/out.xml"));
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.Error(), WriteError::Create);
    EXPECT_FALSE(missing.Commit());

    AtomicFile folder(dir.Path());
    EXPECT_FALSE(folder.Open());
    EXPECT_EQ(folder.Error(), WriteError::Create);
    EXPECT_EQ(dir.Listing(), "");
}
