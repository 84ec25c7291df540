#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include "convert/Convert.h"
#include "convert/StreamMessageBox.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "engine/WriteFailureMessage.h"
#include "support/GoldenFile.h"
#include "fileio/FileStatus.h"
#include "job/JobMessages.h"
#include "job/JobSteps.h"
#include "platform/TextCodec.h"
#include "preflight/FindingText.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "support/TempDir.h"
#include "text/Format.h"

namespace convert = corvane::convert;
namespace job = corvane::job;
namespace messages = corvane::job::messages;
using corvane::ConversionCompletedMessage;
using corvane::test::ReadFileBytes;
using corvane::test::SameDocument;
using corvane::test::TempDir;

namespace {

const std::string kSettingsHeader = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額\r\n";

class FixedSystem final : public corvane::platform::SystemService {
public:
    explicit FixedSystem(std::string executable) : m_executable(std::move(executable)) {}
    std::string ExecutablePath() const override { return m_executable; }
    bool FileExists(const std::string& path) const override { return corvane::fileio::FileExists(path); }
    std::optional<std::string> VolumeLabel(const std::string&) const override { return std::nullopt; }
    corvane::platform::LocalDate Today() const override { return today; }
    std::string CommandLine() const override { return std::string(); }

    corvane::platform::LocalDate today{2014, 6, 1};

private:
    std::string m_executable;
};

std::string Utf8(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToUtf8(text);
}

// A text as the system passes it in an argument: UTF-8 on Linux, the ANSI
// code page (932) on Windows.
std::string Arg(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToPath(text);
}

class Convert : public ::testing::Test {
protected:
    Convert()
    {
        // Ten employees hold every employment status and every tax table: the
        // sample generator's files, stored, so that a change to the generator
        // leaves the expected document alone (tests/data/README.md).
        std::filesystem::create_directory(exports);
        for (const auto& entry :
             std::filesystem::directory_iterator(corvane::test::TestDataPath("convert/sample-10"))) {
            if (entry.path().extension() == ".txt")
                std::filesystem::copy_file(entry.path(), exports + "/" + entry.path().filename().string());
        }
    }

    std::string Export(const std::string& name) const { return exports + "/" + name; }

    // The arguments of a whole sample job.
    std::vector<std::string> SampleJob() const
    {
        std::vector<std::string> args = {"--employees", Export("employees.txt"), "--out", out, "--settings", settings};
        for (int month = 1; month <= 12; ++month) {
            args.push_back("--salary");
            args.push_back(Export(corvane::text::Format("salary-%02d.txt", month)));
        }
        for (const char* bonus : {"bonus-1.txt", "bonus-2.txt"}) {
            args.push_back("--bonus");
            args.push_back(Export(bonus));
        }
        return args;
    }

    int Run(std::vector<std::string> args, std::initializer_list<std::string> more = {})
    {
        args.insert(args.end(), more);
        stdoutText.str("");
        stderrText.str("");
        return convert::RunConvert(args, stdoutText, stderrText,
                                   convert::Environment{system, corvane::platform::SystemTextCodec()});
    }

    std::string Err() const { return stderrText.str(); }
    std::string OutputXml() const { return ReadFileBytes(out); }
    bool Written() const { return std::filesystem::exists(out); }

    TempDir dir;
    std::string exports = dir.File("exports");
    std::string out = dir.File("out.XML");
    std::string settings = dir.File("Corvane.ENV");
    FixedSystem system{dir.File("bin/corvane-convert")};
    std::ostringstream stdoutText;
    std::ostringstream stderrText;
};

TEST_F(Convert, SampleJobGivesTheExpectedDocumentAndRemembersTheColumns)
{
    ASSERT_EQ(Run(SampleJob(), {"--year", "6"}), 0) << Err();
    EXPECT_EQ(stdoutText.str(), Utf8(ConversionCompletedMessage()) + "\n");
    EXPECT_EQ(Err(), "");
    EXPECT_TRUE(SameDocument("convert/sample-10/expected.XML", OutputXml()));
    // The columns were found by their unique headings and are kept for the company.
    EXPECT_EQ(ReadFileBytes(settings),
              kSettingsHeader + "サンプル商事株式会社,課税支給合計,46,社会保険料計,72,扶養人数,93,所得税,65\r\n");
}

TEST_F(Convert, ExecutableWritesTheSameDocument)
{
#ifdef _WIN32
    GTEST_SKIP() << "runs the executable through a POSIX shell; scripts/windows.sh compares corvane-convert.exe's "
                    "output with the Linux build's";
#endif
    std::string command = "'" CORVANE_CONVERT_EXE "'";
    for (const auto& arg : SampleJob())
        command += " '" + arg + "'";
    command += " --year 6 >'" + dir.File("stdout.txt") + "' 2>'" + dir.File("stderr.txt") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFileBytes(dir.File("stderr.txt"));
    EXPECT_EQ(ReadFileBytes(dir.File("stdout.txt")), Utf8(ConversionCompletedMessage()) + "\n");
    EXPECT_EQ(ReadFileBytes(dir.File("stderr.txt")), "");
    EXPECT_TRUE(SameDocument("convert/sample-10/expected.XML", OutputXml()));
}

TEST_F(Convert, DefaultsAreTheLocalYearAndTheSettingsNextToTheProgram)
{
    std::filesystem::create_directory(dir.File("bin"));
    auto args = SampleJob();
    args.resize(4);  // --employees and --out only
    // A summary whose title line names no year (年分) leaves today's.
    std::string bytes = ReadFileBytes(Export("salary-01.txt"));
    bytes.erase(bytes.find(",令和 6年分"), std::string(",令和 6年分").size());
    const std::string yearless = dir.Write("yearless.txt", bytes);
    ASSERT_EQ(Run(args, {"--mode", "easy", "--salary", yearless}), 0) << Err();
    const auto xml = OutputXml();
    EXPECT_NE(xml.find("<SINKOKUNENDO>26</SINKOKUNENDO>"), std::string::npos);
    EXPECT_NE(xml.find("<MODE>EASY</MODE>"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.File("bin/Corvane.ENV")));
    // The year of the current era: 令和 8 in 2026.
    system.today = {2026, 3, 31};
    ASSERT_EQ(Run(args), 0) << Err();
    EXPECT_NE(OutputXml().find("<SINKOKUNENDO>8</SINKOKUNENDO>"), std::string::npos);
}

TEST_F(Convert, InJanuaryTheDefaultYearIsTheExportsYear)
{
    // 15 January 2027: the exports are 令和 6年分 and today's era year is 9.
    system.today = {2027, 1, 15};
    ASSERT_EQ(Run(SampleJob()), 0) << Err();
    EXPECT_NE(OutputXml().find("<SINKOKUNENDO>6</SINKOKUNENDO>"), std::string::npos);
    EXPECT_EQ(Err(), "");
    // Full-width digits are the same year, written half-width.
    ASSERT_EQ(Run(SampleJob(), {"--year", Arg("６")}), 0) << Err();
    EXPECT_NE(OutputXml().find("<SINKOKUNENDO>6</SINKOKUNENDO>"), std::string::npos);
    EXPECT_EQ(Err(), "");
    // A year typed other than the exports' is written, with a warning.
    ASSERT_EQ(Run(SampleJob(), {"--year", "9"}), 0) << Err();
    EXPECT_NE(
        Err().find(Utf8("【要修正】" + corvane::preflight::KindTitle(corvane::preflight::FindingKind::FilingYear))),
        std::string::npos)
        << Err();
    // The employee list alone keeps today's.
    auto args = SampleJob();
    args.resize(6);
    ASSERT_EQ(Run(args), 0) << Err();
    EXPECT_NE(OutputXml().find("<SINKOKUNENDO>9</SINKOKUNENDO>"), std::string::npos);
}

TEST_F(Convert, StoredColumnsOfTheCompanyAreUsed)
{
    dir.Write("Corvane.ENV",
              kSettingsHeader + "サンプル商事株式会社,基本給,21,社会保険料計,72,扶養人数,93,所得税,65\r\n");
    ASSERT_EQ(Run(SampleJob(), {"--year", "6"}), 0) << Err();
    // Employee 1002's April base salary instead of the taxable total.
    const auto xml = OutputXml();
    const auto employee = xml.find("<SYAIN CODE=\"1002\"");
    const auto april = xml.find("<KYUUYO KUBUN=\"4\">", employee);
    EXPECT_EQ(xml.substr(april, 80).find("<SOUSIKYUUGAKU>380000</SOUSIKYUUGAKU>"), 36u) << xml.substr(april, 80);
}

TEST_F(Convert, ItemChoicesOverrideAndClearEntries)
{
    ASSERT_EQ(Run(SampleJob(), {"--year", "6", "--item", "1=" + Arg("基本給"), "--item", "4=", "--allow-unmapped"}), 0)
        << Err();
    EXPECT_EQ(ReadFileBytes(settings),
              kSettingsHeader + "サンプル商事株式会社,基本給,21,社会保険料計,72,扶養人数,93,,-1\r\n");
    const auto xml = OutputXml();
    EXPECT_EQ(xml.find("<SANSYUTUZEIGAKU>"), std::string::npos);
    EXPECT_NE(xml.find("<SOUSIKYUUGAKU>380000</SOUSIKYUUGAKU>"), std::string::npos);
}

TEST_F(Convert, EntryWithoutAColumnIsRefusedUnlessAllowed)
{
    EXPECT_EQ(Run(SampleJob(), {"--item", "4=", "--item", "2="}), 1);
    EXPECT_EQ(Err(), Utf8("未選択の項目が存在します。未選択の項目は正しく連動されません。\n\n"
                          "社会保険料等の控除額\n算出税額\n\n"
                          "--item で項目を指定するか、--allow-unmapped を指定してください。\n"));
    EXPECT_FALSE(Written());
    EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST_F(Convert, HeadingThatIsNotThereIsNamed)
{
    // The code column (position 0) is never offered.
    for (const std::string heading : {"存在しない項目", "コード"}) {
        EXPECT_EQ(Run(SampleJob(), {"--item", "3=" + Arg(heading)}), 1);
        EXPECT_EQ(Err(), Utf8("指定された項目「" + heading + "」は、集計表の項目にありません。\n\n") +
                             Export("salary-01.txt") + "\n");
        EXPECT_FALSE(Written());
    }
}

TEST_F(Convert, RefusalsShowThePageMessageAndWriteNothing)
{
    const std::string& notCorrect = messages::NotCorrectFile();
    dir.Write("other.txt", "賞与集計表,別会社\r\n\r\n夏期賞与\r\n\r\nx\r\n");
    dir.Write("Corvane.ENV", kSettingsHeader + "古い行,a,1\r\n");
    dir.Write("out.XML", "existing");
    const auto settingsBefore = ReadFileBytes(settings);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const auto base = SampleJob();
    auto with = [&](std::initializer_list<std::string> extra) {
        auto a = base;
        a.insert(a.end(), extra);
        return a;
    };
    auto job = std::vector<std::string>{"--employees", Export("employees.txt"), "--out", out, "--settings", settings};
    auto jobWith = [&](std::initializer_list<std::string> extra) {
        auto a = job;
        a.insert(a.end(), extra);
        return a;
    };
    // The bonus refusal names the refused file and what it is.
    const auto bonusRefused = [](const std::string& path, const std::string& what) {
        return job::BonusFileRefusedMessage() + path + "\n　" + what + "\n\n";
    };
    // The employee list saved as UTF-8 by an editor.
    const auto utf8List = dir.Write("utf8.txt", Utf8(ReadFileBytes(Export("employees.txt"))));
    const std::vector<Case> cases = {
        {{"--employees", Export("salary-01.txt"), "--out", out, "--settings", settings},
         job::EmployeeListRefusedMessage() + "\n\n" + Export("salary-01.txt") +
             "\n　このファイルは給与の集計表です。\n\n"},
        {jobWith({"--salary", Export("bonus-1.txt"), "--salary", dir.File("other.txt")}),
         notCorrect + messages::ChooseSalarySummary() + messages::NotASummarySection() + dir.File("other.txt") +
             "\n　別の関与先（別会社）のファイルです。\n" + messages::NotSalarySection() + Export("bonus-1.txt") +
             "\n　このファイルは賞与の集計表です。\n\n"},
        {jobWith({"--salary", Export("salary-04.txt"), "--salary", Export("salary-04.txt")}),
         notCorrect + messages::ChooseSalarySummary() + messages::SameMonthSection() + "[04月]\n" +
             Export("salary-04.txt") + "\n" + Export("salary-04.txt") + "\n\n"},
        {jobWith({"--bonus", Export("bonus-1.txt"), "--bonus", dir.File("other.txt")}),
         bonusRefused(dir.File("other.txt"), "別の関与先（別会社）のファイルです。")},
        // A bonus slot takes neither a salary summary nor a file that another slot holds.
        {jobWith({"--bonus", Export("salary-04.txt")}),
         bonusRefused(Export("salary-04.txt"), "このファイルは給与の集計表です。")},
        {jobWith({"--bonus", Export("bonus-1.txt"), "--bonus", exports + "/./bonus-1.txt"}),
         bonusRefused(exports + "/./bonus-1.txt", "すでに賞与 1回目に選択されています。")},
        {{"--employees", utf8List, "--out", out, "--settings", settings},
         notCorrect + messages::Utf8Note() + messages::ChooseEmployeeList() + "\n\n" + utf8List + "\n\n"},
        {with({"--year", "99"}), job::FilingYearRefusedMessage() + "\n"},
        {with({"--year", "4294967302"}), job::FilingYearRefusedMessage() + "\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), 1);
        EXPECT_EQ(Err(), Utf8(c.message));
        EXPECT_EQ(stdoutText.str(), "");
        EXPECT_EQ(ReadFileBytes(out), "existing");
        EXPECT_EQ(ReadFileBytes(settings), settingsBefore);
    }
}

TEST_F(Convert, SummaryFilesOfOtherConditionsAreListed)
{
    // The same bonus export with another heading line.
    auto bytes = ReadFileBytes(Export("bonus-2.txt"));
    const auto heading = bytes.find("コード,行項目名");
    bytes.insert(heading + std::string("コード").size(), " ");
    const auto odd = dir.Write("odd-bonus.txt", bytes);
    auto args = SampleJob();
    args.back() = odd;
    EXPECT_EQ(Run(args, {"--year", "6"}), 1);
    EXPECT_EQ(Err(),
              Utf8(messages::NotCorrectFile() + messages::ChooseBonusSummary() + messages::NotSameConditionsSection()) +
                  odd + "\n\n");
    EXPECT_FALSE(Written());
}

TEST_F(Convert, WriteFailureNamesTheOutputAndLeavesTheSettings)
{
    dir.Write("Corvane.ENV", kSettingsHeader + "古い行,a,1\r\n");
    const auto before = ReadFileBytes(settings);
    auto args = SampleJob();
    args[3] = dir.File("missing-folder/out.XML");
    EXPECT_EQ(Run(args, {"--year", "6"}), 1);
    EXPECT_NE(Err().find(args[3]), std::string::npos) << Err();
    EXPECT_EQ(Err(), Utf8(corvane::WriteFailureMessage(corvane::fileio::WriteError::Create, args[3])) + "\n");
    EXPECT_EQ(stdoutText.str(), "");
    EXPECT_EQ(ReadFileBytes(settings), before);
}

TEST_F(Convert, EmployeeListWithoutRowsIsNamed)
{
    const auto list = dir.Write("list.txt", "従業員(一覧表),サンプル商事株式会社\r\n\r\nコード,氏名\r\n");
    dir.Write("out.XML", "existing");
    EXPECT_EQ(Run({"--employees", list, "--out", out, "--settings", settings}), 1);
    EXPECT_EQ(Err(), Utf8(corvane::CSormaKyuuyo::NoEmployeesMessage()) + list + "\n");
    EXPECT_EQ(ReadFileBytes(out), "existing");
    EXPECT_FALSE(std::filesystem::exists(settings));
}

// A small job whose April salary file lost the quotes around one amount.
class ConvertFindings : public Convert {
protected:
    ConvertFindings()
    {
        employees = dir.Write("list.txt",
                              "従業員(一覧表),テスト商事\r\n\r\n"
                              "コード,氏名\r\n0001,山田太郎\r\n0002,佐藤花子\r\n");
        salary = dir.Write("april.txt",
                           "集計表,テスト商事\r\n\r\n4月度給与\r\n\r\n"
                           "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税\r\n"
                           "0001,山田太郎,300,000,45000,2,5000\r\n"
                           "0002,佐藤花子,250000,37000,0,4000\r\n");
    }

    std::vector<std::string> Job() const
    {
        return {"--employees", employees, "--salary", salary, "--out", out, "--settings", settings, "--year", "8"};
    }

    std::string employees;
    std::string salary;
};

TEST_F(ConvertFindings, FindingsAreWarningsByLevelUnlessStrictRefuses)
{
    ASSERT_EQ(Run(Job()), 0) << Err();
    // One warning for the level, naming the file, the row's employee and what he gets.
    const std::string warning = Err();
    EXPECT_TRUE(warning.starts_with(Utf8("警告: 要修正 1人\n\n【要修正】" +
                                         corvane::preflight::KindTitle(corvane::preflight::FindingKind::FieldCount))))
        << warning;
    EXPECT_NE(warning.find(salary + Utf8("（6行目）")), std::string::npos) << warning;
    EXPECT_NE(
        warning.find(Utf8("  0001 山田太郎（6行目）：山田太郎の4月の給与の金額がずれて読まれる（総支給金額 300円")),
        std::string::npos)
        << warning;
    EXPECT_EQ(warning.find(Utf8("要確認")), std::string::npos) << warning;
    // The last word is not the clean run's.
    EXPECT_EQ(stdoutText.str(), Utf8("中間ファイルを作成しました。確認事項があります（要修正 1人）。") + "\n");
    EXPECT_TRUE(Written());

    std::filesystem::remove(out);
    std::filesystem::remove(settings);
    EXPECT_EQ(Run(Job(), {"--strict"}), 1);
    EXPECT_EQ(Err(), warning + Utf8("--strict が指定されているため、要修正の確認事項があるエクスポートファイルからは"
                                    "中間ファイルを作成しません。\n"));
    EXPECT_EQ(stdoutText.str(), "");
    EXPECT_FALSE(Written());
    EXPECT_FALSE(std::filesystem::exists(settings));

    // A clean job passes --strict-all without a word on stderr.
    std::string quoted = ReadFileBytes(salary);
    quoted.replace(quoted.find("300,000"), 7, "\"300,000\"");
    dir.Write("april.txt", quoted);
    EXPECT_EQ(Run(Job(), {"--strict-all"}), 0);
    EXPECT_EQ(Err(), "");
    EXPECT_EQ(stdoutText.str(), Utf8(ConversionCompletedMessage()) + "\n");
    EXPECT_TRUE(Written());

    // An employee without figures may be right: --strict lets it through, --strict-all does not.
    dir.Write("list.txt", ReadFileBytes(employees) + "0003,鈴木一郎\r\n");
    std::filesystem::remove(out);
    EXPECT_EQ(Run(Job(), {"--strict"}), 0) << Err();
    EXPECT_TRUE(Err().starts_with(Utf8("警告: 要確認 1人\n"))) << Err();
    EXPECT_EQ(stdoutText.str(), Utf8("中間ファイルを作成しました。確認事項があります（要確認 1人）。") + "\n");
    std::filesystem::remove(out);
    EXPECT_EQ(Run(Job(), {"--strict-all"}), 1);
    EXPECT_NE(Err().find(Utf8("--strict-all が指定されているため、確認事項があるエクスポートファイルからは"
                              "中間ファイルを作成しません。")),
              std::string::npos)
        << Err();
    EXPECT_FALSE(Written());
}

TEST_F(ConvertFindings, AWarningListsTwentyEmployeesAndTheReportAll)
{
    // Thirty employees whose April rows each lost the quotes around an amount.
    std::string list = "従業員(一覧表),テスト商事\r\n\r\nコード,氏名\r\n";
    std::string april =
        "集計表,テスト商事\r\n\r\n4月度給与\r\n\r\n"
        "コード,行項目名,課税支給合計,社会保険料計,扶養人数,所得税\r\n";
    for (int i = 1; i <= 30; ++i) {
        const std::string code = corvane::text::Format("%04d", i);
        list += code + ",社員" + std::to_string(i) + "\r\n";
        april += code + ",社員" + std::to_string(i) + ",300,000,45000,2,5000\r\n";
    }
    dir.Write("list.txt", list);
    dir.Write("april.txt", april);
    const std::string report = dir.File("report.csv");
    ASSERT_EQ(Run(Job(), {"--report", report}), 0) << Err();
    EXPECT_NE(Err().find(Utf8("  0020 社員20（25行目）")), std::string::npos) << Err();
    EXPECT_EQ(Err().find(Utf8("  0021 社員21")), std::string::npos) << Err();
    EXPECT_NE(Err().find(Utf8("  ほか10人（--report に全員）\n")), std::string::npos) << Err();
    EXPECT_NE(ReadFileBytes(report).find(",0030,社員30,"), std::string::npos);
}

TEST_F(ConvertFindings, TheReportListsEmployeesSumsAndFindings)
{
    const std::string report = dir.File("report.csv");
    ASSERT_EQ(Run(Job(), {"--report", report}), 0) << Err();
    const std::string csv = ReadFileBytes(report);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n\r\n") + 4),
              "照合表\r\n会社名,テスト商事\r\n年分,\r\n申告年度,8\r\n作成日,2014/06/01\r\n\r\n");
    EXPECT_NE(csv.find("コード,氏名,給与の月,賞与の回,総支給金額（給与）,社会保険料等の控除額（給与）,算出税額（給与）,"
                       "総支給金額（賞与）,社会保険料等の控除額（賞与）,算出税額（賞与）\r\n"
                       "0001,山田太郎,4,,300,0,2,0,0,0\r\n"
                       "0002,佐藤花子,4,,250000,37000,4000,0,0,0\r\n"
                       "合計,2人,,,250300,37000,4002,0,0,0\r\n"
                       "\r\n"
                       "区分,確認事項,ファイル,行,列,従業員コード,氏名,値,出力\r\n" +
                       ("要修正," + corvane::preflight::KindTitle(corvane::preflight::FindingKind::FieldCount) + ",") +
                       salary +
                       ",6,,0001,山田太郎,,\"山田太郎の4月の給与の金額がずれて読まれる（総支給金額 300円、"
                       "社会保険料等の控除額 0円、扶養親族等の数 45,000円、算出税額 2円になる）\"\r\n"),
              std::string::npos)
        << csv;
    // A report in the place of the output, the settings or an export is refused before anything is read.
    for (const std::string& taken : {out, settings, salary}) {
        const std::string before = std::filesystem::exists(taken) ? ReadFileBytes(taken) : std::string();
        EXPECT_EQ(Run(Job(), {"--report", taken}), 2) << taken;
        EXPECT_NE(Err().find(Utf8("照合表の保存先に")), std::string::npos) << Err();
        EXPECT_EQ(std::filesystem::exists(taken) ? ReadFileBytes(taken) : std::string(), before);
    }
    // So is a check list there, or on the report.
    for (const std::string& taken : {out, settings, salary, report}) {
        const std::string before = std::filesystem::exists(taken) ? ReadFileBytes(taken) : std::string();
        EXPECT_EQ(Run(Job(), {"--report", report, "--checklist", taken}), 2) << taken;
        EXPECT_NE(Err().find(Utf8("確認表の保存先に")), std::string::npos) << Err();
        EXPECT_EQ(std::filesystem::exists(taken) ? ReadFileBytes(taken) : std::string(), before);
    }
    // Refused by --strict, the report is still written for the user to reconcile.
    std::filesystem::remove(report);
    std::filesystem::remove(out);
    EXPECT_EQ(Run(Job(), {"--report", report, "--strict"}), 1);
    EXPECT_TRUE(std::filesystem::exists(report));
    EXPECT_FALSE(Written());
}

TEST_F(Convert, DamagedRowsThatLoseFiguresAreFindingsThatStrictRefuses)
{
    using corvane::preflight::FindingKind;
    // Where line `number` of `bytes` ends (its CR LF).
    const auto lineEnd = [](const std::string& bytes, int number) {
        std::size_t end = 0;
        for (int line = 1; line <= number; ++line)
            end = bytes.find("\r\n", line == 1 ? 0 : end + 2);
        return end;
    };
    struct Damage {
        std::string file;
        FindingKind kind;
        std::function<void(std::string&)> apply;
    };
    const std::vector<Damage> damages = {
        // A stray comma before April's first row empties its code field.
        {"salary-04.txt", FindingKind::ShiftedRow,
         [&](std::string& bytes) { bytes.insert(lineEnd(bytes, 5) + 2, ","); }},
        // Cut just after the comma before the last field (a quoted amount) of
        // bonus 1's second row: every field is there, the rest of the file is not.
        {"bonus-1.txt", FindingKind::CutOff,
         [&](std::string& bytes) { bytes.resize(bytes.rfind(",\"", lineEnd(bytes, 7)) + 1); }},
        // May with its heading and no rows.
        {"salary-05.txt", FindingKind::EmptySummary, [&](std::string& bytes) { bytes.resize(lineEnd(bytes, 5) + 2); }},
    };
    for (const auto& damage : damages) {
        const std::string path = Export(damage.file);
        const std::string whole = ReadFileBytes(path);
        std::string damaged = whole;
        damage.apply(damaged);
        dir.Write("exports/" + damage.file, damaged);
        EXPECT_EQ(Run(SampleJob(), {"--year", "6", "--strict"}), 1) << damage.file;
        EXPECT_NE(Err().find(Utf8("【要修正】" + corvane::preflight::KindTitle(damage.kind) + "\n") + path),
                  std::string::npos)
            << Err();
        EXPECT_FALSE(Written());
        dir.Write("exports/" + damage.file, whole);
    }
}

}  // namespace

namespace {

TEST_F(Convert, TextsOfTheCommandLineBecomeCodePage932OrAUsageError)
{
    // The year as typed, 年 included, goes into the document in Shift_JIS.
    ASSERT_EQ(Run(SampleJob(), {"--year", Arg("26年")}), 0) << Err();
    EXPECT_NE(OutputXml().find("<SINKOKUNENDO>26年</SINKOKUNENDO>"), std::string::npos);
    std::filesystem::remove(out);
#ifndef _WIN32
    // A character that Shift_JIS lacks (U+1F600) is refused before anything is read.
    const std::string emoji = "\xF0\x9F\x98\x80";
    for (const auto& extra :
         std::vector<std::vector<std::string>>{{"--year", "26" + emoji}, {"--item", "1=" + emoji}}) {
        auto args = SampleJob();
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(Err().rfind("corvane-convert: " + extra[0] +
                                  " holds a character that Shift_JIS (code page 932) "
                                  "lacks: " +
                                  extra[1] + "\n\n",
                              0),
                  0u)
            << Err();
        EXPECT_FALSE(Written());
    }
#endif
}

TEST_F(Convert, OutputSettingsAndExportsThatAreOneFileAreRefusedBeforeAnythingIsRead)
{
    const std::string list = Export("employees.txt");
    const std::string salary = Export("salary-03.txt");
    const std::string listBefore = ReadFileBytes(list);
    const std::string salaryBefore = ReadFileBytes(salary);
    const std::string sep(1, corvane::fileio::PathSeparator());
    const std::string detour = exports + sep + "." + sep + "salary-03.txt";
    const std::string outputIsExport = messages::OutputIsAnExport() + messages::ChooseAnotherOutput();
    struct Case {
        std::string out;
        std::string settings;
        std::string message;
    };
    std::vector<Case> cases = {
        {list, settings, outputIsExport + list},
        {detour, settings, outputIsExport + detour},
        {out, out, messages::OutputIsTheSettings() + messages::ChooseAnotherOutput() + out},
        {out, list, messages::SettingsIsAnExport() + list},
    };
#ifndef _WIN32
    // Another name of the same file on disk.
    const std::string linked = dir.File("linked.XML");
    std::filesystem::create_hard_link(Export("bonus-2.txt"), linked);
    cases.push_back({linked, settings, outputIsExport + linked});
#endif
    for (const auto& c : cases) {
        auto args = SampleJob();
        args[3] = c.out;
        args[5] = c.settings;
        EXPECT_EQ(Run(args, {"--year", "6"}), 2) << c.out;
        EXPECT_EQ(Err(), Utf8(c.message) + "\n");
        EXPECT_EQ(stdoutText.str(), "");
    }
    EXPECT_EQ(ReadFileBytes(list), listBefore);
    EXPECT_EQ(ReadFileBytes(salary), salaryBefore);
    EXPECT_FALSE(Written());
    EXPECT_FALSE(std::filesystem::exists(settings));
}

TEST(StreamMessageBox, InformationGoesToStdoutEveryOtherKindToStderr)
{
    std::ostringstream out;
    std::ostringstream err;
    convert::StreamMessageBox box(out, err, corvane::platform::SystemTextCodec());
    using corvane::platform::Icon;
    box.ShowMessage("t", "完了", Icon::Information, corvane::platform::Buttons::Ok);
    for (const Icon icon : {Icon::None, Icon::Warning, Icon::Exclamation, Icon::Error, Icon::Question})
        box.ShowMessage("t", ConversionCompletedMessage(), icon, corvane::platform::Buttons::Ok);
    EXPECT_EQ(out.str(), Utf8("完了") + "\n");
    std::string five;
    for (int i = 0; i < 5; ++i)
        five += Utf8(ConversionCompletedMessage()) + "\n";
    EXPECT_EQ(err.str(), five);
}

}  // namespace
