#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "convert/Convert.h"
#include "convert/SafeFileName.h"
#include "job/FolderExports.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "platform/TextCodec.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "tools/samplegen/SampleExports.h"

namespace convert = corvane::convert;
namespace samplegen = corvane::samplegen;
using corvane::test::ReadFileBytes;
using corvane::test::TempDir;

namespace {

class FixedSystem final : public corvane::platform::SystemService {
public:
    std::string ExecutablePath() const override { return "/nonexistent/corvane-convert"; }
    bool FileExists(const std::string& path) const override { return corvane::fileio::FileExists(path); }
    std::optional<std::string> VolumeLabel(const std::string&) const override { return std::nullopt; }
    corvane::platform::LocalDate Today() const override { return {2025, 1, 10}; }
    std::string CommandLine() const override { return std::string(); }
};

// `name` in `folder` as the converter joins them.
std::string In(const std::string& folder, const std::string& name)
{
    return corvane::fileio::JoinPath(folder, name);
}

// The bytes of the file at a UTF-8 path (on Windows too).
std::string ReadBytes(const std::string& path)
{
    std::FILE* file = corvane::fileio::OpenFile(path, "rb");
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::string bytes;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

std::string Utf8(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToUtf8(text);
}

class FolderBatch : public ::testing::Test {
protected:
    // A company's folder of sample exports under `name`, its company name
    // replaced by `company`; returns the folder's path.
    std::string Company(const std::string& name, const std::string& company = samplegen::SampleCompanyName())
    {
        const std::string folder = dir.File(name);
        std::filesystem::create_directories(folder);
        samplegen::SampleOptions options;
        options.employees = 10;
        options.bonuses = 2;
        for (const auto& file : samplegen::GenerateSampleExports(options))
            dir.Write(name + "/" + file.name,
                      corvane::text::ReplaceAll(file.bytes, samplegen::SampleCompanyName(), company));
        return folder;
    }

    int Run(const std::vector<std::string>& args)
    {
        stdoutText.str("");
        stderrText.str("");
        return convert::RunConvert(args, stdoutText, stderrText,
                                   convert::Environment{system, corvane::platform::SystemTextCodec()});
    }

    std::string Err() const { return stderrText.str(); }

    TempDir dir;
    std::string settings = dir.File("Corvane.ENV");
    FixedSystem system;
    std::ostringstream stdoutText;
    std::ostringstream stderrText;
};

TEST_F(FolderBatch, FolderGivesTheSameDocumentAsTheExplicitFiles)
{
    const std::string folder = Company("company");
    // Name order puts the winter bonus first; the payment dates put it second.
    std::filesystem::rename(In(folder, "bonus-1.txt"), In(folder, "z-summer.txt"));
    std::filesystem::rename(In(folder, "bonus-2.txt"), In(folder, "a-winter.txt"));
    dir.Write("company/readme.txt", "not an export\r\n");
    dir.Write("company/.hidden", "");
    std::filesystem::create_directory(In(folder, "sub"));

    std::vector<std::string> explicitJob = {
        "--employees", In(folder, "employees.txt"), "--out", dir.File("a.XML"), "--settings", settings, "--year", "6"};
    for (int month = 1; month <= 12; ++month)
        explicitJob.insert(explicitJob.end(),
                           {"--salary", In(folder, corvane::text::Format("salary-%02d.txt", month))});
    explicitJob.insert(explicitJob.end(),
                       {"--bonus", In(folder, "z-summer.txt"), "--bonus", In(folder, "a-winter.txt")});
    ASSERT_EQ(Run(explicitJob), 0) << Err();

    ASSERT_EQ(Run({"--folder", folder, "--out", dir.File("b.XML"), "--settings", settings, "--year", "6"}), 0) << Err();
    EXPECT_EQ(Err(), Utf8("エクスポートファイルではないため使いません: ") + In(folder, "readme.txt\n"));
    EXPECT_EQ(ReadFileBytes(dir.File("b.XML")), ReadFileBytes(dir.File("a.XML")));

    // With the options of explicit files it is a usage error.
    for (const char* option : {"--employees", "--salary", "--bonus"}) {
        EXPECT_EQ(Run({"--folder", folder, option, In(folder, "employees.txt"), "--out", dir.File("c.XML")}), 2);
        EXPECT_NE(Err().find("--folder takes none of"), std::string::npos) << Err();
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("c.XML")));
}

TEST_F(FolderBatch, FolderRefusalsNameTheFiles)
{
    const std::string folder = Company("company");
    const auto refused = [&](const std::string& message) {
        EXPECT_EQ(Run({"--folder", folder, "--out", dir.File("out.XML"), "--settings", settings}), 1);
        EXPECT_EQ(Err(), Utf8(message) + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML")));
    };
    const std::string list = ReadFileBytes(In(folder, "employees.txt"));

    dir.Write("company/copy.txt", list);
    refused("フォルダーに従業員(一覧表)のエクスポートファイルが2つ以上あります。どちらを使うか決められません。\n\n" +
            In(folder, "copy.txt\n") + In(folder, "employees.txt"));
    std::filesystem::remove(In(folder, "copy.txt"));

    std::filesystem::rename(In(folder, "employees.txt"), dir.File("employees.txt"));
    refused("フォルダーに従業員(一覧表)のエクスポートファイルがありません。");
    std::filesystem::rename(dir.File("employees.txt"), In(folder, "employees.txt"));

    // A second April (its label with a leading zero) and a file of another company.
    dir.Write("company/april.txt", ReadFileBytes(In(folder, "salary-04.txt")));
    dir.Write("company/other.txt", corvane::text::ReplaceAll(ReadFileBytes(In(folder, "salary-05.txt")),
                                                             samplegen::SampleCompanyName(), "別会社"));
    refused("従業員(一覧表)と関与先名が異なるエクスポートファイルがあります。\n\n" + In(folder, "other.txt\n\n") +
            "4月度の給与集計表が2つ以上あります。\n\n" + In(folder, "april.txt\n") + In(folder, "salary-04.txt"));
    std::filesystem::remove(In(folder, "april.txt"));
    std::filesystem::remove(In(folder, "other.txt"));

    for (int i = 3; i <= 6; ++i)
        dir.Write(corvane::text::Format("company/bonus-%d.txt", i), ReadFileBytes(In(folder, "bonus-1.txt")));
    std::string bonuses;
    for (int i = 1; i <= 6; ++i)
        bonuses += "\n" + In(folder, corvane::text::Format("bonus-%d.txt", i));
    refused("賞与集計表が6個あります。賞与は5回分までです。\n" + bonuses);
}

TEST_F(FolderBatch, PaymentDatesAndFileNames)
{
    dir.Write("reiwa.txt", "賞与集計表,A\r\n\r\n夏期賞与\r\n支給日：令和 6年 7月10日\r\n");
    dir.Write("heisei.txt", "賞与集計表,A\r\n\r\n支給日:平成31年４月１日\r\n");
    dir.Write("western.txt", "賞与集計表,A\r\n\r\n冬期賞与\r\n支給日：　2024年12月 5日\r\n");
    dir.Write("none.txt", "賞与集計表,A\r\n\r\n夏期賞与\r\n支給日：令和 6年 7月\r\n");
    EXPECT_EQ(corvane::job::BonusPaymentDate(dir.File("reiwa.txt")), 20240710);
    EXPECT_EQ(corvane::job::BonusPaymentDate(dir.File("heisei.txt")), 0);  // full-width digits are no number
    EXPECT_EQ(corvane::job::BonusPaymentDate(dir.File("western.txt")), 20241205);
    EXPECT_EQ(corvane::job::BonusPaymentDate(dir.File("none.txt")), 0);

    EXPECT_EQ(convert::SafeFileName("\"株式会社 表示/試験:A*B?\""), "株式会社 表示_試験_A_B_");
    // 表 and ソ end in byte 0x5C, which is no separator inside them.
    EXPECT_EQ(convert::SafeFileName("ソ表<>|\t"), "ソ表____");
    EXPECT_EQ(convert::SafeFileName("商事. . "), "商事");
    EXPECT_EQ(convert::SafeFileName("con.x"), "con.x_");
    EXPECT_EQ(convert::SafeFileName("LPT1"), "LPT1_");
    EXPECT_EQ(convert::SafeFileName("COM10"), "COM10");
    EXPECT_EQ(convert::SafeFileName("..."), "");
}

TEST_F(FolderBatch, BatchConvertsEachCompanyAndSummarises)
{
    Company("root/a", "Ａ商事");
    Company("root/b", "Ｂ物産");
    const std::string b = In(dir.File("root"), "b");  // as the batch names it
    dir.Write("root/b/copy.txt", ReadFileBytes(In(b, "employees.txt")));
    Company("root/c", "Ｃ工業");
    const std::string c = In(dir.File("root"), "c");
    // A row whose code the employee list lacks: a finding, still converted.
    const std::string salary = ReadFileBytes(In(c, "salary-03.txt"));
    const std::size_t row = salary.find("\r\n1001,");
    dir.Write("root/c/salary-03.txt", salary + "9999" + salary.substr(row + 6, salary.find("\r\n", row + 2) - row - 4));

    const std::vector<std::string> job = {
        "--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings",
        settings,  "--year",         "6",         "--summary",     dir.File("summary.csv")};
    auto args = job;
    args.insert(args.end(), {"--jobs", "1"});
    ASSERT_EQ(Run(args), 1) << Err();
    const std::string refusal =
        "フォルダーに従業員(一覧表)のエクスポートファイルが2つ以上あります。"
        "どちらを使うか決められません。 " +
        In(b, "copy.txt ") + In(b, "employees.txt");
    const std::string csv =
        "会社名,フォルダー,従業員数,給与の月数,賞与の回数,確認事項,結果,メッセージ\r\n"
        "Ａ商事,a,10,12,2,0,変換済,\r\n"
        ",b,,,,,拒否," +
        refusal +
        "\r\n"
        "Ｃ工業,c,10,12,2,1,確認あり,\r\n";
    EXPECT_EQ(ReadFileBytes(dir.File("summary.csv")), csv);
    EXPECT_EQ(stdoutText.str(), Utf8(corvane::text::ReplaceAll(
                                    corvane::text::ReplaceAll(csv.substr(0, csv.size()), ",", "\t"), "\r\n", "\n")));
    EXPECT_NE(Err().find(Utf8("[b] 拒否\nフォルダーに従業員(一覧表)")), std::string::npos) << Err();
    EXPECT_NE(Err().find("[c] " + Utf8("確認あり\n警告: ")), std::string::npos) << Err();
    EXPECT_EQ(corvane::fileio::FolderEntries(dir.File("out"), false),
              (std::vector<std::string>{Utf8("Ａ商事.XML"), Utf8("Ｃ工業.XML")}));
    // Every company's columns are kept in the one settings file.
    const std::string kept = ReadFileBytes(settings);
    EXPECT_NE(kept.find("\r\nＡ商事,"), std::string::npos) << kept;
    EXPECT_NE(kept.find("\r\nＣ工業,"), std::string::npos) << kept;

    // The same exports through --folder give the same document.
    ASSERT_EQ(Run({"--folder", dir.File("root/a"), "--out", dir.File("a.XML"), "--settings", settings, "--year", "6"}),
              0);
    EXPECT_EQ(ReadFileBytes(dir.File("a.XML")), ReadBytes(In(dir.File("out"), Utf8("Ａ商事.XML"))));

    // Without the refused company: converted with findings; without that: all converted.
    std::filesystem::remove(dir.File("root/b/copy.txt"));
    EXPECT_EQ(Run(job), 3) << Err();
    std::filesystem::remove_all(c);
    EXPECT_EQ(Run(job), 0) << Err();
    // Usage errors.
    EXPECT_EQ(Run({"--batch", dir.File("root")}), 2);
    EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--jobs", "0"}), 2);
    EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--out", dir.File("x.XML")}), 2);
    EXPECT_EQ(Run({"--folder", dir.File("root/a"), "--out", dir.File("x.XML"), "--jobs", "2"}), 2);
    EXPECT_EQ(Run({"--batch", dir.File("missing"), "--out-dir", dir.File("out")}), 2);
}

TEST_F(FolderBatch, NothingTheBatchWritesLandsOnAnExportOrAnotherOutput)
{
    Company("root/c1", "会社1");
    Company("root/c2", "会社2");
    const std::string c1 = In(dir.File("root"), "c1");
    const std::string list = ReadFileBytes(In(c1, "employees.txt"));
    const std::string out = dir.File("out");
    const auto batch = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {"--batch", dir.File("root"), "--out-dir", out, "--year", "6"};
        args.insert(args.end(), extra.begin(), extra.end());
        return Run(args);
    };
    // Each is refused as a usage error before anything is read or written.
    const std::vector<std::vector<std::string>> refused = {
        {"--settings", settings, "--summary", In(c1, "employees.txt")},     // an export
        {"--settings", settings, "--summary", In(c1, "summary.csv")},       // beside the exports
        {"--settings", settings, "--summary", In(out, Utf8("会社1.XML"))},  // a company's output
        {"--settings", settings, "--summary", settings},                    // the settings file
        {"--settings", In(c1, "employees.txt")},
        {"--settings", In(out, Utf8("会社2.XML"))},
    };
    for (const auto& extra : refused) {
        EXPECT_EQ(batch(extra), 2) << extra.back() << "\n" << Err();
        EXPECT_FALSE(Err().empty());
        EXPECT_EQ(ReadFileBytes(In(c1, "employees.txt")), list);
        EXPECT_FALSE(std::filesystem::exists(settings));
        EXPECT_FALSE(std::filesystem::exists(In(out, Utf8("会社1.XML"))));
        EXPECT_FALSE(std::filesystem::exists(In(c1, "summary.csv")));
    }
    EXPECT_EQ(batch(refused.front()), 2);
    EXPECT_EQ(Err(), Utf8("一覧（--summary）の保存先が、会社のフォルダーの中にあります。\n"
                          "エクスポートファイルを上書きしたり、次の変換で会社のエクスポートファイルと"
                          "取り違えたりしないよう、会社のフォルダーの外を指定してください。\n\n") +
                         In(c1, "employees.txt\n"));
    // An output folder inside the root would be read as a company next time,
    // or mix the outputs into a company's exports.
    for (const std::string& inside : {dir.File("root/out"), In(c1, "out")}) {
        EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", inside, "--settings", settings}), 2) << Err();
        EXPECT_FALSE(std::filesystem::exists(inside));
    }
    EXPECT_EQ(batch({"--settings", settings, "--summary", dir.File("summary.csv")}), 0) << Err();
}

TEST_F(FolderBatch, EveryCompanyGetsAFileOfItsOwnAndTheSummaryKeepsItsColumns)
{
    // The clash suffix of the first two is the third company's own name.
    Company("root/b", "ABC");
    Company("root/c", "ABC");
    Company("root/d", "ABC_b");
    std::string longName;
    for (int i = 0; i < 100; ++i)
        longName += "長";
    Company("root/e", longName);
    Company("root/f\tg", "ＦＧ");
    dir.Write("root/d/read\nme.txt", "not an export\r\n");
    ASSERT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings", settings, "--year", "6"}),
              0)
        << Err();
    const auto files = corvane::fileio::FolderEntries(dir.File("out"), false).value();
    ASSERT_EQ(files.size(), 5u);
    EXPECT_EQ(std::count(files.begin(), files.end(), "ABC_b.XML"), 1);
    EXPECT_EQ(std::count(files.begin(), files.end(), "ABC_b_2.XML"), 1);
    EXPECT_EQ(std::count(files.begin(), files.end(), "ABC_c.XML"), 1);
    for (const auto& name : files)
        EXPECT_LE(name.size(), 255u) << name;
    // One row a company, eight columns each, and the name that is no export on one line.
    std::istringstream table(stdoutText.str());
    int rows = 0;
    for (std::string line; std::getline(table, line); ++rows)
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 7) << line;
    EXPECT_EQ(rows, 6);
    EXPECT_NE(Err().find("read?me.txt\n"), std::string::npos) << Err();
    EXPECT_NE(Err().find("[f?g] "), std::string::npos) << Err();
}

TEST_F(FolderBatch, ParallelJobsGiveTheSameFilesAsOneAtATime)
{
    // Twelve companies; two share a name, so both files get their folder's name.
    for (int i = 0; i < 12; ++i)
        Company(corvane::text::Format("root/%02d", i), corvane::text::Format("会社%d", i == 11 ? 3 : i));
    const auto batch = [&](const std::string& jobs) {
        const std::string out = dir.File("out-" + jobs);
        EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", out, "--settings", dir.File("settings-" + jobs),
                       "--year", "6", "--jobs", jobs, "--summary", out + ".csv"}),
                  0)
            << Err();
        std::map<std::string, std::string> files;
        const auto names = corvane::fileio::FolderEntries(out, false);
        for (const auto& name : names.value_or(std::vector<std::string>()))
            files[name] = ReadBytes(In(out, name));
        files["summary"] = ReadFileBytes(out + ".csv");
        // The settings lines come in the order the companies finished.
        std::vector<std::string> lines;
        std::istringstream settingsText(ReadFileBytes(dir.File("settings-" + jobs)));
        for (std::string line; std::getline(settingsText, line);)
            lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        for (const auto& line : lines)
            files["settings"] += line + "\n";
        files["stdout"] = stdoutText.str();
        return files;
    };
    const auto one = batch("1");
    EXPECT_EQ(one.size(), 15u);
    EXPECT_EQ(one.count(Utf8("会社3_03.XML")), 1u);
    EXPECT_EQ(one.count(Utf8("会社3_11.XML")), 1u);
    const auto four = batch("4");
    ASSERT_EQ(four.size(), one.size());
    for (const auto& [name, bytes] : one)
        EXPECT_TRUE(four.count(name) == 1 && four.at(name) == bytes) << name;
}

}  // namespace
