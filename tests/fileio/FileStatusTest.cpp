#include <gtest/gtest.h>

#include <filesystem>

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

TEST(FileStatus, SameFileByPathOrByIdentity)
{
    TempDir dir;
    const std::string sep(1, PathSeparator());
    const auto file = dir.Write("a.txt", "12345");
    const auto copy = dir.Write("b.txt", "12345");
    EXPECT_TRUE(SameFile(file, file));
    EXPECT_TRUE(SameFile(file, dir.Path() + sep + "." + sep + "sub" + sep + ".." + sep + "a.txt"));
    EXPECT_FALSE(SameFile(file, copy));
    EXPECT_FALSE(SameFile(file, ""));
    // Neither exists: only the path can tell.
    EXPECT_TRUE(SameFile(dir.File("gone.txt"), dir.File("gone.txt")));
    EXPECT_FALSE(SameFile(dir.File("gone.txt"), dir.File("gone2.txt")));
    // Another name of the same file.
    std::error_code ec;
    std::filesystem::create_hard_link(file, dir.File("hard.txt"), ec);
    if (!ec) {
        EXPECT_TRUE(SameFile(file, dir.File("hard.txt")));
    }
#ifndef _WIN32
    std::filesystem::create_symlink(file, dir.File("link.txt"));
    EXPECT_TRUE(SameFile(dir.File("link.txt"), file));
#endif
}
