#include <gtest/gtest.h>

#include <filesystem>

#include "items/CSormaItemCheck.h"
#include "preflight/FindingText.h"
#include "support/FakePlatform.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "job/JobMessages.h"
#include "job/JobSteps.h"

using corvane::CSormaItemCheck;
using corvane::MakeSummarySlots;
using corvane::SummarySlots;
using corvane::test::ReadFileBytes;
using corvane::test::RecordingMessageBox;
using corvane::test::TempDir;
namespace job = corvane::job;
namespace messages = corvane::job::messages;

namespace {

const std::string kHeadings = "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税";

std::string Summary(const std::string& label, const std::string& company = "サンプル商事",
                    const std::string& headings = kHeadings)
{
    return "集計表," + company + "\r\n\r\n" + label + "\r\n\r\n" + headings + "\r\n001,社員Ａ,300000,45000,2,5000\r\n";
}

// The wording of the fixed parts of the job's messages, written out here
// once; the other tests put the expected messages together from them.
TEST(JobMessages, FixedTextsAreWorded)
{
    EXPECT_EQ(messages::NotCorrectFile(), "選択されたファイルは正しいファイルではありません。\n");
    EXPECT_EQ(messages::ChooseEmployeeList(), "正しい従業員<一覧表>のエクスポートファイルを選択してください。");
    EXPECT_EQ(messages::ChooseSalarySummary(), "正しい給与の集計表のエクスポートファイルを選択してください。\n\n");
    EXPECT_EQ(messages::ChooseSummary(), "正しい集計表のエクスポートファイルを選択してください。\n\n");
    EXPECT_EQ(messages::ChooseBonusSummary(), "正しい賞与の集計表のエクスポートファイルを選択してください。\n\n");
    EXPECT_EQ(messages::NotASummarySection(), "[不正なファイル（集計表のファイルではない、関与先名が異なる場合等）]\n");
    EXPECT_EQ(messages::NotSalarySection(), "[給与データ以外のファイルが選択されている場合等]\n");
    EXPECT_EQ(messages::SameMonthSection(), "[同じ支給月のデータを重複して選択している場合等]\n");
    EXPECT_EQ(messages::NotSameConditionsSection(),
              "[不正なファイル（同一の条件で出力していない可能性があります。）]\n");
    EXPECT_EQ(messages::BonusNotASummarySection(),
              "[不正なファイル（集計表のファイルではない、関与先が異なる等の可能性があります。）]\n");
    EXPECT_EQ(messages::Utf8Note(),
              "選択されたファイルの文字コードはUTF-8です。エクスポートファイルはShift_JISで作成してください。\n");
    EXPECT_EQ(messages::Utf16Note(),
              "選択されたファイルの文字コードはUTF-16です。エクスポートファイルはShift_JISで作成してください。\n");
    EXPECT_EQ(messages::MissingFilesHead(), "以下のファイルが存在しません。\n\n");
    EXPECT_EQ(messages::MissingEmployeeListSection(), "[従業員ファイル]\n");
    EXPECT_EQ(messages::MissingSummariesSection(), "[給与・賞与ファイル]\n");
    EXPECT_EQ(messages::OutputIsAnExport(),
              "中間ファイルの保存先に、読み込むエクスポートファイルと同じファイルが指定されています。\n");
    EXPECT_EQ(messages::OutputIsTheSettings(),
              "中間ファイルの保存先に、設定ファイルと同じファイルが指定されています。\n");
    EXPECT_EQ(messages::ChooseAnotherOutput(), "別の保存先または名前を指定してください。\n\n");
    EXPECT_EQ(messages::SettingsIsAnExport(),
              "設定ファイルに、読み込むエクスポートファイルと同じファイルが指定されています。\n"
              "別の設定ファイルを指定してください。\n\n");
    EXPECT_EQ(messages::SettingsNotSaved(),
              "項目の対応を設定ファイルに保存できませんでした。\n中間ファイルは作成されています。\n\n");
    EXPECT_EQ(job::EmployeeListRefusedMessage(), messages::NotCorrectFile() + messages::ChooseEmployeeList());
    EXPECT_EQ(job::FilingYearRefusedMessage(),
              "正しい申告年度を指定してください。\n令和の年を1～98の数字で入力してください（令和6年なら6）。");
}

class JobSteps : public ::testing::Test {
protected:
    TempDir dir;
    std::string list =
        dir.Write("employees.txt", "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n002,社員Ｂ\r\n");
    RecordingMessageBox box;
    corvane::platform::Messenger messenger{box};
    SummarySlots slots = MakeSummarySlots();

    // The job of company サンプル商事 over `employeeList` and the slots.
    job::Job JobOf(const std::string& employeeList, const std::string& out, corvane::TransferMode mode, int functionId,
                   const std::string& year) const
    {
        job::Job job;
        job.employeeList = employeeList;
        job.slots = slots;
        job.outputPath = out;
        job.mode = mode;
        job.functionId = functionId;
        job.filingYear = year;
        job.companyName = "サンプル商事";
        return job;
    }
};

TEST_F(JobSteps, SlotsAreLabelledByMonthAndBonusNumber)
{
    EXPECT_EQ(slots[0].label, "給与 01月分");
    EXPECT_EQ(slots[11].label, "給与 12月分");
    EXPECT_EQ(slots[12].label, "賞与 01回分");
    EXPECT_EQ(slots[16].label, "賞与 05回分");
    for (const auto& slot : slots)
        EXPECT_EQ(slot.path, "");
}

TEST_F(JobSteps, SalaryFilesLandInTheMonthTheirLabelNames)
{
    const auto april = dir.Write("a.txt", Summary("4月度給与"));
    const auto january = dir.Write("z.txt", Summary("1月度給与"));
    slots[0].path = "chosen before";
    EXPECT_EQ(job::PlaceSalaryFiles(list, {january, april}, slots, messenger), "");
    EXPECT_EQ(slots[0].path, january);
    EXPECT_EQ(slots[3].path, april);
    // A later action replaces the month without a word.
    const auto april2 = dir.Write("b.txt", Summary("\"4月度給与\""));
    EXPECT_EQ(job::PlaceSalaryFiles(list, {april2}, slots, messenger), "");
    EXPECT_EQ(slots[3].path, april2);
    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(JobSteps, RefusedSalaryFilesAreListedBySectionInSortedOrder)
{
    const auto good = dir.Write("1-april.txt", Summary("4月度給与"));
    const auto mayA = dir.Write("2-may.txt", Summary("5月度給与"));
    const auto mayB = dir.Write("3-may.txt", Summary("05月度給与"));
    const auto bonus = dir.Write("4-bonus.txt", Summary("夏期賞与"));
    const auto other = dir.Write("5-other.txt", Summary("6月度給与", "別会社"));
    const auto mayC = dir.Write("6-may.txt", Summary("5 月度給与"));
    slots[4].path = "earlier May file";

    const auto message = job::PlaceSalaryFiles(list, {other, mayC, bonus, mayB, good, mayA}, slots, messenger);
    // Each refused file with what it is, on the line below it.
    EXPECT_EQ(message, messages::NotCorrectFile() + messages::ChooseSalarySummary() + messages::NotASummarySection() +
                           other + "\n　別の関与先（別会社）のファイルです。\n" + messages::NotSalarySection() + bonus +
                           "\n　3行目が「○月度給与」ではありません。\n" + messages::SameMonthSection() + "[05月]\n" +
                           mayA + "\n" + mayB + "\n" + mayC + "\n");
    // The good file is placed; the month chosen twice keeps its earlier file.
    EXPECT_EQ(slots[3].path, good);
    EXPECT_EQ(slots[4].path, "earlier May file");
    EXPECT_EQ(slots[5].path, "");

    // Two months chosen twice: each under its own heading, neither changed.
    const auto juneA = dir.Write("7-june.txt", Summary("6月度給与"));
    const auto juneB = dir.Write("8-june.txt", Summary("6月度給与"));
    EXPECT_EQ(job::PlaceSalaryFiles(list, {juneB, mayA, juneA, mayB}, slots, messenger),
              messages::NotCorrectFile() + messages::ChooseSalarySummary() + messages::SameMonthSection() + "[05月]\n" +
                  mayA + "\n" + mayB + "\n[06月]\n" + juneA + "\n" + juneB + "\n");
    EXPECT_EQ(slots[4].path, "earlier May file");
    EXPECT_EQ(slots[5].path, "");
}

TEST_F(JobSteps, SalaryConditionsAreComparedWithTheFirstChosenMonth)
{
    slots[2].path = dir.Write("m3.txt", Summary("3月度給与"));
    slots[5].path = dir.Write("m6.txt", Summary("6月度給与", "サンプル商事", kHeadings + ",基本給"));
    slots[7].path = dir.Write("m8.txt", Summary("8月度給与", "サンプル商事", kHeadings + "  "));
    slots[12].path = dir.Write("b1.txt", Summary("夏期賞与", "サンプル商事", "x"));
    EXPECT_EQ(job::CheckSalaryConditions(list, slots, messenger),
              messages::NotCorrectFile() + messages::ChooseSalarySummary() + messages::NotSameConditionsSection() +
                  slots[5].path + "\n");
    slots[5].path.clear();
    EXPECT_EQ(job::CheckSalaryConditions(list, slots, messenger), "");
}

TEST_F(JobSteps, AllConditionsCoverSalaryAndBonusSlots)
{
    slots[14].path = dir.Write("b3.txt", Summary("決算賞与"));
    slots[15].path = dir.Write("b4.txt", Summary("臨時賞与", "サンプル商事", "x"));
    EXPECT_EQ(job::ReferenceFile(slots), slots[14].path);
    const std::string expectedStart =
        messages::NotCorrectFile() + messages::ChooseBonusSummary() + messages::NotSameConditionsSection();
    EXPECT_EQ(job::CheckAllConditions(list, slots, messenger), expectedStart + slots[15].path + "\n");

    // A salary file comes first in slot order and sets the reference.
    slots[1].path = dir.Write("m2.txt", Summary("2月度給与", "サンプル商事", "x"));
    EXPECT_EQ(job::ReferenceFile(slots), slots[1].path);
    EXPECT_EQ(job::CheckAllConditions(list, slots, messenger), expectedStart + slots[14].path + "\n");
    slots[14].path.clear();
    EXPECT_EQ(job::CheckAllConditions(list, slots, messenger), "");
}

TEST_F(JobSteps, BonusFileOfAnotherCompanyIsRefused)
{
    EXPECT_TRUE(job::AcceptBonusFile(list, dir.Write("b.txt", Summary("夏期賞与")), slots, 12));
    EXPECT_FALSE(job::AcceptBonusFile(list, dir.Write("c.txt", Summary("夏期賞与", "別会社")), slots, 12));
    EXPECT_EQ(job::BonusFileRefusedMessage(),
              messages::NotCorrectFile() + messages::ChooseSummary() + messages::BonusNotASummarySection());
}

TEST_F(JobSteps, AFileGoesIntoOneSlotOnly)
{
    const auto summer = dir.Write("summer.txt", Summary("夏期賞与"));
    const auto april = dir.Write("april.txt", Summary("4月度給与"));
    slots[12].path = summer;
    // The same row may take its file again; another row may not, by any name.
    EXPECT_TRUE(job::AcceptBonusFile(list, summer, slots, 12));
    EXPECT_FALSE(job::AcceptBonusFile(list, summer, slots, 14));
    EXPECT_FALSE(job::AcceptBonusFile(list, dir.Path() + "/./summer.txt", slots, 14));

    // A salary month does not take a file that a bonus slot holds.
    slots[13].path = april;
    EXPECT_EQ(job::PlaceSalaryFiles(list, {april}, slots, messenger),
              messages::NotCorrectFile() + messages::ChooseSalarySummary() + messages::NotASummarySection() + april +
                  "\n　すでに賞与 2回目に選択されています。\n");
    EXPECT_EQ(slots[3].path, "");
    slots[13].path.clear();
    EXPECT_EQ(job::PlaceSalaryFiles(list, {april}, slots, messenger), "");
    EXPECT_EQ(slots[3].path, april);
    EXPECT_FALSE(job::AcceptBonusFile(list, april, slots, 13));
}

TEST_F(JobSteps, RefusedUnicodeFilesGetALineOnTheirCharacterCode)
{
    const std::string& utf8Note = messages::Utf8Note();
    const std::string& utf16Note = messages::Utf16Note();
    // 従業員(一覧表),サンプル商事 in UTF-8, with and without a byte-order mark.
    const std::string utf8Title =
        "\xE5\xBE\x93\xE6\xA5\xAD\xE5\x93\xA1(\xE4\xB8\x80\xE8\xA6\xA7\xE8\xA1\xA8),"
        "\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\xE5\x95\x86\xE4\xBA\x8B\r\n";
    const std::string refusedList = messages::NotCorrectFile() + messages::ChooseEmployeeList();
    const auto utf8 = dir.Write("utf8.txt", utf8Title + "\r\n");
    const auto utf16 = dir.Write("utf16.txt", std::string("\xFF\xFE"
                                                          "1\0,\0",
                                                          6));
    const auto cp932 = dir.Write("cp932.txt", Summary("4月度給与"));
    // The employee list's refusal names the file, with what it is when that tells more.
    EXPECT_EQ(job::EmployeeListRefusedMessage(utf8, messenger),
              messages::NotCorrectFile() + utf8Note + messages::ChooseEmployeeList() + "\n\n" + utf8 + "\n");
    EXPECT_EQ(job::EmployeeListRefusedMessage(cp932, messenger),
              refusedList + "\n\n" + cp932 + "\n　このファイルは給与の集計表です。\n");
    // The bonus refusal names its file after the section line.
    EXPECT_EQ(job::BonusFileRefusedMessage({utf16, 12}, list, slots, messenger),
              messages::NotCorrectFile() + utf16Note +
                  job::BonusFileRefusedMessage().substr(refusedList.find('\n') + 1) + utf16 +
                  "\n　エクスポートファイルではありません。\n");
    EXPECT_EQ(job::BonusFileRefusedMessage({cp932, 12}, list, slots, messenger),
              job::BonusFileRefusedMessage() + cp932 + "\n　このファイルは給与の集計表です。\n");

    // Among several refused files, the first Unicode one gives the line.
    EXPECT_EQ(job::PlaceSalaryFiles(list, {cp932, utf16, utf8}, slots, messenger),
              messages::NotCorrectFile() + utf16Note + messages::ChooseSalarySummary() +
                  messages::NotASummarySection() + utf16 + "\n　エクスポートファイルではありません。\n" + utf8 + "\n");
    slots[0].path = utf8;
    EXPECT_NE(job::CheckAllConditions(list, slots, messenger).find(utf8Note), std::string::npos);
}

TEST_F(JobSteps, MissingFilesAreReportedWithTheirSlotLabels)
{
    auto exists = [](const std::string& path) { return path.find("gone") == std::string::npos; };
    slots[3].path = "/data/kyuyo04.txt";
    EXPECT_EQ(job::MissingFilesMessage("/data/list.txt", slots, exists, messenger), "");
    slots[3].path = "/data/gone04.txt";
    slots[13].path = "/data/gone-b2.txt";
    EXPECT_EQ(job::MissingFilesMessage("/data/gone-list.txt", slots, exists, messenger),
              messages::MissingFilesHead() + messages::MissingEmployeeListSection() + "/data/gone-list.txt\n" +
                  messages::MissingSummariesSection() +
                  "(給与 04月分)/data/gone04.txt\n(賞与 02回分)/data/gone-b2.txt\n");
}

struct YearCase {
    std::string text;
    bool valid;
};

void PrintTo(const YearCase& c, std::ostream* os)
{
    *os << (c.valid ? "valid" : "refused");
}

class FilingYear : public ::testing::TestWithParam<YearCase> {};

TEST_P(FilingYear, LeadingNumberFromOneTo98)
{
    EXPECT_EQ(job::IsValidFilingYear(GetParam().text), GetParam().valid) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, FilingYear,
                         ::testing::Values(YearCase{"26", true}, YearCase{"1", true}, YearCase{"98", true},
                                           YearCase{"26年", true}, YearCase{" 26", true}, YearCase{"0", false},
                                           YearCase{"99", false}, YearCase{"", false}, YearCase{"abc", false},
                                           YearCase{"-5", false},
                                           // Numbers too long for 32 bits must not wrap into the range.
                                           YearCase{"4294967322", false}, YearCase{"99999999999999999999999", false}));

TEST(DefaultFilingYear, IsTheYearOfTheEraOfTheLocalDate)
{
    EXPECT_EQ(job::DefaultFilingYear({2014, 6, 1}), "26");
    EXPECT_EQ(job::DefaultFilingYear({2019, 4, 30}), "31");
    EXPECT_EQ(job::DefaultFilingYear({2019, 5, 1}), "1");
    EXPECT_EQ(job::DefaultFilingYear({2020, 1, 1}), "2");
    EXPECT_EQ(job::DefaultFilingYear({2026, 1, 5}), "8");
    // Full-width digits typed with the IME on are the same number.
    EXPECT_EQ(job::HalfWidthDigits("６"), "6");
    EXPECT_EQ(job::HalfWidthDigits(" ２６年"), " 26年");
    EXPECT_EQ(job::HalfWidthDigits("表６"), "表6");
}

TEST_F(JobSteps, SuccessfulConversionStoresTheCompanyLine)
{
    CSormaItemCheck items(dir.Write("Corvane.ENV",
                                    "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n"
                                    "別会社,基本給,3,,-1,,-1,,-1\r\n"));
    items.LoadSettings();
    slots[3].path = dir.Write("m4.txt", Summary("4月度給与"));
    items.Entries()[0].chosenPayrollItem = "課税支給合計";
    items.Entries()[0].chosenPosition = 2;
    items.Entries()[3].chosenPayrollItem = "所得税";
    items.Entries()[3].chosenPosition = 5;
    const auto out = dir.File("out.XML");
    const auto outcome = job::RunConversion(JobOf(list, out, corvane::TransferMode::Normal, 3, "6"), items, messenger);
    EXPECT_TRUE(outcome.converted);
    EXPECT_EQ(outcome.settingsError, corvane::fileio::WriteError::None);
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(ReadFileBytes(items.SettingsPath()),
              "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n"
              "別会社,基本給,3,,-1,,-1,,-1\r\n"
              "サンプル商事,課税支給合計,2,,-1,,-1,所得税,5\r\n");
    const auto xml = ReadFileBytes(out);
    EXPECT_NE(xml.find("<FUNCTIONID>3</FUNCTIONID>"), std::string::npos);
    EXPECT_NE(xml.find("<MODE>NORMAL</MODE>"), std::string::npos);
    EXPECT_NE(xml.find("<SOUSIKYUUGAKU>300000</SOUSIKYUUGAKU>"), std::string::npos);
    EXPECT_NE(xml.find("<SANSYUTUZEIGAKU>5000</SANSYUTUZEIGAKU>"), std::string::npos);
    EXPECT_EQ(xml.find("<HOKENKOUJOGAKU>45000</HOKENKOUJOGAKU>"), std::string::npos);
}

TEST_F(JobSteps, FailedConversionLeavesTheSettingsFile)
{
    const std::string settings = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n古い行,a,1\r\n";
    CSormaItemCheck items(dir.Write("Corvane.ENV", settings));
    items.LoadSettings();
    const auto empty = dir.Write("empty-list.txt", "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n");
    const auto outcome =
        job::RunConversion(JobOf(empty, dir.File("out.XML"), corvane::TransferMode::Easy, 1, "6"), items, messenger);
    EXPECT_FALSE(outcome.converted);
    EXPECT_EQ(ReadFileBytes(items.SettingsPath()), settings);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML")));
    // The list without employees is named, once.
    ASSERT_EQ(box.Texts().size(), 1u);
    EXPECT_NE(box.Texts()[0].find(empty), std::string::npos);
}

TEST_F(JobSteps, ConversionWithoutSummaryFilesKeepsTheCompanyLine)
{
    const std::string settings =
        "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n"
        "サンプル商事,基本給,3,,-1,,-1,,-1\r\n";
    CSormaItemCheck items(dir.Write("Corvane.ENV", settings));
    items.LoadSettings();
    const auto outcome =
        job::RunConversion(JobOf(list, dir.File("out.XML"), corvane::TransferMode::Normal, 3, "8"), items, messenger);
    EXPECT_TRUE(outcome.converted);
    EXPECT_EQ(ReadFileBytes(items.SettingsPath()), settings);
    ASSERT_NE(items.StoredLineFor("サンプル商事"), nullptr);
    EXPECT_EQ((*items.StoredLineFor("サンプル商事"))[1], "基本給");
}

TEST_F(JobSteps, EasyModeAndTheCompletionMessageFollowTheModeAndFunctionId)
{
    CSormaItemCheck items(dir.File("Corvane.ENV"));
    const auto out = dir.File("out.XML");
    ASSERT_TRUE(job::RunConversion(JobOf(list, out, corvane::TransferMode::Easy, 1, "6"), items, messenger).converted);
    EXPECT_NE(ReadFileBytes(out).find("<MODE>EASY</MODE>"), std::string::npos);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{corvane::ConversionCompletedMessage()});
}

}  // namespace

namespace {

// The findings box carries the question and every finding's text, offers no
// check list until a caller gives the hook, and only はい goes on.
TEST(ConfirmFindings, AsksInTheFindingsBoxAndGoesOnOnlyOnYes)
{
    corvane::test::FakePlatform fake;
    const corvane::platform::Messenger messenger(fake);
    EXPECT_TRUE(job::ConfirmFindings({}, messenger));
    EXPECT_TRUE(fake.Messages().empty());

    std::vector<corvane::preflight::Finding> findings(2);
    findings[0].file = "s04.txt";
    findings[0].text = "12345 山田 太郎";
    findings[1].kind = corvane::preflight::FindingKind::NoFigures;
    findings[1].text = "00777 佐藤 花子";
    const std::string details =
        corvane::preflight::FindingDetails(findings, [](const std::string& path) { return path; });

    fake.QueueFindingsPresses({corvane::test::FakePlatform::FindingsPress::Copy});
    fake.QueueAnswer(corvane::platform::Answer::No);
    EXPECT_FALSE(job::ConfirmFindings(findings, messenger));
    fake.QueueAnswer(corvane::platform::Answer::Yes);
    EXPECT_TRUE(job::ConfirmFindings(findings, messenger));

    ASSERT_EQ(fake.Messages().size(), 2u);
    const auto& box = fake.Messages()[0];
    EXPECT_TRUE(box.findingsBox);
    EXPECT_FALSE(box.offersChecklist);
    EXPECT_EQ(box.caption, corvane::platform::AppTitle());
    EXPECT_EQ(box.text, corvane::preflight::ProceedQuestion(findings));
    EXPECT_EQ(box.details, details);
    EXPECT_NE(box.details.find("00777 佐藤 花子"), std::string::npos);
    EXPECT_EQ(fake.Copies(), std::vector<std::string>{details});
    EXPECT_TRUE(fake.Errors().empty()) << ::testing::PrintToString(fake.Errors());
}

}  // namespace
