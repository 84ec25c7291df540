#include <gtest/gtest.h>

#include <filesystem>

#include "sormaexport/CSormaFileCheck.h"
#include "support/TempDir.h"

using corvane::CSormaFileCheck;
using corvane::test::TempDir;

namespace {

const std::string kEmployeeList = "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n";
const std::string kHeadings = "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税";

std::string Summary(const std::string& label, const std::string& headings = kHeadings,
                    const std::string& title = "集計表,サンプル商事")
{
    return title + "\r\n\r\n" + label + "\r\n\r\n" + headings + "\r\n001,社員Ａ,300000,45000,2,5000\r\n";
}

class FileCheck : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) { return dir.Write("f" + std::to_string(++count) + ".txt", bytes); }

    TempDir dir;
    int count = 0;
    std::string list = dir.Write("employees.txt", kEmployeeList);
    CSormaFileCheck check;
};

TEST_F(FileCheck, IsTextFileRefusesMissingEmptyFolderAndNulBytes)
{
    EXPECT_TRUE(CSormaFileCheck::IsTextFile(list));
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(dir.File("missing.txt")));
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(Write("")));
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(dir.Path()));
    // A 00 byte in the second block of 4096 bytes counts as well.
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(Write(std::string(5000, 'a') + std::string(1, '\0') + "b")));
    EXPECT_TRUE(CSormaFileCheck::IsTextFile(Write(std::string(8192, 'a'))));
}

struct EmployeeListCase {
    const char* name;
    std::string bytes;
    bool accepted;
    std::string company;
};

void PrintTo(const EmployeeListCase& c, std::ostream* os)
{
    *os << c.name;
}

class EmployeeListCheck : public FileCheck, public ::testing::WithParamInterface<EmployeeListCase> {};

TEST_P(EmployeeListCheck, AcceptsOnlyTheExactTitleAndGivesTheCompany)
{
    const auto& c = GetParam();
    std::string company = "untouched";
    EXPECT_EQ(check.CheckEmployeeList(Write(c.bytes), company), c.accepted);
    EXPECT_EQ(company, c.accepted ? c.company : "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Titles, EmployeeListCheck,
    ::testing::Values(
        EmployeeListCase{"Plain", kEmployeeList, true, "サンプル商事"},
        EmployeeListCase{"QuotedCompanyKeepsQuotes", "従業員(一覧表),\"サンプル,商事\"\r\n", true, "\"サンプル,商事\""},
        EmployeeListCase{"TrailingBlanksTrimmed", "従業員(一覧表),サンプル商事  \t\r\n", true, "サンプル商事"},
        EmployeeListCase{"QuotedTitle", "\"従業員(一覧表)\",サンプル商事\r\n", false, ""},
        EmployeeListCase{"TitleWithSuffix", "従業員(一覧表)２,サンプル商事\r\n", false, ""},
        EmployeeListCase{"OneField", "従業員(一覧表)\r\n", false, ""},
        EmployeeListCase{"SummaryFile", "集計表,サンプル商事\r\n", false, ""},
        EmployeeListCase{"EmptyFirstLine", "\r\n従業員(一覧表),サンプル商事\r\n", false, ""},
        EmployeeListCase{"NulByte", std::string("従業員(一覧表),サンプル商事\r\n") + std::string(1, '\0'), false, ""}),
    [](const auto& param) { return std::string(param.param.name); });

struct SalaryCase {
    const char* name;
    std::string bytes;
    int expected;
};

void PrintTo(const SalaryCase& c, std::ostream* os)
{
    *os << c.name;
}

class SalaryFileCheck : public FileCheck, public ::testing::WithParamInterface<SalaryCase> {};

TEST_P(SalaryFileCheck, GivesTheMonthOfTheLabelOrARefusal)
{
    const auto& c = GetParam();
    EXPECT_EQ(check.CheckSalaryFile(list, Write(c.bytes), false, false), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SalaryFileCheck,
    ::testing::Values(
        SalaryCase{"April", Summary("4月度給与"), 4}, SalaryCase{"December", Summary("12月度給与"), 12},
        SalaryCase{"Quoted", Summary("\"4月度給与\""), 4}, SalaryCase{"InnerBlank", Summary("4 月度給与"), 4},
        SalaryCase{"LeadingZero", Summary("04月度給与"), 4},
        SalaryCase{"FullWidthSpaceAfterNumber", Summary("4　月度給与"), 4},
        SalaryCase{"FurtherText", Summary("4月度給与（本社）"), 4},
        SalaryCase{"MonthThirteen", Summary("13月度給与"), -1}, SalaryCase{"MonthZero", Summary("0月度給与"), -1},
        SalaryCase{"EraYearFirst", Summary("令和6年4月度給与"), -1}, SalaryCase{"BonusLabel", Summary("夏期賞与"), -2},
        SalaryCase{"EmployeeListOfSameCompany", kEmployeeList, -2},
        SalaryCase{"OtherCompany", Summary("4月度給与", kHeadings, "集計表,別会社"), -1},
        SalaryCase{"QuotedCompany", Summary("4月度給与", kHeadings, "集計表,\"サンプル商事\""), -1},
        SalaryCase{"TitleOnly", "集計表\r\n\r\n4月度給与\r\n", -1},
        SalaryCase{"EndsBeforeLabel", "集計表,サンプル商事\r\n\r\n", -1}, SalaryCase{"Empty", "", -1},
        SalaryCase{"NulByte", Summary("4月度給与") + std::string(1, '\0'), -1}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(FileCheck, SalaryAndBonusChecksNeedAValidEmployeeList)
{
    const auto salary = Write(Summary("4月度給与"));
    EXPECT_EQ(check.CheckSalaryFile(dir.File("missing.txt"), salary, false, false), -1);
    EXPECT_EQ(check.CheckSalaryFile(salary, salary, false, false), -1);
    EXPECT_EQ(check.CheckBonusFile(dir.File("missing.txt"), salary, false, false), -1);
}

TEST_F(FileCheck, ConditionsAreTheFifthLineComparedWithTheFirstOfTheSeries)
{
    const auto first = Write(Summary("4月度給与"));
    const auto trailingBlanks = Write(Summary("5月度給与", kHeadings + "   "));
    const auto innerBlank = Write(Summary("6月度給与", "コード, 行項目名,課税支給合計,社会保険料計,扶養人数,所得税"));
    EXPECT_EQ(check.CheckSalaryFile(list, first, true, true), 4);
    EXPECT_EQ(check.CheckSalaryFile(list, trailingBlanks, true, false), 5);
    EXPECT_EQ(check.CheckSalaryFile(list, innerBlank, true, false), -2);
    // Without comparing, any fifth line passes and the reference stays.
    EXPECT_EQ(check.CheckSalaryFile(list, innerBlank, false, false), 6);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("夏期賞与", kHeadings + "   ")), true, false), 1);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("冬期賞与", "コード, 行項目名")), true, false), -2);
    // A new series starts from the file given as first.
    EXPECT_EQ(check.CheckSalaryFile(list, innerBlank, true, true), 6);
    EXPECT_EQ(check.CheckSalaryFile(list, first, true, false), -2);
}

TEST_F(FileCheck, FirstFileRefusedBeforeItsFifthLineLeavesAnEmptyReference)
{
    const auto otherCompany = Write(Summary("4月度給与", kHeadings, "集計表,別会社"));
    const auto good = Write(Summary("5月度給与"));
    EXPECT_EQ(check.CheckSalaryFile(list, otherCompany, true, true), -1);
    EXPECT_EQ(check.CheckSalaryFile(list, good, true, false), -2);
    EXPECT_EQ(check.CheckBonusFile(list, good, true, false), -2);
}

TEST_F(FileCheck, MonthOutOfRangeStillSetsTheReference)
{
    EXPECT_EQ(check.CheckSalaryFile(list, Write(Summary("13月度給与")), true, true), -1);
    EXPECT_EQ(check.CheckSalaryFile(list, Write(Summary("5月度給与")), true, false), 5);
}

TEST_F(FileCheck, FileEndingBeforeItsFifthLineFailsOnlyWhenConditionsAreCompared)
{
    const auto reference = Write(Summary("4月度給与"));
    const auto shortSalary = Write("集計表,サンプル商事\r\n\r\n5月度給与\r\n");
    const auto shortBonus = Write("集計表,サンプル商事\r\n");
    EXPECT_EQ(check.CheckSalaryFile(list, shortSalary, false, false), 5);
    EXPECT_EQ(check.CheckBonusFile(list, shortBonus, false, false), 1);
    EXPECT_EQ(check.CheckSalaryFile(list, reference, true, true), 4);
    EXPECT_EQ(check.CheckSalaryFile(list, shortSalary, true, false), -1);
    EXPECT_EQ(check.CheckBonusFile(list, shortBonus, true, false), -1);
    // A first file without a fifth line cannot be the reference either.
    EXPECT_EQ(check.CheckBonusFile(list, shortBonus, true, true), -1);
    EXPECT_EQ(check.CheckBonusFile(list, reference, true, false), -2);
}

TEST_F(FileCheck, BonusCheckLooksAtCompanyAndRefusesSalaryLabels)
{
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("夏期賞与")), false, false), 1);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("決算賞与")), false, false), 1);
    // A salary summary would bring that month's figures into a bonus slot,
    // by the salary check's label rule (quotes and blanks, a 13th month).
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("4月度給与")), false, false), -2);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("\" 04 月度給与\"")), false, false), -2);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("13月度給与")), false, false), -2);
    // Compared or first of a series: still refused, and the reference is set.
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("4月度給与")), true, true), -2);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("夏期賞与")), true, false), 1);
    EXPECT_EQ(check.CheckBonusFile(list, list, false, false), 1);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("夏期賞与", kHeadings, "集計表,別会社")), false, false), -1);
    EXPECT_EQ(check.CheckBonusFile(list, Write(""), false, false), -1);
    EXPECT_EQ(check.CheckBonusFile(list, Write("集計表\r\n"), false, false), -1);
}

TEST_F(FileCheck, EndOfFileMarkEndsTheText)
{
    // Nothing after the mark is read: not a company "サンプル商事\x1A", not a later line.
    const std::string mark(1, '\x1A');
    std::string company;
    EXPECT_TRUE(check.CheckEmployeeList(Write("従業員(一覧表),サンプル商事" + mark), company));
    EXPECT_EQ(company, "サンプル商事");
    EXPECT_EQ(check.CheckSalaryFile(list, Write(Summary("5月度給与") + mark), true, true), 5);
    EXPECT_EQ(check.CheckSalaryFile(list, Write(Summary("6月度給与", kHeadings + mark + "x")), true, false), 6);
    const auto cut = Write("集計表,サンプル商事\r\n\r\n4月度給与\r\n" + mark + "\r\n" + kHeadings + "\r\n");
    EXPECT_EQ(check.CheckSalaryFile(list, cut, false, false), 4);
    EXPECT_EQ(check.CheckSalaryFile(list, cut, true, false), -1);
}

TEST_F(FileCheck, NulPaddingAfterTheEndOfFileMarkIsNoPartOfTheText)
{
    // Some programs pad the file to a block after the mark; the reader never sees the padding.
    const std::string padding(5000, '\0');
    const std::string mark(1, '\x1A');
    const auto padded = Write(Summary("5月度給与") + mark + padding);
    EXPECT_TRUE(CSormaFileCheck::IsTextFile(padded));
    EXPECT_EQ(check.CheckSalaryFile(list, padded, true, true), 5);
    EXPECT_EQ(check.CheckBonusFile(list, Write(Summary("夏期賞与") + mark + padding), false, false), 1);
    std::string company;
    EXPECT_TRUE(check.CheckEmployeeList(Write(kEmployeeList + mark + padding), company));
    // A mark in a later block: the NULs after it count no more than in the first.
    EXPECT_TRUE(CSormaFileCheck::IsTextFile(Write(std::string(70000, 'a') + mark + padding)));
    // The mark ending the first block of 64 KiB, the padding in the next.
    EXPECT_TRUE(CSormaFileCheck::IsTextFile(Write(std::string(65535, 'a') + mark + padding)));
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(Write(std::string(65536, 'a') + padding + mark)));
    // A NUL before the mark is still no text.
    EXPECT_FALSE(CSormaFileCheck::IsTextFile(Write(Summary("5月度給与") + std::string(1, '\0') + mark)));
}

// One checker remembers the employee list's verdict between files; a list
// rewritten in between must be checked again.
TEST(FileCheckList, OneCheckerChecksTheEmployeeListAgainOnceItChanged)
{
    TempDir dir;
    const std::string list = dir.Write("employees.txt", kEmployeeList);
    const std::string april = dir.Write("april.txt", Summary("4月度給与"));
    CSormaFileCheck check;
    EXPECT_EQ(check.CheckSalaryFile(list, april, false, false), 4);
    dir.Write("employees.txt", kEmployeeList + std::string(1, '\0'));
    EXPECT_EQ(check.CheckSalaryFile(list, april, false, false), -1);
    EXPECT_EQ(check.CheckBonusFile(list, april, false, false), -1);
    dir.Write("employees.txt", "従業員(一覧表),別会社\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n");
    EXPECT_EQ(check.CheckSalaryFile(list, april, false, false), -1);
    dir.Write("employees.txt", kEmployeeList);
    EXPECT_EQ(check.CheckBonusFile(list, dir.Write("summer.txt", Summary("夏期賞与")), false, false), 1);
    std::filesystem::remove(list);
    EXPECT_EQ(check.CheckSalaryFile(list, april, false, false), -1);
}

// A job's checker reads each file once and answers its later checks from
// that; only a change of size or modification time makes it read again.
TEST(FileCheckList, OneCheckerReadsAFileOnceUntilItChanges)
{
    TempDir dir;
    const std::string list = dir.Write("employees.txt", kEmployeeList);
    const std::string path = dir.Write("april.txt", Summary("4月度給与"));
    CSormaFileCheck check;
    ASSERT_EQ(check.CheckSalaryFile(list, path, false, false), 4);
    const auto written = std::filesystem::last_write_time(path);
    // The same size and time, other bytes: what was read stands.
    dir.Write("april.txt", Summary("5月度給与"));
    std::filesystem::last_write_time(path, written);
    EXPECT_EQ(check.CheckSalaryFile(list, path, true, true), 4);
    EXPECT_EQ(check.LeadingLines(path, 3).back(), "4月度給与");
    EXPECT_EQ(CSormaFileCheck().CheckSalaryFile(list, path, false, false), 5);
    // Changed as the checks can tell: read again.
    std::filesystem::last_write_time(path, written + std::chrono::seconds(2));
    EXPECT_EQ(check.CheckSalaryFile(list, path, false, false), 5);
    EXPECT_EQ(check.LeadingLines(path, 9).size(), 6u);
}

// A checker given another's identification answers from it while the file
// keeps its size and modification time, and reads the file once it changed.
TEST(FileCheckList, AnAdoptedIdentificationStandsUntilTheFileChanges)
{
    TempDir dir;
    const std::string list = dir.Write("employees.txt", kEmployeeList);
    const std::string path = dir.Write("april.txt", Summary("4月度給与"));
    CSormaFileCheck sorting;
    const auto identified = sorting.IdentificationOf(path);
    ASSERT_TRUE(identified);
    EXPECT_TRUE(identified->text);
    EXPECT_EQ(identified->labelMonth, 4);
    EXPECT_EQ(*identified->conditions, kHeadings);
    const auto listIdentified = sorting.IdentificationOf(list);
    ASSERT_TRUE(listIdentified);
    EXPECT_TRUE(listIdentified->employeeListTitle);
    EXPECT_EQ(*listIdentified->company, "サンプル商事");

    const auto written = std::filesystem::last_write_time(path);
    dir.Write("april.txt", Summary("5月度給与", kHeadings, "集計表,サンプル商店"));
    std::filesystem::last_write_time(path, written);
    CSormaFileCheck job;
    job.Adopt(path, *identified);
    EXPECT_EQ(job.CheckSalaryFile(list, path, true, true), 4);
    EXPECT_EQ(CSormaFileCheck().CheckSalaryFile(list, path, false, false), -1);
    std::filesystem::last_write_time(path, written + std::chrono::seconds(2));
    EXPECT_EQ(job.CheckSalaryFile(list, path, false, false), -1);
}

// The employee list's check reads the first lines up to the conditions at
// once: the summary checks that follow find them read.
TEST(FileCheckList, OneReadingServesEveryCheckOfAFile)
{
    TempDir dir;
    const std::string list = dir.Write("employees.txt", kEmployeeList);
    const std::string path = dir.Write("june.txt", Summary("6月度給与", kHeadings, "集計表,サンプル商事,令和 6年分"));
    CSormaFileCheck check;
    std::string company;
    EXPECT_FALSE(check.CheckEmployeeList(path, company));
    const auto written = std::filesystem::last_write_time(path);
    dir.Write("june.txt", Summary("7月度給与", kHeadings, "集計表,サンプル商事,令和 6年分"));
    std::filesystem::last_write_time(path, written);
    EXPECT_EQ(check.CheckSalaryFile(list, path, true, true), 6);
    EXPECT_EQ(check.TitleYear(path), 2024);
}

// The first lines taken from another reading's first bytes are the lines the
// checker reads itself; a head that stops before them leaves the reading to it.
TEST(FileCheckList, FirstLinesFromAnotherReadingsHeadAreTheLinesItWouldRead)
{
    TempDir dir;
    const std::string contents[] = {
        Summary("4月度給与"),
        "集計表,サンプル商事\r\n\r\n4月度給与",                     // fewer lines, the last without a line feed
        "集計表,サンプル商事\n 4月度給与 \t\r\n\x1A\n\n\nlater\n",  // the mark ends the text
        "集計表,サンプル商事\r\n\r\n4月度給与\r\n\r\n" + kHeadings + "\r\n\x1A",
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
    };
    int n = 0;
    for (const std::string& content : contents) {
        const std::string path = dir.Write("f" + std::to_string(++n) + ".txt", content);
        const auto read = CSormaFileCheck().LeadingLines(path, 5);
        CSormaFileCheck whole;
        whole.NoteText(path, content, true);
        EXPECT_EQ(whole.LeadingLines(path, 5), read) << n;
        for (std::size_t cut : {std::size_t{0}, content.size() / 3, content.size() - 1}) {
            CSormaFileCheck part;
            part.NoteText(path, std::string_view(content).substr(0, cut), false);
            EXPECT_EQ(part.LeadingLines(path, 5), read) << n << " cut at " << cut;
        }
    }
    // The head is taken as the file is now: its lines stand without a reading.
    const std::string path = dir.Write("april.txt", Summary("4月度給与"));
    CSormaFileCheck check;
    check.NoteText(path, Summary("5月度給与"), true);
    EXPECT_EQ(check.LeadingLines(path, 3).back(), "5月度給与");
}

}  // namespace
