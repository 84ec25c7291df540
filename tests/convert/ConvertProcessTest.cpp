// The built converter as scripts run it: many at once on one settings file,
// interrupted while writing, its standard output closed.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <pty.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "text/Format.h"
#include "tools/samplegen/SampleExports.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace {

using corvane::test::ReadFileBytes;
using corvane::test::TempDir;
namespace samplegen = corvane::samplegen;

#ifndef _WIN32

const std::string kHeader = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n";

// Starts corvane-convert with `args`, its standard output on `stdoutFd` and
// its standard error on `stderrFd` (-1: /dev/null) and the signals a script
// would leave it at their defaults.
pid_t StartConverter(const std::vector<std::string>& args, int stdoutFd = -1, int stderrFd = -1)
{
    std::vector<std::string> all = {CORVANE_CONVERT_EXE};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : all)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (stderrFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stderrFd, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGPIPE})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    return pid;
}

// Starts as StartConverter does, the converter and its threads confined to
// one processor: alike jobs then advance in step.
pid_t StartOnOneProcessor(const std::vector<std::string>& args)
{
    cpu_set_t all;
    if (::sched_getaffinity(0, sizeof all, &all) != 0)
        return -1;
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &all)) {
            CPU_SET(cpu, &one);
            break;
        }
    }
    // The child inherits this thread's processors.
    if (::sched_setaffinity(0, sizeof one, &one) != 0)
        return -1;
    const pid_t pid = StartConverter(args);
    ::sched_setaffinity(0, sizeof all, &all);
    return pid;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Everything written to the reading end `fd` until the writers are gone
// (a pipe's end of file; a terminal's EIO once its other side is closed).
std::string ReadAll(int fd)
{
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, static_cast<std::size_t>(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return bytes;
    }
}

std::string Utf8(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToUtf8(text);
}

std::vector<std::string> TemporaryFilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;  // a folder not made yet holds none
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(".corvane-", 0) == 0)
            names.push_back(name);
    }
    return names;
}

class ConvertProcess : public ::testing::Test {
protected:
    // Sample exports of `employees` employees in `exports`.
    void MakeExports(int employees, int bonuses)
    {
        samplegen::SampleOptions options;
        options.employees = employees;
        options.bonuses = bonuses;
        std::filesystem::create_directory(exports);
        std::string error;
        ASSERT_TRUE(samplegen::WriteSampleExports(exports, options, error)) << error;
    }

    std::vector<std::string> WholeJob(const std::string& out, int bonuses) const
    {
        std::vector<std::string> args = {
            "--employees", exports + "/employees.txt", "--out", out, "--settings", settings, "--year", "6"};
        for (int month = 1; month <= 12; ++month) {
            args.push_back("--salary");
            args.push_back(exports + corvane::text::Format("/salary-%02d.txt", month));
        }
        for (int bonus = 1; bonus <= bonuses; ++bonus) {
            args.push_back("--bonus");
            args.push_back(exports + corvane::text::Format("/bonus-%d.txt", bonus));
        }
        return args;
    }

    // A folder `root`/<folder> in `dir` for each company, holding the sample
    // exports `names` with the sample company's name replaced; root's path.
    std::string MakeCompanies(const std::string& root,
                              const std::vector<std::pair<std::string, std::string>>& companies,
                              const std::vector<std::string>& names)
    {
        for (const auto& [folder, company] : companies) {
            std::filesystem::create_directories(dir.File(root + "/" + folder));
            for (const auto& name : names) {
                std::string bytes = ReadFileBytes(exports + "/" + name);
                const std::string& sample = samplegen::SampleCompanyName();
                bytes.replace(bytes.find(sample), sample.size(), company);
                dir.Write(root + "/" + folder + "/" + name, bytes);
            }
        }
        return dir.File(root);
    }

    TempDir dir;
    std::string exports = dir.File("exports");
    std::string settings = dir.File("Corvane.ENV");
};

TEST_F(ConvertProcess, ParallelRunsOnOneSettingsFileKeepEveryCompanysLine)
{
    MakeExports(2, 0);
    // One employee list per company: the company name is the first line's second field.
    // A company line is stored only by a run with a summary file: each company gets its January.
    const std::string list = ReadFileBytes(exports + "/employees.txt");
    const std::string january = ReadFileBytes(exports + "/salary-01.txt");
    const std::string& sample = samplegen::SampleCompanyName();
    constexpr int kConverters = 10;
    std::vector<std::string> companies;
    for (int i = 0; i < kConverters; ++i) {
        companies.push_back(corvane::text::Format("会社%02d", i));
        for (auto [bytes, name] : {std::pair{list, "list-%02d.txt"}, std::pair{january, "salary-%02d.txt"}}) {
            bytes.replace(bytes.find(sample), sample.size(), companies.back());
            dir.Write(corvane::text::Format(name, i), bytes);
        }
    }
    const std::string earlier = "前からの会社,支給額,7,,-1,,-1,,-1\r\n";

    for (int round = 0; round < 20; ++round) {
        dir.Write("Corvane.ENV", kHeader + earlier);
        std::vector<pid_t> running;
        for (int i = 0; i < kConverters; ++i) {
            running.push_back(StartConverter({"--employees", dir.File(corvane::text::Format("list-%02d.txt", i)),
                                              "--salary", dir.File(corvane::text::Format("salary-%02d.txt", i)),
                                              "--out", dir.File(corvane::text::Format("out-%02d.XML", i)), "--settings",
                                              settings, "--year", "6"}));
            ASSERT_GT(running.back(), 0);
        }
        for (const pid_t pid : running) {
            const int status = WaitFor(pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const std::string saved = ReadFileBytes(settings);
        std::size_t expectedSize = kHeader.size() + earlier.size();
        ASSERT_EQ(saved.rfind(kHeader + earlier, 0), 0u) << "round " << round << ":\n" << saved;
        for (const auto& company : companies) {
            const std::string line = company + ",課税支給合計,46,社会保険料計,72,扶養人数,93,所得税,65\r\n";
            expectedSize += line.size();
            const auto at = saved.find(line);
            EXPECT_NE(at, std::string::npos) << "round " << round << " lost " << company << ":\n" << saved;
            EXPECT_EQ(saved.find(line, at + 1), std::string::npos) << "round " << round << ":\n" << saved;
        }
        EXPECT_EQ(saved.size(), expectedSize) << saved;
        ASSERT_FALSE(HasFailure());
    }
    EXPECT_FALSE(std::filesystem::exists(settings + ".lock"));
    EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
}

TEST_F(ConvertProcess, InterruptWhileWritingLeavesNoTemporaryFileAndTheOldOutput)
{
    MakeExports(4000, 2);
    const std::string folder = dir.File("output");
    std::filesystem::create_directory(folder);
    const std::string out = folder + "/out.XML";
    dir.Write("output/out.XML", "the earlier document");

    const pid_t pid = StartConverter(WholeJob(out, 2));
    ASSERT_GT(pid, 0);
    // Interrupt as soon as the temporary file is there.
    bool seen = false;
    int status = 0;
    for (;;) {
        if (!TemporaryFilesIn(folder).empty()) {
            seen = true;
            ::kill(pid, SIGINT);
            status = WaitFor(pid);
            break;
        }
        if (::waitpid(pid, &status, WNOHANG) == pid)
            break;
        ::usleep(500);
    }
    ASSERT_TRUE(seen) << "the converter ended before its temporary file was seen";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "status " << status;
    EXPECT_EQ(TemporaryFilesIn(folder), std::vector<std::string>{});
    EXPECT_EQ(ReadFileBytes(out), "the earlier document");
    EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST_F(ConvertProcess, InterruptedBatchOfSixteenJobsLeavesNoTemporaryFile)
{
    // Sixteen alike companies, whose output is large beside their input (the
    // employee list and one month), so that their writers overlap.
    MakeExports(800, 0);
    std::vector<std::pair<std::string, std::string>> companies;
    for (int i = 0; i < 16; ++i)
        companies.emplace_back(corvane::text::Format("c%02d", i), corvane::text::Format("会社%02d", i));
    const std::string root = MakeCompanies("root", companies, {"employees.txt", "salary-01.txt"});
    const std::string outDir = dir.File("out");
    const std::vector<std::string> batch = {"--batch", root,         "--out-dir", outDir,   "--jobs",
                                            "16",      "--settings", settings,    "--year", "6"};
    // Interrupted while more than eight writers have their temporary file at once.
    constexpr std::size_t kWriters = 9;
    constexpr int kAttempts = 5;

    for (int run = 0; run < 5; ++run) {
        const int signal = run % 2 == 0 ? SIGINT : SIGTERM;
        bool interrupted = false;
        std::size_t most = 0;
        int status = 0;
        for (int attempt = 0; attempt < kAttempts && !interrupted; ++attempt) {
            std::filesystem::remove_all(outDir);
            const pid_t pid = StartOnOneProcessor(batch);
            ASSERT_GT(pid, 0);
            for (;;) {
                const std::size_t writers = TemporaryFilesIn(outDir).size();
                most = std::max(most, writers);
                if (writers >= kWriters) {
                    ::kill(pid, signal);
                    status = WaitFor(pid);
                    interrupted = true;
                    break;
                }
                if (::waitpid(pid, &status, WNOHANG) == pid)
                    break;
                ::usleep(200);
            }
        }
        ASSERT_TRUE(interrupted) << "run " << run << ": never " << kWriters << " temporary files at once in "
                                 << kAttempts << " batches (at most " << most << ")";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "run " << run << ": status " << status;
        EXPECT_EQ(TemporaryFilesIn(outDir), std::vector<std::string>{}) << "run " << run;
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{}) << "run " << run;
    }
}

TEST_F(ConvertProcess, InterruptedBatchKeepsTheLinesOfTheCompaniesItFinished)
{
    // The batch writes the settings file once, at its end: an interrupt
    // before it must still keep the lines of the companies converted.
    MakeExports(300, 0);
    std::vector<std::pair<std::string, std::string>> companies;
    for (int i = 0; i < 12; ++i)
        companies.emplace_back(corvane::text::Format("c%02d", i), corvane::text::Format("会社%02d", i));
    const std::string root = MakeCompanies("root", companies, {"employees.txt", "salary-01.txt"});
    const std::string outDir = dir.File("out");
    const std::vector<std::string> batch = {"--batch", root,     "--out-dir", outDir,       "--jobs",
                                            "1",       "--year", "6",         "--settings", settings};
    const auto output = [&](int i) {
        return outDir + "/" + Utf8(companies[static_cast<std::size_t>(i)].second) + ".XML";
    };
    const auto line = [&](int i) {
        return companies[static_cast<std::size_t>(i)].second +
               ",課税支給合計,46,社会保険料計,72,扶養人数,93,所得税,65\r\n";
    };
    // One company at a time, in folder order: once the third output is
    // there, the first two companies were done with.
    constexpr int kFinished = 2;

    for (const int signal : {SIGINT, SIGTERM}) {
        bool interrupted = false;
        int status = 0;
        for (int attempt = 0; attempt < 5 && !interrupted; ++attempt) {
            std::filesystem::remove_all(outDir);
            dir.Write("Corvane.ENV", kHeader);
            const pid_t pid = StartConverter(batch);
            ASSERT_GT(pid, 0);
            for (;;) {
                if (std::filesystem::exists(output(kFinished))) {
                    ::kill(pid, signal);
                    status = WaitFor(pid);
                    interrupted = !std::filesystem::exists(output(static_cast<int>(companies.size()) - 1));
                    break;
                }
                if (::waitpid(pid, &status, WNOHANG) == pid)
                    break;
                ::usleep(200);
            }
        }
        ASSERT_TRUE(interrupted) << "the batch always ended before the interrupt";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "status " << status;
        const std::string saved = ReadFileBytes(settings);
        ASSERT_EQ(saved.rfind(kHeader, 0), 0u) << saved;
        for (int i = 0; i < kFinished; ++i)
            EXPECT_NE(saved.find(line(i)), std::string::npos) << "lost " << companies[i].first << ":\n" << saved;
        // A company's line only once it was converted.
        for (std::size_t i = kFinished; i < companies.size(); ++i) {
            if (!std::filesystem::exists(output(static_cast<int>(i)))) {
                EXPECT_EQ(saved.find(line(static_cast<int>(i))), std::string::npos) << companies[i].first;
            }
        }
        EXPECT_EQ(TemporaryFilesIn(dir.Path()), std::vector<std::string>{});
        EXPECT_FALSE(std::filesystem::exists(settings + ".lock"));
    }
}

TEST_F(ConvertProcess, ClosedStandardOutputDoesNotStopTheSettingsBeingSaved)
{
    MakeExports(3, 1);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]);  // nobody reads: the completion message meets a broken pipe
    const std::string out = dir.File("out.XML");
    const pid_t pid = StartConverter(WholeJob(out, 1), fds[1]);
    ::close(fds[1]);
    ASSERT_GT(pid, 0);
    const int status = WaitFor(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_NE(ReadFileBytes(out).find("</REPORT>"), std::string::npos);
    EXPECT_NE(ReadFileBytes(settings).find(samplegen::SampleCompanyName() + ","), std::string::npos);
}

TEST_F(ConvertProcess, BatchShowsAProgressLineOnlyWhenStandardErrorIsATerminal)
{
    MakeExports(3, 0);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(exports))
        names.push_back(entry.path().filename().string());
    const std::string root = MakeCompanies("root", {{"a", "甲商事"}, {"b", "乙工業"}}, names);
    const auto batch = [&](const std::string& outDir) {
        return std::vector<std::string>{"--batch", root,         "--out-dir", dir.File(outDir), "--jobs",
                                        "1",       "--settings", settings,    "--year",         "6"};
    };

    // On a terminal: done/total, the elapsed time and the company, rewritten
    // in place and cleared at the end.
    int terminal = -1;
    int side = -1;
    ASSERT_EQ(::openpty(&terminal, &side, nullptr, nullptr, nullptr), 0);
    pid_t pid = StartConverter(batch("out-1"), -1, side);
    ::close(side);
    ASSERT_GT(pid, 0);
    const std::string shown = ReadAll(terminal);
    ::close(terminal);
    int status = WaitFor(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    const std::string elapsed = "[0-9]+:[0-5][0-9] ";
    for (const std::string& line :
         {"0/2 " + Utf8("社") + " " + elapsed + Utf8("甲商事"), "1/2 " + Utf8("社") + " " + elapsed + Utf8("甲商事"),
          "1/2 " + Utf8("社") + " " + elapsed + Utf8("乙工業"), "2/2 " + Utf8("社") + " " + elapsed + Utf8("乙工業")})
        EXPECT_TRUE(std::regex_search(shown, std::regex(line))) << line << " not in:\n" << shown;
    // The last line is blanked out: the terminal is left as it was.
    const auto lastLine = shown.rfind("2/2 ");
    const auto lineEnd = lastLine == std::string::npos ? std::string::npos : shown.find('\r', lastLine);
    ASSERT_NE(lineEnd, std::string::npos) << shown;
    EXPECT_TRUE(std::regex_match(shown.substr(lineEnd), std::regex("\r +\r"))) << shown.substr(lineEnd);

    // Into a pipe: the same run without a progress line.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid = StartConverter(batch("out-2"), -1, fds[1]);
    ::close(fds[1]);
    ASSERT_GT(pid, 0);
    const std::string piped = ReadAll(fds[0]);
    ::close(fds[0]);
    status = WaitFor(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(piped.find('\r'), std::string::npos) << piped;
    EXPECT_EQ(piped.find("/2 " + Utf8("社")), std::string::npos) << piped;
    EXPECT_TRUE(std::filesystem::exists(dir.File("out-2/" + Utf8("甲商事") + ".XML")));
}

#else

TEST(ConvertProcess, NeedsPosixProcesses)
{
    GTEST_SKIP() << "starts and signals processes the POSIX way";
}

#endif

}  // namespace
