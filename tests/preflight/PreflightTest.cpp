#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "items/CSormaItemCheck.h"
#include "preflight/Figure.h"
#include "preflight/FindingText.h"
#include "preflight/ListedFinding.h"
#include "preflight/Preflight.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

namespace corvane::test {
namespace {

using preflight::Finding;
using preflight::FindingKind;

const std::string kEmployees =
    "従業員(一覧表),テスト商事\r\n"
    "\r\n"
    "コード,氏名,生年月日,入社年月日,退職年月日\r\n"
    "0001,山田太郎,1975年 4月 3日,昭和50年 4月 3日,\r\n"
    "0002,佐藤花子,1980年12月25日,平成10年 4月 1日,\r\n";

const std::string kSummaryHead =
    "集計表,テスト商事\r\n"
    "\r\n"
    "4月度給与\r\n"
    "\r\n"
    "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税\r\n";

const std::string kSalary = kSummaryHead +
                            "0001,山田太郎,\"300,000\",45000,2,5000\r\n"
                            "0002,佐藤花子,250000,37000,0,4000\r\n";

class Preflight : public ::testing::Test {
protected:
    Preflight()
    {
        const char* names[] = {"課税支給合計", "社会保険料計", "扶養人数", "所得税"};
        for (std::size_t i = 0; i < 4; ++i) {
            items.Entries()[i].chosenPayrollItem = names[i];
            items.Entries()[i].chosenPosition = static_cast<std::int32_t>(i + 2);
        }
    }

    // Reads the April salary file (when given) and the employee list, and checks them.
    std::vector<Finding> Check(const std::string& employees, const std::string& salary = "")
    {
        std::map<std::size_t, std::string> summaries;
        if (!salary.empty())
            summaries[3] = salary;
        return CheckSlots(employees, summaries);
    }

    // The same with summary files by slot: 0 to 11 the months (salary-04.txt
    // for April), 12 to 16 the bonuses (bonus-1.txt ...).
    std::vector<Finding> CheckSlots(const std::string& employees, const std::map<std::size_t, std::string>& summaries)
    {
        std::vector<std::string> paths(17);
        for (const auto& [slot, bytes] : summaries) {
            const std::string name = slot < 12 ? "salary-" + std::string(slot < 9 ? "0" : "") + std::to_string(slot + 1)
                                               : "bonus-" + std::to_string(slot - 11);
            paths[slot] = dir.Write(name + ".txt", bytes);
        }
        paths.push_back(dir.Write("employees.txt", employees));
        // A reader reads one job.
        reader = std::make_unique<CSormaKyuuyo>(messenger);
        EXPECT_TRUE(reader->Read(paths, static_cast<int>(paths.size()), items));
        return preflight::VerifyExports(*reader, items);
    }

    static std::vector<FindingKind> Kinds(const std::vector<Finding>& findings)
    {
        std::vector<FindingKind> kinds;
        for (const auto& finding : findings)
            kinds.push_back(finding.kind);
        return kinds;
    }

    TempDir dir;
    RecordingMessageBox box;
    platform::Messenger messenger{box};
    CSormaItemCheck items{dir.File("Corvane.ENV")};
    std::unique_ptr<CSormaKyuuyo> reader = std::make_unique<CSormaKyuuyo>(messenger);
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string Who(const preflight::Affected& person)
{
    return person.code + " " + person.name;
}

TEST_F(Preflight, CleanExportsGiveNoFindings)
{
    EXPECT_TRUE(Check(kEmployees, kSalary).empty());
    // A figure with a sign or a decimal part is a number; an empty one is no figure at all.
    // (A negative one is a number to confirm.)
    EXPECT_EQ(Kinds(Check(kEmployees, kSummaryHead + "0001,山田太郎,-500,\"1,234.5\",,0\r\n"
                                                     "0002,佐藤花子,0,0,\"\",0\r\n")),
              (std::vector{FindingKind::NegativeFigure}));
}

TEST_F(Preflight, TheBundledSampleExportsAreClean)
{
    const std::filesystem::path examples = std::filesystem::path(CORVANE_TEST_DATA_DIR) / "../../examples";
    std::vector<std::string> salary;
    std::vector<std::string> bonus;
    std::string employees;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("salary-"))
            salary.push_back(entry.path().string());
        else if (name.starts_with("bonus-"))
            bonus.push_back(entry.path().string());
        else if (name.starts_with("employees"))
            employees = entry.path().string();
    }
    ASSERT_EQ(salary.size(), 12u);
    ASSERT_FALSE(employees.empty());
    std::sort(salary.begin(), salary.end());
    std::sort(bonus.begin(), bonus.end());
    std::vector<std::string> paths = salary;
    paths.insert(paths.end(), bonus.begin(), bonus.end());
    paths.resize(17);
    paths.push_back(employees);
    // The samples use the standard layout: the defaults' positions.
    for (auto& entry : items.Entries()) {
        entry.chosenPayrollItem = entry.defaultPayrollItem;
        entry.chosenPosition = -1;
    }
    items.PrepareChoices(salary.front(), "");
    ASSERT_TRUE(reader->Read(paths, static_cast<int>(paths.size()), items));
    ASSERT_FALSE(reader->GetEmployeeCodes().empty());
    const auto findings = preflight::VerifyExports(*reader, items);
    EXPECT_TRUE(findings.empty()) << preflight::FindingDetails(findings, [](const std::string& p) { return p; });
}

TEST_F(Preflight, SummaryCodesMissingFromTheEmployeeListAreNamedPerFile)
{
    // A spreadsheet dropped the leading zeros of the summary's codes.
    auto findings = Check(kEmployees, kSummaryHead +
                                          "1,山田太郎,300000,45000,2,5000\r\n"
                                          "2,佐藤花子,250000,37000,0,4000\r\n");
    // The employees are named as the list holds them, with the code the
    // summary gave; that they have no figures at all is the same cause.
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::UnlistedCodes});
    EXPECT_EQ(findings[0].file, dir.File("salary-04.txt"));
    EXPECT_EQ(findings[0].level, preflight::Level::MustFix);
    EXPECT_EQ(findings[0].count, 2u);
    ASSERT_EQ(findings[0].affected.size(), 2u);
    EXPECT_EQ(Who(findings[0].affected[0]), "0001 山田太郎");
    EXPECT_EQ(findings[0].affected[0].value, "1");
    EXPECT_EQ(Who(findings[0].affected[1]), "0002 佐藤花子");
    EXPECT_EQ(findings[0].affected[1].outcome, "4月の給与の金額が入らない");
    EXPECT_TRUE(Contains(findings[0].text, "うち2人は、先頭の0や前後の空白を除くと"));

    // A code that matches nothing, however loosened, gets no hint.
    findings = Check(kEmployees, kSalary + "9999,誰か,1,1,0,1\r\n");
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::UnlistedCodes});
    EXPECT_EQ(findings[0].count, 1u);
    EXPECT_EQ(findings[0].employee, "9999");
    EXPECT_FALSE(Contains(findings[0].text, "うち"));
}

TEST_F(Preflight, ListedEmployeesWithoutAnySummaryRowAreNamedOnlyWhenSummariesWereChosen)
{
    const std::string employees = kEmployees + "0003,鈴木一郎,,,\r\n";
    auto findings = Check(employees, kSalary);
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::NoFigures});
    EXPECT_EQ(findings[0].level, preflight::Level::ToConfirm);
    EXPECT_EQ(findings[0].employee, "0003");
    EXPECT_EQ(findings[0].file, dir.File("employees.txt"));
    ASSERT_EQ(findings[0].affected.size(), 1u);
    EXPECT_EQ(Who(findings[0].affected[0]), "0003 鈴木一郎");
    EXPECT_EQ(findings[0].outcome, "これらの従業員の給与・賞与の金額が空欄になる");
    EXPECT_TRUE(Check(employees).empty());
    // Who left may have left before the chosen months: without the dates of
    // the months, a leaver is not expected anywhere.
    const std::string withStatus =
        "従業員(一覧表),テスト商事\r\n\r\nコード,氏名,就業状況,退職年月日\r\n"
        "0001,山田太郎,在職,\r\n0002,佐藤花子,在職,\r\n"
        "0003,鈴木一郎,退職(普通),\r\n0004,高橋三郎,在職,2026年 3月31日\r\n";
    EXPECT_TRUE(Check(withStatus, kSalary).empty());
}

TEST_F(Preflight, RowsWithAnotherNumberOfFieldsOrUnpairedQuotesAreNamedByLine)
{
    // Quotes deleted from an amount: one field more. A stray quote in a name
    // shifts the rest of its row.
    auto findings = Check(kEmployees + "0003,\"鈴木,,,\r\n", kSummaryHead +
                                                                 "0001,山田太郎,300,000,45000,2,5000\r\n"
                                                                 "0002,佐藤花子,250000,37000,0,4000\r\n");
    // The shifted row's dependants' count is its social insurance: part of
    // its one finding, not a finding of the figures.
    ASSERT_EQ(Kinds(findings),
              (std::vector{FindingKind::NoFigures, FindingKind::FieldCount, FindingKind::UnpairedQuotes}));
    EXPECT_EQ(findings[1].file, dir.File("salary-04.txt"));
    EXPECT_EQ(findings[1].line, 6);
    EXPECT_EQ(findings[1].employee, "0001");
    EXPECT_TRUE(Contains(findings[1].text, "見出し行（5行目、6項目）と異なる行が1行あります"));
    ASSERT_EQ(findings[1].affected.size(), 1u);
    EXPECT_EQ(findings[1].affected[0].line, 6);
    // What the shifted row gives: 300,000 read as 300, the rest one field along.
    EXPECT_EQ(findings[1].affected[0].outcome,
              "山田太郎の4月の給与の金額がずれて読まれる（総支給金額 300円、社会保険料等の控除額 0円、"
              "扶養親族等の数 45,000円、算出税額 2円になる）");
    EXPECT_EQ(findings[2].file, dir.File("employees.txt"));
    EXPECT_EQ(findings[2].line, 6);
    EXPECT_EQ(findings[2].employee, "0003");
    EXPECT_EQ(findings[2].affected[0].outcome, "鈴木の項目がずれて読まれ、別の列の値が入る");
}

TEST_F(Preflight, AFileCutOffInsideItsLastRowIsNamedOnce)
{
    const std::string cut = kSummaryHead + "0001,山田太郎,300000,45000,2,5000\r\n0002,佐藤花子,2500";
    auto findings = Check(kEmployees, cut);
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::CutOff});
    EXPECT_EQ(findings[0].line, 7);
    EXPECT_TRUE(Contains(findings[0].text, "項目が3個しかありません（見出し行は6項目）"));
    // An export ends every line: a last row with every field but no line end
    // may have been cut inside its last field ("4000" read as "40").
    findings = Check(kEmployees, kSalary.substr(0, kSalary.size() - 4));
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::CutOff});
    EXPECT_EQ(findings[0].line, 7);
    EXPECT_EQ(findings[0].employee, "0002");
    EXPECT_EQ(Who(findings[0].affected[0]), "0002 佐藤花子");
    EXPECT_TRUE(Contains(findings[0].text, "最後の行（7行目）に改行がありません"));
    EXPECT_EQ(findings[0].outcome, "佐藤花子の4月の給与の算出税額が40円になる");
}

TEST_F(Preflight, EveryCutOfASummaryFileIsNamedUnlessItFallsBetweenTwoWholeRows)
{
    // A quoted and an unquoted last field, and the label line kept: a file cut
    // before its label is refused by the identification checks.
    const std::string salary = kSummaryHead +
                               "0001,山田太郎,\"300,000\",45000,2,\"5,000\"\r\n"
                               "0002,佐藤花子,250000,37000,0,4000\r\n";
    const std::size_t firstRow = kSummaryHead.size();
    for (std::size_t length = salary.find("4月度給与") + 9; length < salary.size(); ++length) {
        const std::string cut = salary.substr(0, length);
        // Cut just after a whole row, a file is a sound export of fewer employees.
        if (length > firstRow && cut.ends_with("\r\n"))
            continue;
        const auto kinds = Kinds(Check(kEmployees, cut));
        EXPECT_TRUE(std::count(kinds.begin(), kinds.end(), FindingKind::CutOff) +
                        std::count(kinds.begin(), kinds.end(), FindingKind::EmptySummary) ==
                    1)
            << "cut after " << length << " bytes: ..." << cut.substr(length - std::min<std::size_t>(length, 12));
    }
}

TEST_F(Preflight, RowsWhoseCodeAStrayCommaOrQuotePushedAlongAreNamedWithTheirEmployee)
{
    // A summary row that begins with "," or ",\"" has an empty code field:
    // the row is left out, and with it the employee's figures of the month.
    for (const std::string stray : {",", ",\"", ", \""}) {
        const auto findings = Check(kEmployees, kSummaryHead + "0001,山田太郎,300000,45000,2,5000\r\n" + stray +
                                                    "0002,佐藤花子,250000,37000,0,4000\r\n");
        // April was the employee's only month: that she has no figures is the same cause.
        ASSERT_EQ(Kinds(findings), std::vector{FindingKind::ShiftedRow}) << stray;
        EXPECT_EQ(findings[0].file, dir.File("salary-04.txt"));
        EXPECT_EQ(findings[0].line, 7);
        EXPECT_EQ(findings[0].employee, "0002");
        EXPECT_TRUE(Contains(findings[0].text, "見出し行（5行目）と合わない行が1行あります"));
        ASSERT_EQ(findings[0].affected.size(), 1u);
        EXPECT_EQ(Who(findings[0].affected[0]), "0002 佐藤花子");
        EXPECT_EQ(findings[0].affected[0].line, 7);
        EXPECT_EQ(findings[0].outcome, "これらの従業員の4月の給与の金額が入らない");
    }
    // A row that an export writes without a code keeps the heading's shape: it
    // is left out without a word, as before.
    EXPECT_TRUE(Check(kEmployees, kSalary + ",合計,550000,82000,2,9000\r\n").empty());
}

TEST_F(Preflight, ASummaryFileWithoutRowsIsNamedWithItsMonthOrBonus)
{
    std::string may = kSummaryHead;
    may.replace(may.find("4月度給与"), 9, "5月度給与");
    const std::string bonus =
        "賞与集計表,テスト商事\r\n\r\n夏期賞与\r\n\r\n" + kSummaryHead.substr(kSummaryHead.rfind("コード"));
    auto findings = CheckSlots(kEmployees, {{3, kSalary}, {4, may}, {12, bonus}});
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::EmptySummary, FindingKind::EmptySummary}));
    EXPECT_EQ(findings[0].file, dir.File("salary-05.txt"));
    EXPECT_EQ(findings[0].line, 5);
    EXPECT_EQ(findings[0].outcome, "5月の給与の金額がすべて空欄になる");
    EXPECT_EQ(findings[0].count, 2u);  // every employee
    EXPECT_EQ(findings[1].file, dir.File("bonus-1.txt"));
    EXPECT_EQ(findings[1].outcome, "1回目の賞与の金額がすべて空欄になる");
    // Cut before its heading, a file has no rows either.
    findings = CheckSlots(kEmployees, {{3, kSalary}, {4, may.substr(0, may.find("コード"))}});
    ASSERT_EQ(Kinds(findings), std::vector{FindingKind::EmptySummary});
    EXPECT_EQ(findings[0].line, 0);
}

TEST_F(Preflight, ACodeTwiceInOneFileIsNamedWithItsLines)
{
    auto findings = Check(kEmployees + "0001,山田次郎,,,\r\n", kSalary + "0002,佐藤花子,1,1,0,1\r\n");
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::RepeatedCode, FindingKind::RepeatedCode}));
    EXPECT_EQ(findings[0].file, dir.File("salary-04.txt"));
    EXPECT_EQ(findings[0].line, 8);
    EXPECT_EQ(findings[0].affected[0].outcome,
              "佐藤花子の4月の給与の金額は、後の行（8行目）のものだけが使われる（総支給金額 1円、"
              "社会保険料等の控除額 1円、扶養親族等の数 0円、算出税額 1円）");
    EXPECT_EQ(findings[1].file, dir.File("employees.txt"));
    EXPECT_EQ(findings[1].line, 6);
    EXPECT_EQ(findings[1].employee, "0001");
    // Both people, by the names each row gave.
    ASSERT_EQ(findings[1].affected.size(), 2u);
    EXPECT_EQ(Who(findings[1].affected[0]), "0001 山田太郎");
    EXPECT_EQ(Who(findings[1].affected[1]), "0001 山田次郎");
    EXPECT_EQ(findings[1].affected[1].outcome, "山田太郎と山田次郎が一人にまとめられ、山田太郎は出力されない");
}

TEST_F(Preflight, DatesThatConvertToNoDateAreNamedPerColumn)
{
    const std::string employees =
        "従業員(一覧表),テスト商事\r\n\r\n"
        "コード,氏名,生年月日,入社年月日,退職年月日\r\n"
        "0001,山田太郎,10/2/1962,1962年10月32日,\r\n"
        "0002,佐藤花子,1975年13月 3日,令和 2年 4月 1日,平成31年 4月30日\r\n"
        "0003,鈴木一郎,慶応 3年 1月 1日,,\r\n";
    const auto findings = Check(employees, kSalary + "0003,鈴木一郎,1,1,0,1\r\n");
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::BadDate, FindingKind::BadDate}));
    EXPECT_EQ(findings[0].count, 3u);
    EXPECT_TRUE(Contains(findings[0].text, "生年月日が日付に変換できない従業員が3人います"));
    EXPECT_EQ(findings[0].column, "生年月日");
    EXPECT_EQ(Who(findings[0].affected[0]), "0001 山田太郎");
    EXPECT_EQ(findings[0].affected[0].value, "10/2/1962");
    EXPECT_EQ(findings[0].affected[1].value, "1975年13月 3日");
    EXPECT_EQ(findings[0].affected[1].outcome, "生年月日が空欄になる");
    EXPECT_EQ(findings[1].count, 1u);
    EXPECT_TRUE(Contains(findings[1].text, "入社年月日"));
}

TEST_F(Preflight, ChosenFiguresThatAreNoNumberAreNamedPerFileAndColumn)
{
    const auto findings = Check(kEmployees, kSummaryHead +
                                                "0001,山田太郎,３０００００,45000,2,5000\r\n"
                                                "0002,佐藤花子,250000,37000,二,4000\r\n");
    ASSERT_EQ(Kinds(findings), (std::vector{FindingKind::NotANumber, FindingKind::NotANumber}));
    EXPECT_EQ(findings[0].file, dir.File("salary-04.txt"));
    EXPECT_EQ(findings[0].employee, "0001");
    EXPECT_TRUE(Contains(findings[0].text, "総支給金額（課税支給合計）に数値でない値が1人分あります"));
    EXPECT_EQ(findings[0].affected[0].value, "３０００００");
    EXPECT_EQ(findings[0].affected[0].outcome, "4月の給与の総支給金額が正しく取り込まれない");
    EXPECT_EQ(findings[1].employee, "0002");
    EXPECT_TRUE(Contains(findings[1].text, "（扶養人数）"));
}

TEST(PreflightFigure, NumbersAfterQuotesAndSeparatorsGo)
{
    for (const char* number : {"", "\"\"", "0", "-500", "+3", "\"1,234\"", "1234.50"})
        EXPECT_TRUE(preflight::IsNumber(number)) << number;
    for (const char* other : {"-", "1.", ".5", "1e3", " 100", "１００", "abc", "12-3"})
        EXPECT_FALSE(preflight::IsNumber(other)) << other;
    EXPECT_EQ(preflight::WholeValue("\"-1,234.9\""), -1234);
    EXPECT_EQ(preflight::WholeValue(""), std::nullopt);
    EXPECT_EQ(preflight::WholeValue("99999999999999999999"), std::nullopt);
}

TEST(PreflightText, TheQuestionPutsMustFixFirstAndCountsPeopleAndTheDetailsNameEveryone)
{
    std::vector<Finding> findings = {
        Listed(FindingKind::NoFigures, "list.txt", 0, "", 0, "一"),
        Listed(FindingKind::FieldCount, "a.txt", 6, "", 0, "二"),
        Listed(FindingKind::FieldCount, "b.txt", 9, "", 0, "三"),
        Listed(FindingKind::EmptySummary, "c.txt", 5, "", 0, "四"),
    };
    findings[0].level = preflight::Level::ToConfirm;
    findings[0].outcome = "空欄になる";
    for (int i = 1; i <= 7; ++i)
        findings[0].affected.push_back({"000" + std::to_string(i), "社員" + std::to_string(i), 0, "", ""});
    findings[1].column = "氏名";
    findings[1].fix = "直してください。";
    findings[1].affected = {{"1001", "伊藤　彩", 6, "", "伊藤　彩が出力されない"}, {"", "", 7, "x", ""}};
    findings[2].affected = {{"1001", "伊藤　彩", 9, "", ""}};  // the same person, counted once
    const std::string question = preflight::ProceedQuestion(findings);
    EXPECT_EQ(question,
              "エクスポートファイルに、次の確認事項があります。\n"
              "\n【要修正】このまま作成すると、中間ファイルの内容が正しくなりません。\n"
              "・項目の数が合わない行：2人\n"
              "・従業員の行がない集計表：1ファイル\n"
              "\n【要確認】中間ファイルの内容が正しいか確かめてください。\n"
              "・集計表に行がない従業員：7人\n"
              "\nこのまま中間ファイルを作成しますか？");
    const auto display = [](const std::string& p) { return "[" + p + "]"; };
    const std::string details = preflight::FindingDetails(findings, display);
    EXPECT_TRUE(
        details.starts_with("【要修正】項目の数が合わない行\n[a.txt]（6行目）\n列：氏名\n二\n対象：2人\n"
                            "  1001 伊藤　彩（6行目）：伊藤　彩が出力されない\n"
                            "  （従業員不明）（7行目）「x」\n"
                            "直し方：直してください。\n"))
        << details;
    // Every employee, no 「ほか」; the 要確認 last.
    EXPECT_NE(details.find("\n【要確認】集計表に行がない従業員\n[list.txt]\n一\n出力：空欄になる\n対象：7人\n"
                           "  0001 社員1\n"),
              std::string::npos)
        << details;
    EXPECT_TRUE(details.ends_with("  0007 社員7\n")) << details;
    EXPECT_EQ(details.find("ほか"), std::string::npos);
    // A block cut short says how many are left and where they are.
    EXPECT_TRUE(preflight::FindingBlock(findings[0], display, 5, "（全員は別に）")
                    .ends_with("  0005 社員5\n  ほか2人（全員は別に）\n"));

    EXPECT_EQ(preflight::LevelCounts(findings), "要修正 2人、要確認 7人");
    EXPECT_EQ(preflight::CompletedWithFindingsMessage(preflight::LevelCounts({findings[1]})),
              "中間ファイルを作成しました。確認事項があります（要修正 2人）。");
}

TEST(PreflightText, EveryKindHasATitleAndADescriptionOfItsOwn)
{
    const auto& kinds = preflight::AllFindingKinds();
    ASSERT_FALSE(kinds.empty());
    std::set<std::string> titles;
    std::set<std::string> descriptions;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kinds[i]), i) << "the kinds in the enumeration's order";
        EXPECT_FALSE(preflight::KindTitle(kinds[i]).empty());
        EXPECT_TRUE(titles.insert(preflight::KindTitle(kinds[i])).second) << preflight::KindDescription(kinds[i]);
        EXPECT_TRUE(descriptions.insert(preflight::KindDescription(kinds[i])).second)
            << preflight::KindDescription(kinds[i]);
    }
    EXPECT_FALSE(descriptions.count(""));
    // A kind given a number out of order would end the list early.
    for (const auto kind :
         {FindingKind::UnlistedCodes, FindingKind::NoFigures, FindingKind::FieldCount, FindingKind::UnpairedQuotes,
          FindingKind::CutOff, FindingKind::RepeatedCode, FindingKind::BadDate, FindingKind::NotANumber})
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end());
}

}  // namespace
}  // namespace corvane::test
