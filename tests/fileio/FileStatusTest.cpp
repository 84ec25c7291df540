#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "fileio/FileStatus.h"
#include "fileio/StatusMemo.h"
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

TEST(FileStatus, SameFileByPathOrByTheFileOnDisk)
{
    TempDir dir;
    const std::string sep(1, PathSeparator());
    const auto a = dir.Write("a.txt", "a");
    const auto b = dir.Write("b.txt", "a");
    EXPECT_TRUE(SameFile(a, a));
    EXPECT_TRUE(SameFile(a, dir.Path() + sep + "." + sep + "a.txt"));
    EXPECT_FALSE(SameFile(a, b));  // same bytes, another file
    // Not there yet: the normalised path decides.
    EXPECT_TRUE(SameFile(dir.File("new.xml"), dir.Path() + sep + "x" + sep + ".." + sep + "new.xml"));
    EXPECT_FALSE(SameFile(dir.File("new.xml"), dir.File("new2.xml")));
    // A file that is there against a path that is not: only a ".." after a
    // missing folder leads back to it.
    EXPECT_FALSE(SameFile(a, dir.File("new.xml")));
    EXPECT_FALSE(SameFile(dir.Path() + sep + "x" + sep + "a.txt", a));
    EXPECT_TRUE(SameFile(dir.Path() + sep + "x" + sep + ".." + sep + "a.txt", a));
    EXPECT_FALSE(SameFile("", ""));
#ifndef _WIN32
    std::filesystem::create_hard_link(a, dir.File("hard.txt"));
    std::filesystem::create_symlink(b, dir.File("soft.txt"));
    EXPECT_TRUE(SameFile(a, dir.File("hard.txt")));
    EXPECT_TRUE(SameFile(dir.File("soft.txt"), b));
    EXPECT_FALSE(SameFile(dir.File("soft.txt"), a));
    // A FIFO is there but is no regular file.
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(Status(dir.File("fifo"))->isRegular);
    EXPECT_TRUE(Status(a)->isRegular);
#endif
}

// A path stated once answers as the two paths do, in every case above: the
// same file, another, not there yet, a ".." back to it, links, nothing.
TEST(FileStatus, StatedPathsAnswerAsSameFile)
{
    TempDir dir;
    const std::string sep(1, PathSeparator());
    const auto a = dir.Write("a.txt", "a");
    const auto b = dir.Write("b.txt", "a");
    std::vector<std::string> paths = {a,
                                      b,
                                      dir.Path() + sep + "." + sep + "a.txt",
                                      dir.File("new.xml"),
                                      dir.Path() + sep + "x" + sep + ".." + sep + "new.xml",
                                      dir.Path() + sep + "x" + sep + "a.txt",
                                      dir.Path() + sep + "x" + sep + ".." + sep + "a.txt",
                                      ""};
#ifndef _WIN32
    std::filesystem::create_hard_link(a, dir.File("hard.txt"));
    std::filesystem::create_symlink(b, dir.File("soft.txt"));
    paths.push_back(dir.File("hard.txt"));
    paths.push_back(dir.File("soft.txt"));
#endif
    int same = 0;
    for (const auto& x : paths) {
        const StatedPath stated(x);
        EXPECT_EQ(stated.Path(), x);
        for (const auto& y : paths) {
            EXPECT_EQ(SameFile(stated, StatedPath(y)), SameFile(x, y)) << x << " / " << y;
            same += SameFile(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(same, static_cast<int>(paths.size()));  // pairs of different paths among them
}

TEST(FileStatus, LiesInsideAFolderAtAnyDepthByPathOrByLink)
{
    TempDir dir;
    const std::string sep(1, PathSeparator());
    std::filesystem::create_directories(dir.File("root/c1"));
    const auto list = dir.Write("root/c1/jugyoin.txt", "x");
    EXPECT_TRUE(LiesInside(list, dir.File("root")));
    EXPECT_TRUE(LiesInside(list, dir.File("root/c1")));
    EXPECT_TRUE(LiesInside(dir.File("root/c1"), dir.File("root/c1")));
    // Not there yet, and through "..": the normalised path decides.
    EXPECT_TRUE(LiesInside(dir.File("root/c1/new/out.csv"), dir.File("root")));
    EXPECT_FALSE(LiesInside(dir.File("root/c1") + sep + ".." + sep + ".." + sep + "s.csv", dir.File("root")));
    // A name that only begins like the folder's is beside it, not in it.
    EXPECT_FALSE(LiesInside(dir.File("root2/x.csv"), dir.File("root")));
    EXPECT_FALSE(LiesInside(dir.File("root"), dir.File("root/c1")));
    EXPECT_FALSE(LiesInside("", dir.File("root")));
    EXPECT_FALSE(LiesInside(list, ""));
    // Among many folders: the first that holds it, or none.
    const std::vector<std::string> folders = {dir.File("root2"), "", dir.File("root/c1"), dir.File("root")};
    EXPECT_EQ(FolderHolding(list, folders), 2u);
    EXPECT_EQ(FolderHolding(dir.File("root/c2/x.csv"), folders), 3u);
    EXPECT_EQ(FolderHolding(dir.File("s.csv"), folders), std::nullopt);
#ifndef _WIN32
    std::filesystem::create_directory_symlink(dir.File("root/c1"), dir.File("link"));
    EXPECT_TRUE(LiesInside(dir.File("link/jugyoin.txt"), dir.File("root")));
    EXPECT_TRUE(LiesInside(list, dir.File("link")));
#endif
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

#ifndef _WIN32
// A memo answers for a file as it was when first asked, on its own thread, and
// only while it lives: the checker's later questions must see a change again.
TEST(FileStatus, AMemoAnswersAsFirstAskedOnItsThreadAndOnlyWhileItLives)
{
    TempDir dir;
    const auto file = dir.Write("a.txt", "12345");
    const auto later = dir.File("later.txt");
    {
        const StatusMemo memo;
        EXPECT_EQ(Status(file)->size, 5u);
        EXPECT_FALSE(FileExists(later));
        dir.Write("a.txt", "1234567");
        dir.Write("later.txt", "x");
        {
            const StatusMemo inner;  // does nothing: the outer one still answers after it
        }
        EXPECT_EQ(Status(file)->size, 5u);
        EXPECT_FALSE(FileExists(later));
        std::optional<std::uint64_t> elsewhere;
        std::thread([&] { elsewhere = Status(file)->size; }).join();
        EXPECT_EQ(elsewhere, 7u);
    }
    EXPECT_EQ(Status(file)->size, 7u);
    EXPECT_TRUE(FileExists(later));
}
#endif
