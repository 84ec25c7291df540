#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "items/CSormaItemCheck.h"
#include "preflight/FindingText.h"
#include "preflight/ListedFinding.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

// The checks of the exports' year, the employment period and the figures.
namespace corvane::test {
namespace {

using preflight::Finding;
using preflight::FindingKind;
using preflight::Level;

const std::string kEmployees =
    "従業員(一覧表),テスト商事\r\n"
    "\r\n"
    "コード,氏名,生年月日,入社年月日,退職年月日\r\n"
    "1001,山田太郎,1975年 4月 3日,平成10年 4月 1日,\r\n"
    "1015,佐藤　健太,1980/12/25,2010-04-01,令和 6年 3月31日\r\n"
    "1020,鈴木花子,1990年1月5日,令和 6年 6月 1日,\r\n"
    "1030,高橋一郎,1985年 7月 7日,2015年 4月 1日,\r\n";

// Every employee who has not left has a row: 1020 joined in June.
const std::string kRows =
    "1001,山田太郎,300000,45000,2,5000\r\n"
    "1020,鈴木花子,0,0,0,0\r\n"
    "1030,高橋一郎,200000,30000,2.0,2000\r\n";

std::string Head(const std::string& title, const std::string& label, const std::string& dates)
{
    return title + "\r\n\r\n" + label + "\r\n" + dates + "\r\n" +
           "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税\r\n";
}

std::string Salary(int month, const std::string& year = "令和 6年分", const std::string& rows = "")
{
    const std::string title = "給与集計表,テスト商事" + (year.empty() ? "" : "," + year);
    const std::string body = rows.empty() ? kRows : rows;
    return Head(title, std::to_string(month) + "月度給与", "") + body;
}

class Plausibility : public ::testing::Test {
protected:
    Plausibility()
    {
        const char* names[] = {"課税支給合計", "社会保険料計", "扶養人数", "所得税"};
        for (std::size_t i = 0; i < 4; ++i) {
            items.Entries()[i].chosenPayrollItem = names[i];
            items.Entries()[i].chosenPosition = static_cast<std::int32_t>(i + 2);
        }
    }

    // Summary files by slot: 0 to 11 the months, 12 to 16 the bonuses.
    std::vector<Finding> Check(const std::map<std::size_t, std::string>& summaries, const std::string& year = "6",
                               const std::string& employees = kEmployees)
    {
        std::vector<std::string> paths(17);
        for (const auto& [slot, bytes] : summaries)
            paths[slot] = dir.Write("slot-" + std::to_string(slot) + ".txt", bytes);
        paths.push_back(dir.Write("employees.txt", employees));
        reader = std::make_unique<CSormaKyuuyo>(messenger);
        EXPECT_TRUE(reader->Read(paths, static_cast<int>(paths.size()), items));
        return preflight::VerifyExports(*reader, items, year);
    }
    std::string Slot(std::size_t slot) const { return dir.File("slot-" + std::to_string(slot) + ".txt"); }

    static std::vector<FindingKind> Kinds(const std::vector<Finding>& findings) { return preflight::KindsOf(findings); }

    TempDir dir;
    RecordingMessageBox box;
    platform::Messenger messenger{box};
    CSormaItemCheck items{dir.File("Corvane.ENV")};
    std::unique_ptr<CSormaKyuuyo> reader;
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(Plausibility, TheYearOfTheSummariesAgainstEachOtherAndTheFilingYear)
{
    // Without the leaver, who would be expected in January and has no row.
    std::string employees = kEmployees;
    const std::size_t leaver = employees.find("1015,");
    employees.erase(leaver, employees.find("\r\n", leaver) + 2 - leaver);
    const auto Check = [&](const std::map<std::size_t, std::string>& summaries, const std::string& year = "6") {
        return Plausibility::Check(summaries, year, employees);
    };
    // Last year's May among this year's months: that file, named with both years.
    auto findings = Check({{0, Salary(1)}, {3, Salary(4)}, {4, Salary(5, "令和 5年分")}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::SummaryYears}));
    EXPECT_EQ(findings[0].level, Level::MustFix);
    EXPECT_EQ(findings[0].file, Slot(4));
    EXPECT_TRUE(Contains(findings[0].text, "令和 5年分")) << findings[0].text;
    EXPECT_TRUE(Contains(findings[0].text, "令和 6年分")) << findings[0].text;
    EXPECT_TRUE(Contains(findings[0].text, "給与 05月分")) << findings[0].text;

    // A filing year other than the exports' year; a full-width year as the job hands it on.
    findings = Check({{0, Salary(1)}, {3, Salary(4)}}, "9");
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::FilingYear}));
    EXPECT_EQ(findings[0].level, Level::MustFix);
    EXPECT_TRUE(Contains(findings[0].fix, "6")) << findings[0].fix;
    EXPECT_TRUE(Check({{0, Salary(1)}, {3, Salary(4)}}, "6").empty());
    // A filing year no title's year can be is compared with none (it overflowed once).
    EXPECT_TRUE(Check({{0, Salary(1)}, {3, Salary(4)}}, "99999999999").empty());

    // A file without a year takes no part; Western years count the same.
    EXPECT_TRUE(Check({{0, Salary(1, "")}, {3, Salary(4, "2024年分")}}, "6").empty());
    EXPECT_TRUE(Check({{0, Salary(1, "")}}, "9").empty());

    // A bonus paid outside its file's year: to confirm.
    const std::string bonus = Head("賞与集計表,テスト商事,令和 6年分", "冬期賞与", "支給日：令和 7年 1月10日") +
                              "1001,山田太郎,500000,70000,2,20000\r\n";
    findings = Check({{3, Salary(4)}, {12, bonus}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::BonusOutsideYear}));
    EXPECT_EQ(findings[0].level, Level::ToConfirm);
    EXPECT_EQ(findings[0].file, Slot(12));
    EXPECT_EQ(findings[0].line, 4);
}

TEST_F(Plausibility, FiguresOutsideTheEmploymentPeriodSuggestAReusedCode)
{
    // 1015 left on 31 March; his code's October pay lands on him. 1020 joined on 1 June.
    const std::string rows = kRows + "1015,佐藤　健太,280000,40000,0,4000\r\n";
    auto findings = Check({{9, Salary(10, "令和 6年分", rows)}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::PayAfterLeaving}));
    const Finding& after = findings[0];
    EXPECT_EQ(after.level, Level::MustFix);
    EXPECT_EQ(after.file, Slot(9));
    EXPECT_EQ(after.column, "退職年月日");
    ASSERT_EQ(after.affected.size(), 1u);
    EXPECT_EQ(after.affected[0].code, "1015");
    EXPECT_EQ(after.affected[0].name, "佐藤　健太");
    EXPECT_EQ(after.affected[0].value, "令和 6年 3月31日");
    EXPECT_TRUE(Contains(after.text, "使い回され")) << after.text;

    // March itself is his; April of 1020 lies before she joined. A 集計期間 line
    // counts before the label: 21 May to 20 June still overlaps her first days.
    const std::string april = Head("給与集計表,テスト商事,令和 6年分", "4月度給与", "") +
                              "1015,佐藤　健太,280000,40000,0,4000\r\n1020,鈴木花子,250000,36000,0,3000\r\n";
    const std::string june =
        Head("給与集計表,テスト商事,令和 6年分", "6月度給与", "集計期間：令和 6年 5月21日～令和 6年 6月20日") +
        "1020,鈴木花子,250000,36000,0,3000\r\n";
    findings = Check({{2, Salary(3, "令和 6年分", rows)}, {3, april}, {5, june}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::PayAfterLeaving, FindingKind::PayBeforeJoining}));
    EXPECT_EQ(findings[0].file, Slot(3));
    EXPECT_EQ(findings[1].file, Slot(3));
    ASSERT_EQ(findings[1].affected.size(), 1u);
    EXPECT_EQ(findings[1].affected[0].code, "1020");

    // Bonuses by their payment date; a month without a year or a 集計期間 is not judged.
    const std::string bonus = Head("賞与集計表,テスト商事,令和 6年分", "夏期賞与", "支給日：令和 6年 7月10日") +
                              "1015,佐藤　健太,400000,60000,0,15000\r\n";
    findings = Check({{9, Salary(10, "", rows)}, {12, bonus}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::PayAfterLeaving}));
    EXPECT_EQ(findings[0].file, Slot(12));
}

TEST_F(Plausibility, FiguresThatShowAWrongCorrespondence)
{
    // 所得税 chosen for the total pay and 課税支給合計 for the tax: the tax exceeds the pay.
    std::swap(items.Entries()[0].chosenPayrollItem, items.Entries()[3].chosenPayrollItem);
    std::swap(items.Entries()[0].chosenPosition, items.Entries()[3].chosenPosition);
    const std::string rows =
        "1001,山田太郎,300000,45000,2,5000\r\n"
        "1020,鈴木花子,250000,36000,0,3000\r\n"
        "1030,高橋一郎,200000,30000,2,2000\r\n";
    auto findings = Check({{6, Salary(7, "令和 6年分", rows)}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::ImplausibleColumns}));
    EXPECT_EQ(findings[0].level, Level::MustFix);
    EXPECT_TRUE(Contains(findings[0].text, "総支給金額（所得税）")) << findings[0].text;
    EXPECT_TRUE(Contains(findings[0].text, "算出税額（課税支給合計）")) << findings[0].text;
    EXPECT_EQ(findings[0].affected.size(), 3u);

    // The social insurance chosen for the total pay: below the true pay chosen for the insurance.
    std::swap(items.Entries()[0].chosenPayrollItem, items.Entries()[3].chosenPayrollItem);
    std::swap(items.Entries()[0].chosenPosition, items.Entries()[3].chosenPosition);
    std::swap(items.Entries()[0].chosenPosition, items.Entries()[1].chosenPosition);
    findings = Check({{6, Salary(7, "令和 6年分", rows)}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::ImplausibleColumns}));
    EXPECT_TRUE(Contains(findings[0].text, "社会保険料等の控除額")) << findings[0].text;
}

TEST_F(Plausibility, NegativeFiguresAndDependantsToConfirmButNotLeave)
{
    // One employee on leave: no pay, the insurance still deducted. That is normal.
    const std::string leave =
        "1001,山田太郎,300000,45000,2,5000\r\n"
        "1020,鈴木花子,0,36000,0,0\r\n"
        "1030,高橋一郎,200000,30000,2,2000\r\n";
    EXPECT_TRUE(Check({{6, Salary(7, "令和 6年分", leave)}}).empty());

    const std::string odd =
        "1001,山田太郎,300000,-4500,2,5000\r\n"
        "1020,鈴木花子,250000,36000,2.5,3000\r\n"
        "1030,高橋一郎,200000,30000,100,2000\r\n";
    const auto findings = Check({{6, Salary(7, "令和 6年分", odd)}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::NegativeFigure, FindingKind::BadDependents}));
    EXPECT_EQ(findings[0].level, Level::ToConfirm);
    EXPECT_EQ(findings[0].column, "社会保険料計");
    ASSERT_EQ(findings[0].affected.size(), 1u);
    EXPECT_EQ(findings[0].affected[0].value, "-4500");
    EXPECT_EQ(findings[1].level, Level::ToConfirm);
    ASSERT_EQ(findings[1].affected.size(), 2u);
    EXPECT_EQ(findings[1].affected[0].value, "2.5");
    EXPECT_EQ(findings[1].affected[1].value, "100");
}

TEST_F(Plausibility, DatesTheConversionWritesAreNoFinding)
{
    // The list above holds 1980/12/25, 2010-04-01 and 1990年1月5日: all convert.
    // A count written 「2.0」 is a whole number.
    EXPECT_TRUE(Check({{3, Salary(4)}}).empty());
    // A day that does not exist is written empty, and said so.
    std::string employees = kEmployees;
    employees.replace(employees.find("1980/12/25"), 10, "1980/02/30");
    const auto findings = Check({{3, Salary(4)}}, "6", employees);
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::BadDate}));
}

}  // namespace
}  // namespace corvane::test
