#include <gtest/gtest.h>

#include <filesystem>

#include "convert/SortedFiles.h"
#include "convert/SpillFile.h"
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
    corvane::convert::SpillFile spill;
    corvane::convert::SharedLines lines;
    const corvane::convert::SortedFiles files(sorted, sorting, "said", "problem", spill, lines);

    // April's file rewritten as May's, its size and time kept: only a reading would tell.
    const std::string april = dir.File("salary-04.txt");
    const auto written = std::filesystem::last_write_time(april);
    dir.Write("salary-04.txt",
              corvane::text::ReplaceAll(corvane::test::ReadFileBytes(april), "4月度給与", "5月度給与"));
    std::filesystem::last_write_time(april, written);

    CSormaFileCheck job;
    const auto turn = files.Take(dir.Path(), job, spill, lines);
    ASSERT_TRUE(turn);
    EXPECT_EQ(turn->said, "said");
    EXPECT_EQ(turn->problem, "problem");
    const auto& exports = turn->exports;
    EXPECT_EQ(exports.employees, sorted.employees);
    EXPECT_EQ(exports.salary, sorted.salary);
    EXPECT_EQ(exports.bonus, sorted.bonus);
    EXPECT_EQ(job.CheckSalaryFile(exports.employees, april, false, false), 4);
    EXPECT_EQ(CSormaFileCheck().CheckSalaryFile(exports.employees, april, false, false), 5);
    std::filesystem::last_write_time(april, written + std::chrono::seconds(2));
    EXPECT_EQ(job.CheckSalaryFile(exports.employees, april, false, false), 5);
}

// Equal lines of different companies are held once, under one number.
TEST(SortedFiles, EqualLinesAreSharedAcrossCompanies)
{
    corvane::convert::SharedLines lines;
    const auto line = std::make_shared<const std::string>("コード,氏名");
    const auto first = lines.Number(line);
    EXPECT_EQ(lines.Number(std::make_shared<const std::string>("コード,氏名")), first);
    EXPECT_EQ(lines.Line(first), line);
    const auto other = lines.Number(std::make_shared<const std::string>("コード,名前"));
    EXPECT_NE(other, first);
    EXPECT_EQ(*lines.Line(other), "コード,名前");
    EXPECT_EQ(lines.Number(nullptr), 0u);
    EXPECT_EQ(lines.Line(0), nullptr);
    EXPECT_EQ(lines.Line(other + 1), nullptr);
}

// Records of many companies put at once come back whole and in any order,
// from the temporary file and from memory alike; a place past what was put
// gives none rather than bytes of another record.
TEST(SpillFile, RecordsComeBackWholeInAnyOrder)
{
    for (const bool inMemory : {false, true}) {
        corvane::convert::SpillFile spill(inMemory);
        std::vector<corvane::convert::SpillFile::Place> places;
        std::vector<std::string> records;
        for (int i = 0; i < 300; ++i) {
            corvane::convert::RecordWriter writer;
            writer.Text(std::string(static_cast<std::size_t>(i), static_cast<char>('a' + i % 26)));
            writer.Number(static_cast<std::uint64_t>(i) * 1000003u);
            writer.Text(i % 2 ? "" : "条件行");
            records.push_back(writer.Bytes());
            places.push_back(spill.Put(writer.Bytes()));
        }
        for (std::size_t i = records.size(); i-- > 0;) {
            const auto back = spill.Get(places[i]);
            ASSERT_TRUE(back);
            EXPECT_EQ(*back, records[i]);
            corvane::convert::RecordReader reader(*back);
            std::string text;
            std::uint64_t number = 0;
            EXPECT_TRUE(reader.Text(text));
            EXPECT_EQ(text.size(), i);
            EXPECT_TRUE(reader.Number(number));
            EXPECT_EQ(number, i * 1000003u);
            EXPECT_TRUE(reader.Text(text));
            EXPECT_FALSE(reader.Number(number));  // nothing more
        }
        auto beyond = places.back();
        beyond.offset += beyond.size;
        EXPECT_FALSE(spill.Get(beyond));
    }
}

}  // namespace
