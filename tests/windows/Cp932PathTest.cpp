#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "fileio/AtomicFile.h"
#include "fileio/FileStatus.h"
#include "support/TempDir.h"

using corvane::fileio::AtomicFile;
using corvane::test::ReadFileBytes;
using corvane::test::TempDir;

namespace {

// Paths in the ANSI code page, with 表 (0x95 0x5C) right before a separator.
class Cp932Paths : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 932)
            GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932 (run under LC_ALL=ja_JP.UTF-8)";
        m_folder = m_dir.Path() + "\\給与表";
        ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
    }

    // The names in the folder, sorted by the system, one a line.
    std::string Listing() const
    {
        std::string names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((m_folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                names += name + "\n";
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    TempDir m_dir;
    std::string m_folder;
};

TEST_F(Cp932Paths, StatusSeesFilesAndFolders)
{
    const std::string file = m_folder + "\\社員表.TXT";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, "12345", 5, &written, nullptr);
    CloseHandle(h);

    const auto info = corvane::fileio::Status(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_FALSE(info->isDirectory);
    EXPECT_EQ(info->size, 5u);
    EXPECT_TRUE(corvane::fileio::FileExists(file));
    EXPECT_FALSE(corvane::fileio::FileExists(m_folder));
    EXPECT_TRUE(corvane::fileio::Status(m_folder)->isDirectory);
    EXPECT_FALSE(corvane::fileio::Status(m_folder + "\\無い表.TXT").has_value());
    EXPECT_EQ(corvane::fileio::DirectoryOf(file), m_folder);
}

TEST_F(Cp932Paths, AtomicFileCreatesAndReplacesAJapaneseName)
{
    const std::string target = m_folder + "\\中間ファイル表.XML";
    {
        AtomicFile first(target);
        ASSERT_TRUE(first.Open());
        ASSERT_TRUE(first.Write("old\r\n"));
        ASSERT_TRUE(first.Commit());
    }
    EXPECT_EQ(ReadFileBytes(target), "old\r\n");

    AtomicFile second(target);
    ASSERT_TRUE(second.Open());
    ASSERT_TRUE(second.Write("new bytes"));
    // Nothing changes before the commit.
    EXPECT_EQ(ReadFileBytes(target), "old\r\n");
    ASSERT_TRUE(second.Commit());
    EXPECT_EQ(ReadFileBytes(target), "new bytes");
    EXPECT_EQ(Listing(), "中間ファイル表.XML\n");
}

TEST_F(Cp932Paths, AbortLeavesTheTargetAndNoTemporaryFile)
{
    const std::string target = m_folder + "\\表.XML";
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
        EXPECT_EQ(Listing().find("表.XML\n"), std::string::npos);
    }
    EXPECT_FALSE(corvane::fileio::FileExists(target));
    EXPECT_EQ(Listing(), "");
}

TEST_F(Cp932Paths, ATargetThatCannotBeReplacedFailsAtCommit)
{
    const std::string target = m_folder + "\\開いている表.XML";
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Commit());
    }
    // Held open without delete sharing, the old file cannot be replaced.
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    AtomicFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new"));
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(file.Error(), corvane::fileio::WriteError::Rename);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(target), "");
    EXPECT_EQ(Listing(), "開いている表.XML\n");
}

}  // namespace
