#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/CSormaItemCheck.h"
#include "platform/Messenger.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "sormaexport/SORMATABLEINFO.h"
#include "support/GoldenFile.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

namespace corvane {
namespace {

using Texts = std::vector<std::string>;

constexpr int kEntries = 18;  // 12 salary slots, 5 bonus slots, the employee list

const std::string kNoCodeMessage =
    "従業員コードがない従業員が存在するため、処理を継続できません。\n"
    "ヴェルドでは、社員コード（＝従業員コード）は必須となります。\n\n"
    "従業員コードを入力後、再度「従業員一覧」を作成してください。";

std::string Lines(const Texts& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string EmployeeList(const std::string& header, const Texts& rows)
{
    Texts lines{"従業員(一覧表),サンプル商事", "", header};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return Lines(lines);
}

const char* const kPayHeader = "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税";

std::string Summary(const std::string& label, const Texts& rows, const std::string& header = kPayHeader)
{
    Texts lines{"集計表,サンプル商事", "", label, "", header};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return Lines(lines);
}

class ReaderTest : public ::testing::Test {
protected:
    ReaderTest() : items(dir.File("Corvane.ENV"))
    {
        // The four figures at positions 2 to 5, as in the example export.
        for (auto& entry : items.Entries()) {
            entry.chosenPayrollItem = entry.defaultPayrollItem;
            entry.chosenPosition = entry.defaultPosition + 2;
        }
    }

    // Paths of one job: salary months by index 0 to 11, bonus slots 12 to 16, the employee list 17.
    std::vector<std::string> paths = std::vector<std::string>(kEntries);

    void Put(int entry, const std::string& bytes)
    {
        paths[static_cast<std::size_t>(entry)] = dir.Write("entry" + std::to_string(entry) + ".TXT", bytes);
    }
    void PutEmployees(const std::string& header, const Texts& rows) { Put(17, EmployeeList(header, rows)); }

    bool Read() { return reader.Read(paths, kEntries, items); }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CSormaItemCheck items;
    CSormaKyuuyo reader{messenger};
};

TEST_F(ReaderTest, ReadsTheExampleExports)
{
    const std::string data = CORVANE_TEST_DATA_DIR "/sormaexport/example/";
    paths[3] = data + "SALARY04.TXT";
    paths[17] = data + "EMPLOYEES.TXT";
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "002"}));
    EXPECT_EQ(reader.GetCompanyName(), "サンプル商事");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "所得税"), "5000");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "課税支給合計"), "300000");
    EXPECT_EQ(reader.GetPayValueView("002", 4, "社会保険料計"), "37000");
    EXPECT_EQ(reader.GetPayValueView("002", 4, "扶養人数"), "0");
    EXPECT_EQ(reader.GetPayValueView("002", 4, "コード"), "002");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "行項目名"), "");  // no position in the correspondence
    EXPECT_EQ(reader.GetPayValueView("001", 5, "所得税"), "");
    EXPECT_EQ(reader.GetEmployeeValueView("002", "所属部門"), "総務部");
    EXPECT_EQ(reader.GetEmployeeValueView("001", "住民税･納付先"), "千代田区");
    EXPECT_EQ(reader.GetDepartmentCode("営業部"), "0001");
    EXPECT_EQ(reader.GetDepartmentCode("総務部"), "0002");
    EXPECT_EQ(reader.GetPayeeCode("港区"), "002");
    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(ReaderTest, SummaryFilesComeFirstInTheCodeOrder)
{
    Put(0, Summary("1月度給与", {"003,c,1,1,1,1", "001,a,1,1,1,1"}));
    PutEmployees("コード,氏名", {"001,社員Ａ", "002,社員Ｂ", "003,社員Ｃ"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"003", "001", "002"}));
}

struct HeaderCase {
    const char* name;
    const char* header;
    const char* row;
    const char* column;
    const char* expected;
};

class EmployeeHeaderTest : public ReaderTest, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(EmployeeHeaderTest, MatchesColumnsByExactName)
{
    PutEmployees(GetParam().header, {GetParam().row});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeValueView("001", GetParam().column), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, EmployeeHeaderTest,
    ::testing::Values(HeaderCase{"OnlyNamedColumnsAreFilled", "コード,氏名", "001,山田", "氏名", "山田"},
                      HeaderCase{"UnnamedColumnIsEmpty", "コード,氏名", "001,山田", "所属部門", ""},
                      HeaderCase{"UnknownColumnName", "コード,氏名", "001,山田", "存在しない列", ""},
                      HeaderCase{"AnyOrder", "所属部門,住所,氏名,コード", "営業部,東京都,山田,001", "氏名", "山田"},
                      HeaderCase{"FullWidthDotMatches", "コード,フリガナ・姓", "001,ﾔﾏﾀﾞ", "フリガナ･姓", "ﾔﾏﾀﾞ"},
                      HeaderCase{"QuotedNameDoesNotMatch", "コード,\"氏名\"", "001,山田", "氏名", ""},
                      HeaderCase{"NameWithSpaceDoesNotMatch", "コード,氏名 ,住所", "001,山田,東京都", "氏名", ""},
                      HeaderCase{"AmountLosesQuotesAndCommas", "コード,住民税･6月", "001,\"1,234\"", "住民税･6月",
                                 "1234"},
                      HeaderCase{"TextKeepsQuotesAndCommas", "コード,氏名", "001,\"1,234\"", "氏名", "\"1,234\""},
                      HeaderCase{"QuotedCommaStaysInTheField", "コード,氏名,住所", "001,\"山田,太郎\",東京都", "氏名",
                                 "\"山田,太郎\""},
                      HeaderCase{"FieldsAreNotTrimmed", "コード,氏名,住所", "001, 山田 ,東京都", "氏名", " 山田 "},
                      HeaderCase{"ShortRowGivesEmptyFields", "コード,氏名,住所", "001,山田", "住所", ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ReaderTest, PayItemsFollowTheirAmountFlag)
{
    Put(3, Summary("4月度給与", {"001,a,\"1,300,000\",\"45,000\",\"2\",\"5,000\""}));
    PutEmployees("コード", {"001"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetPayValueView("001", 4, "課税支給合計"), "1300000");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "社会保険料計"), "45000");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "扶養人数"), "\"2\"");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "所得税"), "5000");
}

TEST_F(ReaderTest, PositionsComeFromTheCorrespondenceNotTheHeader)
{
    items.ClearChoices();
    items.Entries()[3].chosenPayrollItem = "源泉所得税";
    items.Entries()[3].chosenPosition = 7;
    Put(3, Summary("4月度給与", {"001,a,1,2,3,4,5,6000"}, "全く別の見出し"));
    PutEmployees("コード", {"001"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetPayValueView("001", 4, "所得税"), "6000");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "課税支給合計"), "");
    EXPECT_EQ(reader.GetPayValueView("001", 4, "コード"), "001");
}

TEST_F(ReaderTest, CodesMatchByteForByte)
{
    Put(0, Summary("1月度給与", {"1,a,100,0,0,0", "　,b,200,0,0,0", ",c,300,0,0,0"}));
    PutEmployees("コード,氏名", {"001,山田", "　,空白", "\"\",引用"});
    ASSERT_TRUE(Read());
    // A full-width space is a code in the employee list; summary rows with it are skipped.
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "　", "\"\""}));
    EXPECT_EQ(reader.GetEmployeeValueView("　", "氏名"), "空白");
    EXPECT_EQ(reader.GetPayValueView("　", 1, "課税支給合計"), "");
    EXPECT_EQ(reader.GetPayValueView("001", 1, "課税支給合計"), "");
    // A code only in a summary file has a record, but is no employee.
    EXPECT_EQ(reader.GetPayValueView("1", 1, "課税支給合計"), "100");
    EXPECT_EQ(reader.GetEmployeeValueView("1", "氏名"), "");
    EXPECT_EQ(reader.GetPayValueView("", 1, "課税支給合計"), "");
}

TEST_F(ReaderTest, EmptyEmployeeCodeStopsTheReading)
{
    PutEmployees("コード,氏名", {"001,山田", ",名無し", "003,佐藤"});
    EXPECT_FALSE(Read());
    EXPECT_EQ(box.Texts(), (Texts{kNoCodeMessage}));
    EXPECT_EQ(box.Messages()[0].icon, platform::Icon::Warning);
    EXPECT_EQ(box.Messages()[0].caption, platform::AppTitle());
    EXPECT_TRUE(reader.GetEmployeeCodes().empty());
}

const std::string kNoCodeColumn =
    "従業員一覧表に「コード」の項目がないため、処理を継続できません。\n"
    "「コード」の項目を含めて、再度「従業員一覧」を作成してください。\n\n";
const std::string kNoEmployees =
    "従業員一覧表に従業員が存在しないため、処理を継続できません。\n"
    "従業員を登録後、再度「従業員一覧」を作成してください。\n\n";

TEST_F(ReaderTest, EmployeeListWithoutCodeColumnOrEmployeesIsNamed)
{
    struct Case {
        std::string list;
        std::string message;
    };
    const Case cases[] = {
        {EmployeeList("氏名,住所", {"山田,東京都"}), kNoCodeColumn},
        {EmployeeList("\"コード\",氏名", {"001,山田"}), kNoCodeColumn},  // only a bare コード counts
        {EmployeeList("氏名,住所", {}), kNoCodeColumn},
        {Lines({"従業員(一覧表),サンプル商事"}), kNoCodeColumn},  // no header at all
        {EmployeeList("コード,氏名", {}), kNoEmployees},
        {EmployeeList("コード,氏名", {",", "", " , "}), kNoEmployees},
    };
    for (const Case& c : cases) {
        CSormaKyuuyo fresh{messenger};
        box.Clear();
        Put(17, c.list);
        EXPECT_FALSE(fresh.Read(paths, kEntries, items)) << c.list;
        EXPECT_EQ(box.Texts(), (Texts{c.message + paths[17]})) << c.list;
        EXPECT_TRUE(fresh.GetEmployeeCodes().empty());
    }
}

// The first found by the reader's fuzzer: such a list stopped the reading without a word.
TEST_F(ReaderTest, EmployeeListTitleWithoutCompanyIsNamed)
{
    const std::string kNoCompany =
        "従業員一覧表の1行目に関与先名がないため、処理を継続できません。\n"
        "関与先名を入力後、再度「従業員一覧」を作成してください。\n\n";
    const Texts lists{test::TestData("sormaexport/fuzz/title-without-company.txt"),
                      Lines({"従業員(一覧表)", "", "コード,氏名", "001,山田"})};
    for (const std::string& list : lists) {
        CSormaKyuuyo fresh{messenger};
        box.Clear();
        Put(17, list);
        EXPECT_FALSE(fresh.Read(paths, kEntries, items));
        EXPECT_EQ(box.Texts(), (Texts{kNoCompany + paths[17]}));
        EXPECT_TRUE(fresh.GetEmployeeCodes().empty());
    }
}

TEST_F(ReaderTest, RowsOfOnlyCommasAndBlanksAreEmptyLines)
{
    Put(0, Summary("1月度給与", {"001,a,100,0,0,0", ",,,,,", " , ,"}));
    PutEmployees("コード,氏名", {"001,山田", ",", "002,佐藤", ",  ,\t", ",,"});
    ASSERT_TRUE(Read());
    EXPECT_TRUE(box.Messages().empty());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "002"}));
    // A blank row still counts as a line: after one on line 2 the header is still line 3.
    Put(17, Lines({"従業員(一覧表),サンプル商事", ",,", "コード,氏名", "003,鈴木"}));
    CSormaKyuuyo again{messenger};
    ASSERT_TRUE(again.Read(paths, kEntries, items));
    EXPECT_EQ(again.GetEmployeeCodes(), (Texts{"003"}));
}

TEST_F(ReaderTest, EndOfFileMarkEndsTheExport)
{
    const std::string mark(1, '\x1A');
    Put(0, Summary("1月度給与", {"001,a,100,0,0,0"}) + mark);
    PutEmployees("氏名,コード", {"山田,001", "佐藤,002" + mark + "\r\n鈴木,003"});
    ASSERT_TRUE(Read());
    EXPECT_TRUE(box.Messages().empty());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "002"}));
    // The same at the very end, after the last line end.
    PutEmployees("氏名,コード", {"山田,001"});
    paths[17] = dir.Write("marked.TXT", test::ReadFileBytes(paths[17]) + mark);
    CSormaKyuuyo again{messenger};
    ASSERT_TRUE(again.Read(paths, kEntries, items));
    EXPECT_TRUE(box.Messages().empty());
    EXPECT_EQ(again.GetEmployeeCodes(), (Texts{"001"}));
}

TEST_F(ReaderTest, MissingFileStopsTheReading)
{
    Put(0, Summary("1月度給与", {"001,a,100,0,0,0"}));
    paths[1] = dir.File("none.TXT");
    PutEmployees("コード", {"001"});
    EXPECT_FALSE(Read());
    EXPECT_EQ(box.Texts(), (Texts{"ファイルが存在しません。"}));
    EXPECT_TRUE(reader.GetEmployeeCodes().empty());
    EXPECT_EQ(reader.GetPayValueView("001", 1, "課税支給合計"), "100");  // files before it were read
}

TEST_F(ReaderTest, WithoutEmployeeListTheCodeListIsEmpty)
{
    Put(0, Summary("1月度給与", {"001,a,100,0,0,0"}));
    EXPECT_TRUE(Read());
    EXPECT_EQ(box.Texts(), (Texts{"PROGRAM ERROR\nNOT EXIST REALINDEX"}));
    EXPECT_TRUE(reader.GetEmployeeCodes().empty());
}

TEST_F(ReaderTest, TitleLineWithoutCompanyFails)
{
    Put(17, Lines({"従業員(一覧表)", "", "コード", "001"}));
    EXPECT_FALSE(Read());
    EXPECT_TRUE(reader.GetEmployeeCodes().empty());
}

TEST_F(ReaderTest, LaterRowOfTheSameCodeWins)
{
    Put(0, Summary("1月度給与", {"001,a,100,10,1,1", "001,a,200,,2"}));
    PutEmployees("コード,氏名,住所", {"001,山田,東京都", "001,山田二"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001"}));
    EXPECT_EQ(reader.GetEmployeeValueView("001", "氏名"), "山田二");
    EXPECT_EQ(reader.GetEmployeeValueView("001", "住所"), "");  // the short row has no field there
    EXPECT_EQ(reader.GetPayValueView("001", 1, "課税支給合計"), "200");
    EXPECT_EQ(reader.GetPayValueView("001", 1, "社会保険料計"), "");
    EXPECT_EQ(reader.GetPayValueView("001", 1, "扶養人数"), "2");
    EXPECT_EQ(reader.GetPayValueView("001", 1, "所得税"), "");
}

TEST_F(ReaderTest, EveryPeriodHasItsOwnRow)
{
    // Months in another order than the slots: each row lands in its label's period.
    for (int month = 1; month <= 12; ++month) {
        const int label = (month * 5) % 12 + 1;
        Put(month - 1, Summary(std::to_string(label) + "月度給与",
                               {"001,a," + std::to_string(label * 100) + ",0,0," + std::to_string(label)}));
    }
    for (int bonus = 1; bonus <= 5; ++bonus)
        Put(11 + bonus, Summary("夏期賞与", {"001,a," + std::to_string(bonus * 1000) + ",0,0,0"}));
    PutEmployees("コード", {"001"});
    ASSERT_TRUE(Read());
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(reader.GetPayValueView("001", month, "課税支給合計"), std::to_string(month * 100));
        EXPECT_EQ(reader.GetPayValueView("001", month, "所得税"), std::to_string(month));
    }
    // The k-th bonus entry is period 13 + k whatever its label says.
    for (int bonus = 1; bonus <= 5; ++bonus)
        EXPECT_EQ(reader.GetPayValueView("001", 13 + bonus, "課税支給合計"), std::to_string(bonus * 1000));
    for (const int period : {0, 13, 19, -1})
        EXPECT_EQ(reader.GetPayValueView("001", period, "課税支給合計"), "") << period;
    EXPECT_EQ(reader.GetPayValueView("001", 13, "コード"), "");
}

struct LabelCase {
    const char* name;
    const char* label;
    int period;  // where the row lands; -1 when the file is skipped
};

class SalaryLabelTest : public ReaderTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(SalaryLabelTest, SalaryEntryTakesThePeriodOfItsLabel)
{
    Put(5, Summary(GetParam().label, {"001,a,777,0,0,0"}));
    PutEmployees("コード", {"001"});
    ASSERT_TRUE(Read());
    for (int period = 1; period <= 18; ++period) {
        EXPECT_EQ(reader.GetPayValueView("001", period, "課税支給合計"), period == GetParam().period ? "777" : "")
            << "period " << period;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SalaryLabelTest,
    ::testing::Values(LabelCase{"Exact", "4月度給与", 4}, LabelCase{"Quoted", "\"4月度給与\"", 4},
                      LabelCase{"SurroundedBySpaces", "  4月度給与  ", 4}, LabelCase{"Twelve", "12月度給与", 12},
                      LabelCase{"SummerBonus", "夏期賞与", 14}, LabelCase{"WinterBonus", "冬期賞与", 15},
                      // Labels that the salary file check accepts for a month are read as that month.
                      LabelCase{"TextAfterTheLabel", "4月度給与(追加)", 4}, LabelCase{"InnerSpace", "4 月度給与", 4},
                      LabelCase{"LeadingZero", "04月度給与", 4},
                      LabelCase{"FullWidthSpaceAfterTheNumber", "4　月度給与", 4},
                      LabelCase{"NoNumber", "平成月度給与", -1}, LabelCase{"MonthOutOfRange", "13月度給与", -1},
                      LabelCase{"OtherSummary", "年間集計", -1}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PeriodFromLabel, MatchesOnlyTheExactLabels)
{
    EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel("1月度給与"), 1);
    EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel("\"10月度給与\""), 10);
    EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel(" \t11月度給与\r\n"), 11);
    EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel("\"夏期\"賞与"), 14);
    EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel("冬期賞与"), 15);
    for (const char* label : {"04月度給与", "4 月度給与", "4月度給与分", "0月度給与", "13月度給与", "月度給与",
                              "+4月度給与", "１月度給与", "賞与", ""})
        EXPECT_EQ(CSormaKyuuyo::PeriodFromLabel(label), -1) << label;
}

TEST(RemoveQuotesAndCommas, RemovesOnlyQuotesAndCommas)
{
    EXPECT_EQ(CSormaKyuuyo::RemoveQuotesAndCommas("\"1,234,567\""), "1234567");
    EXPECT_EQ(CSormaKyuuyo::RemoveQuotesAndCommas(" １,２ 　"), " １２ 　");
    EXPECT_EQ(CSormaKyuuyo::RemoveQuotesAndCommas("表,能"), "表能");
}

TEST_F(ReaderTest, DepartmentsAndPayeesAreNumberedInCodeOrder)
{
    PutEmployees("コード,所属部門,住民税･納付先",
                 {"001,営業部,港区", "002,総務部,", "003,営業部,千代田区", "004,,港区"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetDepartmentCode("営業部"), "0001");
    EXPECT_EQ(reader.GetDepartmentCode("総務部"), "0002");
    EXPECT_EQ(reader.GetDepartmentCode("開発部"), "");
    EXPECT_EQ(reader.GetDepartmentCode(""), "");
    EXPECT_EQ(reader.GetPayeeCode("港区"), "001");
    EXPECT_EQ(reader.GetPayeeCode("千代田区"), "002");
}

TEST_F(ReaderTest, EmptyLinesCountInTheNumbering)
{
    // An empty line 2 is where it belongs; one more empty line moves the header to line 4.
    Put(0, Lines({"集計表,サンプル商事", "", "1月度給与", "", "", kPayHeader, "001,a,100,0,0,0"}));
    Put(1, Lines({"集計表,サンプル商事", "", "2月度給与", "", kPayHeader, "", "001,a,200,0,0,0"}));
    PutEmployees("コード", {"", "001"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001"}));
    EXPECT_EQ(reader.GetPayValueView("001", 1, "課税支給合計"), "");
    EXPECT_EQ(reader.GetPayValueView("001", 2, "課税支給合計"), "200");

    CSormaKyuuyo moved(messenger);
    const std::string list = dir.Write("moved.TXT", Lines({"従業員(一覧表),サンプル商事", "", "", "コード", "001"}));
    std::vector<std::string> only(kEntries);
    only[17] = list;
    EXPECT_FALSE(moved.Read(only, kEntries, items));  // the header became a data row
}

TEST_F(ReaderTest, LongLinesAreReadWhole)
{
    const std::string address(6000, 'x');
    // LF line ends, trailing white space and a last line without its line end.
    Put(17, "従業員(一覧表),サンプル商事\n\nコード,住所,氏名\n001," + address + ",山田 \t\n002,短い,佐藤");
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "002"}));
    EXPECT_EQ(reader.GetEmployeeValueView("001", "住所"), address);
    EXPECT_EQ(reader.GetEmployeeValueView("001", "氏名"), "山田");
    EXPECT_EQ(reader.GetEmployeeValueView("002", "氏名"), "佐藤");
}

TEST_F(ReaderTest, SecondEmployeeListAddsColumns)
{
    // A bonus slot may hold an employee list of the same company; its header
    // places other columns than the list that follows.
    Put(12, EmployeeList("住所,コード", {"東京都,001", "大阪府,003"}));
    PutEmployees("コード,氏名", {"001,山田", "002,佐藤"});
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetEmployeeCodes(), (Texts{"001", "003", "002"}));
    EXPECT_EQ(reader.GetEmployeeValueView("003", "住所"), "大阪府");
    EXPECT_EQ(reader.GetEmployeeValueView("003", "氏名"), "");
    EXPECT_EQ(reader.GetEmployeeValueView("002", "氏名"), "佐藤");
    // 住所 keeps its position 0 from the first header, so the later rows fill it with their code.
    EXPECT_EQ(reader.GetEmployeeValueView("001", "住所"), "001");
}

TEST_F(ReaderTest, PayRowsStoredBeforeMoreItemsWerePlacedKeepTheirValues)
{
    CSormaKyuuyo early(messenger);
    early.ParseHeader(PayKeyword(), kPayHeader);  // no correspondence yet: only コード is placed
    early.ReadPayRow("009,z,1,2,3,4", 3);
    early.ReadPayRow("009,z,1,2,3,4", 13);
    Put(3, Summary("4月度給与", {"009,z,400,40,4,44"}));
    ASSERT_TRUE(early.Read(paths, kEntries, items));
    EXPECT_EQ(early.GetPayValueView("009", 3, "コード"), "009");
    EXPECT_EQ(early.GetPayValueView("009", 3, "課税支給合計"), "");
    EXPECT_EQ(early.GetPayValueView("009", 13, "コード"), "009");
    EXPECT_EQ(early.GetPayValueView("009", 4, "課税支給合計"), "400");
    EXPECT_EQ(early.GetPayValueView("009", 4, "所得税"), "44");
}

TEST_F(ReaderTest, SummaryRowsBeforeAnyHeaderAreIgnored)
{
    reader.ReadPayRow("001,a,100,0,0,0", 1);
    Put(17, EmployeeList("コード", {"001"}));
    ASSERT_TRUE(Read());
    EXPECT_EQ(reader.GetPayValueView("001", 1, "コード"), "");
}

TEST_F(ReaderTest, ValuesStayValidWhileOtherEmployeesAreLookedUp)
{
    Texts rows;
    for (int i = 0; i < 8; ++i)
        rows.push_back("00" + std::to_string(i) + ",社員" + std::to_string(i));
    PutEmployees("コード,氏名", rows);
    Put(3, Summary("4月度給与", {"000,a,100,1,0,1", "001,b,200,2,0,2"}));
    ASSERT_TRUE(Read());
    std::vector<std::string_view> names;
    for (int i = 0; i < 8; ++i)
        names.push_back(reader.GetEmployeeValueView("00" + std::to_string(i), "氏名"));
    const std::string_view pay = reader.GetPayValueView("000", 4, "課税支給合計");
    const std::string_view tax = reader.GetPayValueView("001", 4, "所得税");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(names[static_cast<std::size_t>(i)], "社員" + std::to_string(i));
    EXPECT_EQ(pay, "100");
    EXPECT_EQ(tax, "2");
}

TEST_F(ReaderTest, LookupsByNumberAnswerLikeByNameAndStayValidForTheReadersLife)
{
    Texts rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(std::to_string(100 + i) + ",社員" + std::to_string(i));
    PutEmployees("コード,氏名", rows);
    Put(3, Summary("4月度給与", {"100,a,300,45,2,5", "139,b,\"1,200\",37,\"0\",4"}));
    Put(12, Summary("夏期賞与", {"100,a,900,90,2,50"}));
    ASSERT_TRUE(Read());

    std::vector<std::string_view> names;
    for (int i = 0; i < 40; ++i)
        names.push_back(reader.GetEmployeeValueView(std::to_string(100 + i), "氏名"));
    // By number against by name, for every period, known and unknown items and codes.
    const Texts payItems = {"コード", "課税支給合計", "社会保険料計", "扶養人数", "所得税", "基本給", "ない項目"};
    for (const std::string code : {"100", "139", "999"}) {
        for (int period = 0; period <= 19; ++period) {
            for (const auto& item : payItems)
                EXPECT_EQ(reader.GetPayValueView(code, period, reader.PayItemNumber(item)),
                          reader.GetPayValueView(code, period, item))
                    << code << " " << period;
        }
        for (const std::string column : {"コード", "氏名", "住所", "ない列"})
            EXPECT_EQ(reader.GetEmployeeValueView(code, reader.EmployeeColumnNumber(column)),
                      reader.GetEmployeeValueView(code, column));
    }
    EXPECT_EQ(reader.GetPayValueView("100", 4, "コード"), "100");
    EXPECT_EQ(reader.GetPayValueView("100", 5, "コード"), "");
    EXPECT_EQ(reader.GetPayValueView("100", 4, "基本給"), "");
    EXPECT_EQ(reader.GetPayValueView("139", 4, "課税支給合計"), "1200");
    EXPECT_EQ(reader.GetPayValueView("100", 14, "所得税"), "50");
    EXPECT_EQ(reader.PayItemNumber("ない項目"), -1);
    EXPECT_EQ(reader.GetPayValueView("100", 4, std::int32_t{-1}), "");
    EXPECT_EQ(reader.GetEmployeeValueView("100", std::int32_t{74}), "");
    // Far more than eight employees were looked up since: the views still hold.
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(names[static_cast<std::size_t>(i)], "社員" + std::to_string(i));
}

TEST_F(ReaderTest, LookupsSeeRowsReadAfterThem)
{
    reader.ParseHeader(EmployeeKeyword(), "コード,氏名");
    ASSERT_TRUE(reader.ReadEmployeeRow("001,山田"));
    EXPECT_EQ(reader.GetEmployeeValueView("001", "氏名"), "山田");
    ASSERT_TRUE(reader.ReadEmployeeRow("001,佐藤"));
    EXPECT_EQ(reader.GetEmployeeValueView("001", "氏名"), "佐藤");
}

TEST_F(ReaderTest, UnknownKeywordIsReported)
{
    reader.ParseHeader("賞与", "コード,氏名");
    EXPECT_EQ(box.Texts(), (Texts{"不正なキーワードを検出しました。"}));
}

}  // namespace
}  // namespace corvane
