#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "items/CSormaItemCheck.h"
#include "preflight/FindingText.h"
#include "preflight/PeriodDates.h"
#include "preflight/ListedFinding.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

// Export sets broken as offices break them, made from the bundled samples
// (20 employees, twelve months, two bonuses): whom each finding names, at
// which level, and what it says the output will hold.
namespace corvane::test {
namespace {

using preflight::Finding;
using preflight::FindingKind;
using preflight::Level;

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string Who(const preflight::Affected& person)
{
    return person.code + " " + person.name;
}

class BrokenSets : public ::testing::Test {
protected:
    BrokenSets()
    {
        const auto examples = std::filesystem::path(CORVANE_TEST_DATA_DIR) / "../../examples";
        for (const auto& entry : std::filesystem::directory_iterator(examples))
            files[entry.path().filename().string()] = ReadBytes(entry.path());
        for (auto& entry : items.Entries()) {
            entry.chosenPayrollItem = entry.defaultPayrollItem;
            entry.chosenPosition = -1;
        }
    }

    // Reads the files (those in `leftOut` not chosen) and checks them.
    std::vector<Finding> Check(const std::set<std::string>& leftOut = {})
    {
        std::vector<std::string> paths(17);
        std::string employees;
        for (const auto& [name, bytes] : files) {
            const std::string path = dir.Write(name, bytes);
            if (leftOut.count(name))
                continue;
            if (name.starts_with("salary-"))
                paths[static_cast<std::size_t>(std::stoi(name.substr(7, 2)) - 1)] = path;
            else if (name.starts_with("bonus-"))
                paths[static_cast<std::size_t>(11 + std::stoi(name.substr(6, 1)))] = path;
            else
                employees = path;
        }
        paths.push_back(employees);
        items.PrepareChoices(dir.File("salary-12.txt"), "");
        reader = std::make_unique<CSormaKyuuyo>(messenger);
        EXPECT_TRUE(reader->Read(paths, static_cast<int>(paths.size()), items));
        auto findings = preflight::VerifyExports(*reader, items);
        for (const auto& finding : findings) {
            for (const auto& person : finding.affected) {
                // No finding names a phantom or holds a piece of a raw line.
                EXPECT_EQ(person.code.find_first_of("\","), std::string::npos) << person.code;
                EXPECT_EQ(person.name.find_first_of("\","), std::string::npos) << person.name;
                EXPECT_LE(person.name.size(), 42u) << person.name;
            }
            EXPECT_EQ(finding.outcome.find("可能性"), std::string::npos) << finding.outcome;
        }
        return findings;
    }

    // The line of `file` that starts with `start`: its first and last bytes.
    std::pair<std::size_t, std::size_t> Row(const std::string& file, const std::string& start) const
    {
        const std::string& bytes = files.at(file);
        const std::size_t begin = bytes.find("\r\n" + start) + 2;
        return {begin, bytes.find("\r\n", begin)};
    }

    static std::vector<FindingKind> Kinds(const std::vector<Finding>& findings) { return preflight::KindsOf(findings); }

    std::map<std::string, std::string> files;
    TempDir dir;
    RecordingMessageBox box;
    platform::Messenger messenger{box};
    CSormaItemCheck items{dir.File("Corvane.ENV")};
    std::unique_ptr<CSormaKyuuyo> reader;
};

TEST_F(BrokenSets, TheSamplesAsBundledGiveNothing)
{
    EXPECT_TRUE(Check().empty());
}

TEST_F(BrokenSets, AStrayQuoteInANameIsOneFindingForHerAndNamesNoPhantom)
{
    std::string& list = files["employees.txt"];
    list.insert(list.find("伊藤　彩") + 4, "\"");
    const auto findings = Check();
    // Not her unlisted code in every summary, nor the phantom's missing
    // figures or dates: one finding.
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::UnpairedQuotes});
    const Finding& finding = findings[0];
    EXPECT_EQ(finding.level, Level::MustFix);
    EXPECT_EQ(finding.line, 4);
    ASSERT_EQ(finding.affected.size(), 1u);
    EXPECT_EQ(Who(finding.affected[0]), "1001 伊藤　彩");
    EXPECT_TRUE(finding.affected[0].outcome.starts_with("伊藤　彩が出力されず、別の従業員が作られる"))
        << finding.affected[0].outcome;
}

TEST_F(BrokenSets, ASummaryReSavedByASpreadsheetShiftsEveryRowWithAQuotedAmount)
{
    // The spreadsheet wrote the amounts without their quotes: "486,392" became two fields.
    std::string& april = files["salary-04.txt"];
    std::string unquoted;
    for (const char c : april) {
        if (c != '"')
            unquoted.push_back(c);
    }
    april = unquoted;
    const auto findings = Check();
    ASSERT_FALSE(findings.empty());
    const Finding& finding = findings[0];
    EXPECT_EQ(finding.kind, FindingKind::FieldCount);
    EXPECT_EQ(finding.level, Level::MustFix);
    EXPECT_EQ(finding.count, 19u);  // April's rows: 1015 left in March
    EXPECT_EQ(Who(finding.affected[1]), "1002 鈴木　浩二");
    EXPECT_TRUE(finding.affected[1].outcome.starts_with("鈴木　浩二の4月の給与の金額がずれて読まれる（総支給金額 "))
        << finding.affected[1].outcome;
    // The shifted values are that finding's, not a second one's.
    EXPECT_EQ(Kinds(findings), std::vector{FindingKind::FieldCount});
}

TEST_F(BrokenSets, ACutFileNamesTheCutAmountAndEveryoneAfterIt)
{
    std::string& april = files["salary-04.txt"];
    const auto [begin, end] = Row("salary-04.txt", "1002,");
    april.resize(april.find("\"486,", begin) + 4);  // 「"486」: the amount's first digits
    const auto findings = Check();
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::CutOff});
    const Finding& finding = findings[0];
    EXPECT_EQ(finding.level, Level::MustFix);
    EXPECT_EQ(Who(finding.affected[0]), "1002 鈴木　浩二");
    EXPECT_TRUE(finding.affected[0].outcome.starts_with("鈴木　浩二の4月の給与の総支給金額が486円"))
        << finding.affected[0].outcome;
    // The 17 employees after him had April rows in the whole file.
    ASSERT_EQ(finding.affected.size(), 18u);
    EXPECT_EQ(Who(finding.affected[1]), "1003 高橋　陽子");
    EXPECT_EQ(finding.affected[1].outcome, "4月の給与の金額が入らない");
}

TEST_F(BrokenSets, CodesThatLostTheirLeadingZerosNameEveryEmployeeOnce)
{
    // The list's codes have a leading zero that the summaries lost.
    std::string& list = files["employees.txt"];
    const auto isCode = [&list](std::size_t at) {
        for (std::size_t i = at + 1; i < at + 5; ++i) {
            if (list[i] < '0' || list[i] > '9')
                return false;
        }
        return list.compare(at + 5, 1, ",") == 0;
    };
    for (std::size_t at = 0; (at = list.find(",10", at)) != std::string::npos; at += 4) {
        if (isCode(at))
            list.insert(at + 1, "0");
    }
    const auto findings = Check();
    ASSERT_EQ(findings.size(), 14u);  // every summary, and nothing else
    for (const auto& finding : findings) {
        EXPECT_EQ(finding.kind, FindingKind::UnlistedCodes);
        EXPECT_EQ(finding.level, Level::MustFix);
    }
    EXPECT_EQ(findings[0].count, 18u);  // January's rows: two joined in April
    EXPECT_EQ(Who(findings[0].affected[0]), "01001 伊藤　彩");
    EXPECT_EQ(findings[0].affected[0].value, "1001");
    EXPECT_EQ(findings[0].affected[0].outcome, "1月の給与の金額が入らない");
    EXPECT_EQ(preflight::LevelCounts(findings), "要修正 20人");
}

TEST_F(BrokenSets, TwoPeopleUnderOneCodeAreNamedBoth)
{
    // 鈴木 浩二 was given 伊藤 彩's code everywhere.
    for (auto& [name, bytes] : files) {
        for (std::size_t at = 0; (at = bytes.find(",1002,", at)) != std::string::npos;)
            bytes.replace(at, 6, ",1001,");
        for (std::size_t at = 0; (at = bytes.find("\r\n1002,", at)) != std::string::npos;)
            bytes.replace(at, 7, "\r\n1001,");
    }
    const auto findings = Check();
    ASSERT_FALSE(findings.empty());
    const Finding& finding = findings[0];
    EXPECT_EQ(finding.kind, FindingKind::RepeatedCode);
    EXPECT_EQ(finding.level, Level::MustFix);
    EXPECT_EQ(finding.file, dir.File("employees.txt"));
    ASSERT_EQ(finding.affected.size(), 2u);
    EXPECT_EQ(Who(finding.affected[0]), "1001 伊藤　彩");
    EXPECT_EQ(Who(finding.affected[1]), "1001 鈴木　浩二");
    EXPECT_TRUE(Contains(finding.affected[1].outcome, "伊藤　彩と鈴木　浩二が一人にまとめられ"))
        << finding.affected[1].outcome;
    // The summaries' repeats are that merge, not findings of their own.
    EXPECT_EQ(Kinds(findings), std::vector{FindingKind::RepeatedCode});
}

TEST_F(BrokenSets, ReFormattedDatesNameTheEmployeeAndTheValue)
{
    std::string& list = files["employees.txt"];
    // A spreadsheet's month-first form reads two ways; the clear forms convert.
    list.replace(list.find("1962年10月 2日"), 14, "10/2/1962");
    const auto findings = Check();
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::BadDate});
    EXPECT_EQ(findings[0].level, Level::MustFix);
    EXPECT_EQ(findings[0].column, "生年月日");
    ASSERT_EQ(findings[0].affected.size(), 1u);
    EXPECT_EQ(Who(findings[0].affected[0]), "1001 伊藤　彩");
    EXPECT_EQ(findings[0].affected[0].value, "10/2/1962");
    EXPECT_EQ(findings[0].affected[0].outcome, "生年月日が空欄になる");
}

TEST_F(BrokenSets, ALeaverIsExpectedInTheMonthsBeforeLeaving)
{
    // 佐藤 翔 left on 令和 6年 4月30日; his rows were lost from every file.
    for (auto& [name, bytes] : files) {
        if (name == "employees.txt")
            continue;
        const std::size_t row = bytes.find("\r\n1005,");
        if (row != std::string::npos)
            bytes.erase(row, bytes.find("\r\n", row + 2) - row);
    }
    auto findings = Check();
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::NoFigures});
    EXPECT_EQ(findings[0].level, Level::ToConfirm);
    ASSERT_EQ(findings[0].affected.size(), 1u);
    EXPECT_EQ(Who(findings[0].affected[0]), "1005 佐藤　翔");

    // Months wholly after he left do not expect him: May to December chosen.
    EXPECT_TRUE(Check({"salary-01.txt", "salary-02.txt", "salary-03.txt", "salary-04.txt"}).empty());
    // Without the 集計期間 line, April's label and the file's 年分 place it before he left.
    std::string& april = files["salary-04.txt"];
    const std::size_t period = april.find("集計期間");
    april.erase(period, april.find("\r\n", period) - period);
    findings = Check({"salary-01.txt", "salary-02.txt", "salary-03.txt"});
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::NoFigures});
    EXPECT_EQ(Who(findings[0].affected[0]), "1005 佐藤　翔");
}

TEST(PeriodDates, DaysOfASummary)
{
    using exportdate::Date;
    ExportFileFacts facts;
    facts.period = 4;
    facts.title = "給与集計表,テスト商事,令和 6年分";
    facts.dateLine = "集計期間：令和 6年 3月21日～令和 6年 4月20日";
    auto days = preflight::DaysOf(facts);
    ASSERT_TRUE(days);
    EXPECT_EQ(days->first, (Date{2024, 3, 21}));
    EXPECT_EQ(days->last, (Date{2024, 4, 20}));
    facts.dateLine = "支給日：令和 6年 7月10日";
    facts.period = 14;
    days = preflight::DaysOf(facts);
    ASSERT_TRUE(days);
    EXPECT_EQ(days->first, (Date{2024, 7, 10}));
    EXPECT_EQ(days->last, (Date{2024, 7, 10}));
    // A bonus without its date has none; a month, its label's in the title's year.
    facts.dateLine.clear();
    EXPECT_FALSE(preflight::DaysOf(facts));
    facts.period = 12;
    days = preflight::DaysOf(facts);
    ASSERT_TRUE(days);
    EXPECT_EQ(days->first, (Date{2024, 12, 1}));
    EXPECT_EQ(days->last, (Date{2024, 12, 31}));
    facts.title = "給与集計表,テスト商事";
    EXPECT_FALSE(preflight::DaysOf(facts));
}

}  // namespace
}  // namespace corvane::test
