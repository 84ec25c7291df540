#include <gtest/gtest.h>

#include "job/JobMessages.h"
#include "job/JobSteps.h"
#include "job/PlaceExports.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

namespace corvane::test {
namespace {

namespace messages = job::messages;

std::string Summary(const std::string& label, const std::string& company = "サンプル商事")
{
    return "集計表," + company + "\r\n\r\n" + label + "\r\n\r\nコード,行項目名,課税支給合計\r\n001,社員Ａ,300000\r\n";
}

class PlaceExports : public ::testing::Test {
protected:
    PlaceExports()
    {
        // An earlier job: another list, with its month 6 and first bonus.
        job.employeeList = dir.Write("earlier.txt", "従業員(一覧表),前の会社\r\n\r\nコード,氏名\r\n");
        job.companyName = "前の会社";
        job.slots[5].path = dir.Write("earlier-06.txt", Summary("6月度給与", "前の会社"));
        job.slots[12].path = dir.Write("earlier-bonus.txt", Summary("夏期賞与", "前の会社"));
        job.outputPath = dir.File("out.XML");
        job.mode = TransferMode::Easy;
        job.functionId = job::kStartedByCaller;
        job.filingYear = "7";
        exports.employees = list;
    }

    job::Placement Place() { return job::PlaceExports(exports, job, messenger); }

    TempDir dir;
    std::string list = dir.Write("employees.txt", "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n");
    RecordingMessageBox box;
    platform::Messenger messenger{box};
    job::Job job;
    job::FolderExports exports;
};

TEST_F(PlaceExports, TheExportsAreTheWholeJobsFilesInTheirSlots)
{
    const auto april = dir.Write("a.txt", Summary("4月度給与"));
    const auto january = dir.Write("b.txt", Summary("1月度給与"));
    const auto winter = dir.Write("c.txt", Summary("冬期賞与"));
    const auto summer = dir.Write("d.txt", Summary("夏期賞与"));
    exports.salary = {april, january};
    exports.bonus = {winter, summer};
    job::Job expected = job;
    expected.employeeList = list;
    expected.companyName = "サンプル商事";
    expected.slots = MakeSummarySlots();
    expected.slots[0].path = january;
    expected.slots[3].path = april;
    expected.slots[12].path = winter;  // in the order given
    expected.slots[13].path = summer;

    const job::Placement placement = Place();
    EXPECT_EQ(placement.refusal, "");
    EXPECT_EQ(placement.months, 2);
    EXPECT_EQ(placement.bonuses, 2);
    EXPECT_EQ(job, expected);
    EXPECT_TRUE(box.Messages().empty());

    // The list alone empties every slot.
    exports = job::FolderExports{};
    exports.employees = list;
    expected.slots = MakeSummarySlots();
    const job::Placement alone = Place();
    EXPECT_EQ(alone.refusal, "");
    EXPECT_EQ(alone.months + alone.bonuses, 0);
    EXPECT_EQ(job, expected);
}

TEST_F(PlaceExports, ARefusedFileChangesNothingAndIsNamed)
{
    const job::Job before = job;
    const auto summer = dir.Write("summer.txt", Summary("夏期賞与"));
    const auto april = dir.Write("april.txt", Summary("4月度給与"));
    const auto other = dir.Write("other.txt", Summary("冬期賞与", "別会社"));
    const std::string bonusRefused =
        messages::NotCorrectFile() + messages::ChooseSummary() + messages::BonusNotASummarySection();

    // A bonus file of another company, and one that another slot holds by another name.
    exports.salary = {april};
    exports.bonus = {summer, other, dir.Path() + "/./summer.txt"};
    const std::string bonusLines = other + "\n　別の関与先（別会社）のファイルです。\n" + dir.Path() +
                                   "/./summer.txt\n　すでに賞与 1回目に選択されています。\n";
    EXPECT_EQ(Place().refusal, bonusRefused + bonusLines);
    EXPECT_EQ(job, before);

    // A refused salary file too: both messages, the salary files' first.
    const auto bonusAsSalary = dir.Write("bonus-as-salary.txt", Summary("冬期賞与"));
    exports.salary = {april, bonusAsSalary};
    EXPECT_EQ(Place().refusal, messages::NotCorrectFile() + messages::ChooseSalarySummary() +
                                   messages::NotSalarySection() + bonusAsSalary +
                                   "\n　3行目が「○月度給与」ではありません。\n\n" + bonusRefused + bonusLines);
    EXPECT_EQ(job, before);

    // More bonus files than slots: the ones without a slot.
    exports.salary.clear();
    exports.bonus.clear();
    for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt"})
        exports.bonus.push_back(dir.Write(name, Summary("夏期賞与")));
    EXPECT_EQ(Place().refusal, bonusRefused + exports.bonus[5] + "\n");
    EXPECT_EQ(job, before);

    // An employee list that the check refuses, and exports that make no job.
    exports.employees = april;
    EXPECT_EQ(Place().refusal, job::EmployeeListRefusedMessage(april, messenger));
    exports.refusal = "no job";
    EXPECT_EQ(Place().refusal, "no job");
    EXPECT_EQ(job, before);
    EXPECT_TRUE(box.Messages().empty());
}

}  // namespace
}  // namespace corvane::test
