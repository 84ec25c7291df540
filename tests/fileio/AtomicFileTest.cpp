#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "fileio/AtomicFile.h"
#include "fileio/FileStatus.h"
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

TEST(AtomicFile, LongNamesPermissionsAndLinksOfTheTargetAreKept)
{
    TempDir dir;
    // A name near the file system's limit of 255 bytes still leaves room for
    // the temporary file (Windows: whole paths stop at 260).
#ifdef _WIN32
    const std::string stem(150, 'n');
#else
    const std::string stem(250, 'n');
#endif
    const std::string longName = dir.Write(stem + ".xml", "old");
    AtomicFile named(longName);
    ASSERT_TRUE(named.Open());
    EXPECT_LE(std::filesystem::path(named.TemporaryPath()).filename().string().size(), 48u);
    ASSERT_TRUE(named.Write("new") && named.Commit());
    EXPECT_EQ(ReadFileBytes(longName), "new");
    EXPECT_EQ(dir.Listing(), stem + ".xml\n");
#ifndef _WIN32
    const std::string target = dir.Write("real.xml", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::string link = dir.File("link.xml");
    std::filesystem::create_symlink("real.xml", link);
    AtomicFile file(link);
    ASSERT_TRUE(file.Open());
    EXPECT_EQ(std::filesystem::path(file.TemporaryPath()).parent_path(), std::filesystem::path(dir.Path()));
    ASSERT_TRUE(file.Write("new") && file.Commit());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "new");
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
}

#ifndef _WIN32
TEST(AtomicFile, OpenRemovesTemporaryFilesThatNoRunningProcessOwns)
{
    TempDir dir;
    // A process id that has just ended.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    using corvane::fileio::TemporaryFileName;
    const std::string stale = TemporaryFileName(static_cast<unsigned long>(ended), 1);
    const std::string ours = TemporaryFileName(static_cast<unsigned long>(::getpid()), 2);
    // Another machine's, on a shared folder: its process cannot be asked.
    std::string foreign = stale;
    foreign[9] = foreign[9] == '0' ? '1' : '0';
    for (const auto& name : {stale, ours, foreign, std::string("other.tmp")})
        dir.Write(name, "x");

    AtomicFile file(dir.File("out.xml"));
    ASSERT_TRUE(file.Open());
    EXPECT_FALSE(std::filesystem::exists(dir.File(stale)));
    for (const auto& name : {ours, foreign, std::string("other.tmp")})
        EXPECT_TRUE(std::filesystem::exists(dir.File(name))) << name;
    file.Abort();
}

TEST(AtomicFile, InterruptRemovesTheTemporaryFilesOfEveryWriterOnEveryThread)
{
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        corvane::fileio::RemoveTemporaryFilesOnInterrupt();
        // Forty writers opened on eight threads at once (the threads started
        // after the call, as the converter's are), then ten of them committed
        // and ten more opened.
        std::vector<std::unique_ptr<AtomicFile>> files(40);
        std::vector<std::thread> threads;
        for (std::size_t t = 0; t < 8; ++t) {
            threads.emplace_back([&, t] {
                for (std::size_t i = t; i < files.size(); i += 8) {
                    files[i] = std::make_unique<AtomicFile>(dir.File("out-" + std::to_string(i) + ".xml"));
                    if (!files[i]->Open() || !files[i]->Write("x"))
                        ::_exit(2);
                }
            });
        }
        for (auto& thread : threads)
            thread.join();
        for (std::size_t i = 0; i < 10; ++i) {
            if (!files[i]->Commit())
                ::_exit(3);
            files[i] = std::make_unique<AtomicFile>(dir.File("again-" + std::to_string(i) + ".xml"));
            if (!files[i]->Open())
                ::_exit(4);
        }
        const char done = 1;
        if (::write(ready[1], &done, 1) != 1)
            ::_exit(5);
        for (;;)
            ::pause();
    }
    ASSERT_GT(child, 0);
    ::close(ready[1]);
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::close(ready[0]);
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
    // Only the committed files are left.
    std::string committed;
    for (const auto& name : {"out-0.xml", "out-1.xml", "out-2.xml", "out-3.xml", "out-4.xml", "out-5.xml", "out-6.xml",
                             "out-7.xml", "out-8.xml", "out-9.xml"})
        committed += std::string(name) + "\n";
    EXPECT_EQ(dir.Listing(), committed);
}
#endif
