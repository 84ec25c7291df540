#include <gtest/gtest.h>

#include "fileio/FileStatus.h"
#include "support/TempDir.h"

using namespace corvane::fileio;
using corvane::test::TempDir;

TEST(FileStatus, TellsFilesFromFoldersAndNothing)
{
    TempDir dir;
    const auto file = dir.Write("a.txt", "12345");
    ASSERT_TRUE(Status(file).has_value());
    EXPECT_EQ(Status(file)->size, 5u);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.Path()));
    EXPECT_TRUE(Status(dir.Path())->isDirectory);
    EXPECT_FALSE(Status(dir.File("none")).has_value());
    EXPECT_FALSE(Status("").has_value());
}

TEST(FileStatus, DirectoryOfCutsAtTheLastSeparator)
{
    const std::string sep(1, PathSeparator());
    EXPECT_EQ(DirectoryOf("a" + sep + "b" + sep + "c.xml"), "a" + sep + "b");
    EXPECT_EQ(DirectoryOf("c.xml"), "");
}

TEST(FileStatus, MakeFoldersAndWhetherAFolderTakesFiles)
{
    TempDir dir;
    const std::string sep(1, PathSeparator());
    const std::string nested = dir.File("a") + sep + "b" + sep + "c";
    EXPECT_FALSE(FolderWritable(nested));
    EXPECT_TRUE(MakeFolders(nested));
    EXPECT_TRUE(Status(nested)->isDirectory);
    EXPECT_TRUE(FolderWritable(nested));
    EXPECT_TRUE(MakeFolders(nested));  // already there

    // A file is no folder: neither made nor written into.
    const auto file = dir.Write("f.txt", "x");
    EXPECT_FALSE(FolderWritable(file));
    EXPECT_FALSE(MakeFolders(file));
    EXPECT_FALSE(MakeFolders(file + sep + "sub"));
}
