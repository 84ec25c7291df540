#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "convert/Convert.h"
#include "convert/SafeFileName.h"
#include "job/FolderExports.h"
#include "job/PlaceExports.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "platform/TextCodec.h"
#include "preflight/FindingText.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "tools/samplegen/SampleExports.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifndef _WIN32
// Makes the file at `path` one that cannot be read: without the right to read
// it, or for root, whom no right stops, a link to a file whose reading fails.
void MakeUnreadable(const std::string& path)
{
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        return;
    }
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/proc/self/mem", path);
}
#endif

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

TEST_F(FolderBatch, AFolderThatMakesNoJobIsRefusedWithTheSortingsMessage)
{
    const std::string folder = Company("company");
    corvane::test::RecordingMessageBox box;
    const corvane::platform::Messenger messenger(box, &corvane::platform::SystemTextCodec());
    const auto refused = [&] {
        const std::string refusal = corvane::job::SortFolder(folder, messenger).refusal;
        EXPECT_FALSE(refusal.empty());
        EXPECT_EQ(Run({"--folder", folder, "--out", dir.File("out.XML"), "--settings", settings}), 1);
        EXPECT_EQ(Err(), Utf8(refusal) + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML")));
    };
    const std::string list = ReadFileBytes(In(folder, "employees.txt"));

    dir.Write("company/copy.txt", list);
    refused();
    std::filesystem::remove(In(folder, "copy.txt"));

    std::filesystem::rename(In(folder, "employees.txt"), dir.File("employees.txt"));
    refused();
    std::filesystem::rename(dir.File("employees.txt"), In(folder, "employees.txt"));

    // A second April (its label with a leading zero) and a file of another company.
    dir.Write("company/april.txt", ReadFileBytes(In(folder, "salary-04.txt")));
    dir.Write("company/other.txt", corvane::text::ReplaceAll(ReadFileBytes(In(folder, "salary-05.txt")),
                                                             samplegen::SampleCompanyName(), "別会社"));
    refused();
    std::filesystem::remove(In(folder, "april.txt"));
    std::filesystem::remove(In(folder, "other.txt"));

    for (int i = 3; i <= 6; ++i)
        dir.Write(corvane::text::Format("company/bonus-%d.txt", i),
                  corvane::text::ReplaceAll(ReadFileBytes(In(folder, "bonus-1.txt")), "夏期賞与",
                                            corvane::text::Format("臨時賞与%d", i)));
    refused();
}

// The converter places a folder's files as job::PlaceExports does (the
// wizard's DropTest shows the same of the employee page's folder button).
TEST_F(FolderBatch, AFolderIsPlacedAsPlaceExportsPlacesIt)
{
    const std::string folder = Company("company");
    corvane::test::RecordingMessageBox box;
    const corvane::platform::Messenger messenger(box, &corvane::platform::SystemTextCodec());
    corvane::job::Job placed;
    ASSERT_EQ(corvane::job::PlaceExports(corvane::job::SortFolder(folder, messenger), placed, messenger).refusal, "");
    EXPECT_EQ(placed.slots[12].path, In(folder, "bonus-1.txt"));
    EXPECT_EQ(placed.slots[13].path, In(folder, "bonus-2.txt"));

    // Placed cleanly: the document of those slots.
    std::vector<std::string> slotsJob = {
        "--employees", placed.employeeList, "--out", dir.File("slots.XML"), "--settings", settings, "--year", "6"};
    for (std::size_t i = 0; i < placed.slots.size(); ++i) {
        if (!placed.slots[i].path.empty())
            slotsJob.insert(slotsJob.end(), {i < 12 ? "--salary" : "--bonus", placed.slots[i].path});
    }
    ASSERT_EQ(Run(slotsJob), 0) << Err();
    ASSERT_EQ(Run({"--folder", folder, "--out", dir.File("folder.XML"), "--settings", settings, "--year", "6"}), 0)
        << Err();
    EXPECT_EQ(ReadFileBytes(dir.File("folder.XML")), ReadFileBytes(dir.File("slots.XML")));

#ifndef _WIN32
    // A second name (a hard link) of the summer bonus, paid on the same day:
    // it is refused with PlaceExports' message naming it, and nothing is written.
    std::filesystem::create_hard_link(In(folder, "bonus-1.txt"), In(folder, "bonus-3.txt"));
    const std::string refusal =
        corvane::job::PlaceExports(corvane::job::SortFolder(folder, messenger), placed, messenger).refusal;
    EXPECT_NE(refusal.find(In(folder, "bonus-3.txt")), std::string::npos) << refusal;
    EXPECT_EQ(Run({"--folder", folder, "--out", dir.File("refused.XML"), "--settings", settings}), 1);
    EXPECT_EQ(Err(), Utf8(refusal) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("refused.XML")));
#endif
}

TEST_F(FolderBatch, AnExportThatCannotBeReadRefusesTheFolderAsItsOptionRefusesIt)
{
    const std::string folder = Company("company");
    const std::string damaged = In(folder, "bonus-2.txt");
    const std::string bonus = ReadFileBytes(damaged);
    const std::size_t titleEnd = bonus.find("\r\n");
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"a NUL byte", bonus.substr(0, 300) + std::string(1, '\0') + bonus.substr(301)},
        {"0x1A first", "\x1A" + bonus},
        {"CR-only line ends", corvane::text::ReplaceAll(bonus, "\r\n", "\r")},
        {"mixed line ends", bonus.substr(0, titleEnd) + "\r" + bonus.substr(titleEnd + 2)},
        {"only its title", bonus.substr(0, titleEnd + 2)},
    };
    const std::vector<std::string> folderJob = {"--folder", folder,   "--out", dir.File("out.XML"), "--settings",
                                                settings,   "--year", "6",     "--strict"};
    const std::vector<std::string> explicitJob = {"--employees", In(folder, "employees.txt"),
                                                  "--bonus",     In(folder, "bonus-1.txt"),
                                                  "--bonus",     damaged,
                                                  "--out",       dir.File("out.XML"),
                                                  "--settings",  settings,
                                                  "--year",      "6"};
    const auto refused = [&](const std::string& what) {
        EXPECT_EQ(Run(explicitJob), 1) << what;
        EXPECT_EQ(Run(folderJob), 1) << what;
        EXPECT_NE(Err().find(Utf8("読み取れないファイルがあります。")), std::string::npos) << what << Err();
        EXPECT_NE(Err().find("\n" + damaged + "\n"), std::string::npos) << what << Err();
        EXPECT_EQ(Err().find(Utf8("エクスポートファイルではないため")), std::string::npos) << what << Err();
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML"))) << what;
    };
    for (const auto& c : cases) {
        dir.Write("company/bonus-2.txt", c.bytes);
        refused(c.what);
    }
#ifndef _WIN32
    MakeUnreadable(damaged);
    refused("unreadable");
    std::filesystem::remove(damaged);
#endif

    // In a batch the company is refused, and says why.
    std::filesystem::create_directory(dir.File("root"));
    std::filesystem::rename(folder, In(dir.File("root"), "company"));
    dir.Write("root/company/bonus-2.txt", "\x1A" + bonus);
    EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings", settings, "--strict"}), 1);
    EXPECT_NE(stdoutText.str().find(Utf8("\t拒否\tエクスポートファイルのようですが、")), std::string::npos)
        << stdoutText.str();

    // A file that is clearly something else, binary or not, is still left out.
    std::filesystem::remove(dir.File("root/company/bonus-2.txt"));
    dir.Write("root/company/notes.xlsx", std::string("PK\x03\x04\0\0\x14\0", 8));
    EXPECT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings", settings, "--strict"}), 0)
        << Err();
    EXPECT_NE(Err().find(Utf8("エクスポートファイルではないため使いません: ") +
                         In(In(dir.File("root"), "company"), "notes.xlsx")),
              std::string::npos)
        << Err();
}

TEST_F(FolderBatch, ACopyOfAnExportIsTheSamePaymentNotASecondOne)
{
    const std::string folder = Company("company");
    const std::string original = In(folder, "bonus-1.txt");
    const std::string copy = In(folder, Utf8("bonus-1 - コピー.txt"));
    // Named through the wide path on Windows, as the program opens it.
    std::filesystem::copy_file(original, std::filesystem::path(std::u8string(copy.begin(), copy.end())));

    // In a folder: refused, naming both files.
    EXPECT_EQ(Run({"--folder", folder, "--out", dir.File("out.XML"), "--settings", settings, "--year", "6"}), 1);
    EXPECT_NE(Err().find(Utf8("同じ内容のエクスポートファイルがあります。")), std::string::npos) << Err();
    EXPECT_NE(Err().find("\n" + copy + "\n" + original), std::string::npos) << Err();
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML")));

    // Given as two bonuses: a finding, a warning that --strict refuses.
    std::vector<std::string> job = {"--employees", In(folder, "employees.txt"), "--bonus",    original, "--bonus", copy,
                                    "--out",       dir.File("out.XML"),         "--settings", settings, "--year",  "6",
                                    "--report",    dir.File("report.csv")};
    const std::string warning =
        Utf8("【要修正】" + corvane::preflight::KindTitle(corvane::preflight::FindingKind::SameContent) + "\n") + copy +
        "\n";
    ASSERT_EQ(Run(job), 0) << Err();
    EXPECT_NE(Err().find(warning), std::string::npos) << Err();
    job.push_back("--strict");
    std::filesystem::remove(dir.File("out.XML"));
    EXPECT_EQ(Run(job), 1);
    EXPECT_NE(Err().find(warning), std::string::npos) << Err();
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.XML")));
    EXPECT_NE(ReadFileBytes(dir.File("report.csv"))
                  .find("要修正," + corvane::preflight::KindTitle(corvane::preflight::FindingKind::SameContent) + "," +
                        corvane::platform::SystemTextCodec().PathToText(copy)),
              std::string::npos);
}

TEST_F(FolderBatch, TheProgramsOwnTablesInAFolderAreLeftOutAndSaidSo)
{
    Company("root/a");
    const std::string root = dir.File("root");
    const std::string a = In(root, "a");
    const std::vector<std::string> folderJob = {"--folder",   a,        "--out",  dir.File("a.XML"),
                                                "--settings", settings, "--year", "6"};
    // The reconciliation table and the batch summary, written elsewhere and
    // then saved in the company's folder.
    auto report = folderJob;
    report.insert(report.end(), {"--report", dir.File("report.csv")});
    ASSERT_EQ(Run(report), 0) << Err();
    ASSERT_EQ(Run({"--batch", root, "--out-dir", dir.File("out"), "--settings", settings, "--year", "6", "--summary",
                   dir.File("summary.csv")}),
              0)
        << Err();
    std::filesystem::copy_file(dir.File("report.csv"), In(a, "report.csv"));
    std::filesystem::copy_file(dir.File("summary.csv"), In(a, "summary.csv"));
    EXPECT_EQ(Run(folderJob), 0);
    const std::string own = Utf8("このプログラムが作成した照合表または一覧のため使いません: ");
    EXPECT_EQ(Err(), own + In(a, "report.csv") + "\n" + own + In(a, "summary.csv") + "\n");
    EXPECT_EQ(Run({"--batch", root, "--out-dir", dir.File("out"), "--settings", settings, "--year", "6"}), 0) << Err();
}

TEST_F(FolderBatch, BonusesWithoutAPaymentDateAreNamedWhereTheyWerePlaced)
{
    Company("root/a");
    const std::string root = dir.File("root");
    const std::string a = In(root, "a");
    // The summer bonus without its payment date goes after the winter one.
    const std::string summer = In(a, "bonus-1.txt");
    const std::string bytes = ReadFileBytes(summer);
    const std::size_t date = bytes.find("支給日");
    dir.Write("root/a/bonus-1.txt", bytes.substr(0, date) + bytes.substr(bytes.find("\r\n", date)));
    const std::string note =
        Utf8(
            "次の賞与集計表には支給日がないため、支給日のある賞与の後に、ファイル名の順に並べました。"
            "賞与の順番が正しいか確認してください。\n\n") +
        summer + "\n";
    EXPECT_EQ(Run({"--folder", a, "--out", dir.File("a.XML"), "--settings", settings, "--year", "6"}), 0);
    EXPECT_EQ(Err(), note);
    EXPECT_EQ(Run({"--batch", root, "--out-dir", dir.File("out"), "--settings", settings, "--year", "6"}), 0);
    EXPECT_NE(Err().find(note), std::string::npos) << Err();
}

#ifndef _WIN32
TEST_F(FolderBatch, ALinkedBonusFileIsRefusedByItsName)
{
    const std::string a = Company("a");
    const std::vector<std::string> folderJob = {"--folder",   a,        "--out",  dir.File("a.XML"),
                                                "--settings", settings, "--year", "6"};
    // In the folder: one payment under two names.
    std::filesystem::create_symlink("bonus-2.txt", In(a, "z-link.txt"));
    EXPECT_EQ(Run(folderJob), 1);
    EXPECT_NE(Err().find("\n" + In(a, "bonus-2.txt") + "\n" + In(a, "z-link.txt")), std::string::npos) << Err();
    // Given as a second bonus: the refusal names it.
    EXPECT_EQ(Run({"--employees", In(a, "employees.txt"), "--bonus", In(a, "bonus-2.txt"), "--bonus",
                   In(a, "z-link.txt"), "--out", dir.File("a.XML"), "--settings", settings}),
              1);
    EXPECT_NE(Err().find("]\n" + In(a, "z-link.txt") + "\n"), std::string::npos) << Err();
}
#endif

TEST_F(FolderBatch, SafeFileNames)
{
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
        "Ｃ工業,c,10,12,2,1,確認あり,要修正 1人\r\n";
    EXPECT_EQ(ReadFileBytes(dir.File("summary.csv")), csv);
    EXPECT_EQ(stdoutText.str(), Utf8(corvane::text::ReplaceAll(
                                    corvane::text::ReplaceAll(csv.substr(0, csv.size()), ",", "\t"), "\r\n", "\n")));
    EXPECT_NE(Err().find(Utf8("[b] 拒否\nフォルダーに従業員(一覧表)")), std::string::npos) << Err();
    EXPECT_NE(Err().find("[c] " + Utf8("確認あり\n警告: 要修正 1人\n")), std::string::npos) << Err();
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
    Company("root/h", "Ｈ\tＩ");  // a tab in the company's name
#ifndef _WIN32
    // Windows takes no tab or line break in a file name.
    Company("root/f\tg", "ＦＧ");
    dir.Write("root/d/read\nme.txt", "not an export\r\n");
    const long companies = 6;
#else
    const long companies = 5;
#endif
    ASSERT_EQ(Run({"--batch", dir.File("root"), "--out-dir", dir.File("out"), "--settings", settings, "--year", "6"}),
              0)
        << Err();
    const auto files = corvane::fileio::FolderEntries(dir.File("out"), false).value();
    ASSERT_EQ(static_cast<long>(files.size()), companies);
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
    EXPECT_EQ(rows, companies + 1);
    EXPECT_NE(stdoutText.str().find(Utf8("Ｈ Ｉ\th\t")), std::string::npos) << stdoutText.str();
#ifndef _WIN32
    EXPECT_NE(Err().find("read?me.txt\n"), std::string::npos) << Err();
    EXPECT_NE(Err().find("[f?g] "), std::string::npos) << Err();
#endif
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
