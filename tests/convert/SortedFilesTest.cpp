#include <gtest/gtest.h>

#include <filesystem>

#include "convert/SortedFiles.h"
#include "job/FolderExports.h"
#include "platform/Messenger.h"
#include "platform/TextCodec.h"
#include "sormaexport/CSormaFileCheck.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "tools/samplegen/SampleExports.h"

using corvane::CSormaFileCheck;
using corvane::test::TempDir;

namespace {

// A batch keeps what the sorting's checker knew of a company's files until
// its turn; the company's job then answers its checks from it, reading a
// file again only once it changed.
TEST(SortedFiles, TheJobFindsItsFilesIdentifiedByTheSorting)
{
    TempDir dir;
    corvane::samplegen::SampleOptions options;
    options.employees = 3;
    options.bonuses = 1;
    for (const auto& file : corvane::samplegen::GenerateSampleExports(options))
        dir.Write(file.name, file.bytes);
    corvane::test::RecordingMessageBox box;
    const corvane::platform::Messenger messenger(box, &corvane::platform::SystemTextCodec());
    CSormaFileCheck sorting;
    const auto sorted = corvane::job::SortFolder(dir.Path(), messenger, sorting);
    ASSERT_EQ(sorted.refusal, "");
    corvane::convert::SharedLines lines;
    const corvane::convert::SortedFiles files(sorted, sorting, lines);

    // April's file rewritten as May's, its size and time kept: only a reading would tell.
    const std::string april = dir.File("salary-04.txt");
    const auto written = std::filesystem::last_write_time(april);
    dir.Write("salary-04.txt",
              corvane::text::ReplaceAll(corvane::test::ReadFileBytes(april), "4月度給与", "5月度給与"));
    std::filesystem::last_write_time(april, written);

    CSormaFileCheck job;
    const auto exports = files.Exports(dir.Path(), job);
    EXPECT_EQ(exports.employees, sorted.employees);
    EXPECT_EQ(exports.salary, sorted.salary);
    EXPECT_EQ(exports.bonus, sorted.bonus);
    EXPECT_EQ(job.CheckSalaryFile(exports.employees, april, false, false), 4);
    EXPECT_EQ(CSormaFileCheck().CheckSalaryFile(exports.employees, april, false, false), 5);
    std::filesystem::last_write_time(april, written + std::chrono::seconds(2));
    EXPECT_EQ(job.CheckSalaryFile(exports.employees, april, false, false), 5);
}

// Equal lines of different companies are held once.
TEST(SortedFiles, EqualLinesAreSharedAcrossCompanies)
{
    corvane::convert::SharedLines lines;
    const auto first = lines.Shared(std::make_shared<const std::string>("コード,氏名"));
    EXPECT_EQ(lines.Shared(std::make_shared<const std::string>("コード,氏名")), first);
    EXPECT_NE(lines.Shared(std::make_shared<const std::string>("コード,名前")), first);
    EXPECT_EQ(lines.Shared(nullptr), nullptr);
}

}  // namespace
