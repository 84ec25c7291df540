#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "fileio/AtomicFile.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "text/LineReader.h"

using corvane::fileio::AtomicFile;
using corvane::fileio::WidePath;
using corvane::test::TempDir;

namespace {

// A path from code page 932 text (this file's literals), in UTF-8 as the program's paths are.
std::string P(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToPath(text);
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    if (std::FILE* file = corvane::fileio::OpenFile(path, "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

// Paths through the wide-character API: a folder whose name code page 932
// cannot hold (𠮷, U+20BB7) and 表 (0x95 0x5C in code page 932) right
// before a separator.
class WidePaths : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder = m_dir.Path() + "\\\xF0\xA0\xAE\xB7" + P("田 給与表");
        ASSERT_TRUE(CreateDirectoryW(WidePath(m_folder).c_str(), nullptr));
    }

    // The names in the folder, sorted by the system, one a line, in UTF-8.
    std::string Listing() const
    {
        std::string names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(WidePath(m_folder + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = corvane::fileio::Utf8Path(found.cFileName);
            if (name != "." && name != "..")
                names += name + "\n";
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    TempDir m_dir;
    std::string m_folder;
};

TEST_F(WidePaths, StatusAndTheLineReaderSeeFilesAndFolders)
{
    const std::string file = m_folder + P("\\社員表.TXT");
    HANDLE h =
        CreateFileW(WidePath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, "12\r\n45", 6, &written, nullptr);
    CloseHandle(h);

    const auto info = corvane::fileio::Status(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_FALSE(info->isDirectory);
    EXPECT_EQ(info->size, 6u);
    EXPECT_TRUE(corvane::fileio::FileExists(file));
    EXPECT_FALSE(corvane::fileio::FileExists(m_folder));
    EXPECT_TRUE(corvane::fileio::Status(m_folder)->isDirectory);
    EXPECT_FALSE(corvane::fileio::Status(m_folder + P("\\無い表.TXT")).has_value());
    EXPECT_EQ(corvane::fileio::DirectoryOf(file), m_folder);

    corvane::text::LineReader reader;
    ASSERT_TRUE(reader.Open(file));
    std::string line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line, "12\r");
}

TEST_F(WidePaths, AtomicFileCreatesAndReplacesAJapaneseName)
{
    const std::string target = m_folder + P("\\中間ファイル表.XML");
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
    EXPECT_EQ(Listing(), P("中間ファイル表.XML\n"));
}

TEST_F(WidePaths, AbortLeavesTheTargetAndNoTemporaryFile)
{
    const std::string target = m_folder + P("\\表.XML");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
        EXPECT_EQ(Listing().find(P("表.XML\n")), std::string::npos);
    }
    EXPECT_FALSE(corvane::fileio::FileExists(target));
    EXPECT_EQ(Listing(), "");
}

TEST_F(WidePaths, ATargetThatCannotBeReplacedFailsAtCommit)
{
    const std::string target = m_folder + P("\\開いている表.XML");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Commit());
    }
    // Held open without delete sharing, the old file cannot be replaced.
    HANDLE held =
        CreateFileW(WidePath(target).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    AtomicFile file(target);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("new"));
    EXPECT_FALSE(file.Commit());
    EXPECT_EQ(file.Error(), corvane::fileio::WriteError::Rename);
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(target), "");
    EXPECT_EQ(Listing(), P("開いている表.XML\n"));
}

}  // namespace
