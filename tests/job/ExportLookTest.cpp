#include <gtest/gtest.h>

#include <filesystem>

#include "job/ExportLook.h"
#include "job/FolderExports.h"
#include "job/OwnOutputs.h"
#include "job/SameContent.h"
#include "preflight/ReconciliationReport.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "text/CsvRow.h"

using corvane::test::RecordingMessageBox;
using corvane::test::TempDir;
namespace job = corvane::job;
using Kind = job::ExportLook::Kind;

namespace {

const std::string kList = "従業員(一覧表),サンプル商事\r\n\r\nコード,氏名\r\n001,社員Ａ\r\n002,社員Ｂ\r\n";

std::string Summary(const std::string& label, const std::string& dateLine = "")
{
    return "賞与集計表,サンプル商事\r\n\r\n" + label + "\r\n" + dateLine +
           "\r\nコード,行項目名,課税支給合計\r\n001,社員Ａ,300000\r\n";
}

class FolderExports : public ::testing::Test {
protected:
    // SortExports over `files` (name → bytes) written into the temporary folder.
    job::FolderExports Sort(const std::vector<std::pair<std::string, std::string>>& files)
    {
        std::vector<std::string> paths;
        for (const auto& [name, bytes] : files)
            paths.push_back(dir.Write(name, bytes));
        return job::SortExports(paths, messenger);
    }

    TempDir dir;
    RecordingMessageBox box;
    corvane::platform::Messenger messenger{box};
};

TEST_F(FolderExports, ExportsAreToldFromOtherFilesByTheirFirstLine)
{
    struct Case {
        const char* name;
        std::string bytes;
        Kind kind;
        bool damaged;
    };
    const std::string summary = Summary("夏期賞与");
    const std::string big(70 * 1024, 'x');  // beyond the first block read
    const std::vector<Case> cases = {
        {"summary", summary, Kind::Export, false},
        {"line feeds alone, some with CR", "給与集計表,A\n\r\n4月度給与\n\n見出し\r\n", Kind::Export, false},
        {"CR alone after the heading line", summary + "002,社員Ｂ\r003\r\n", Kind::Export, false},
        {"list's CR alone after its heading", "従業員(一覧表),A\r\n\r\nコード,氏名\r\n001,社員Ａ\r002,社員Ｂ\r\n",
         Kind::Export, false},
        {"CR alone in the label lines", "給与集計表,A\r\n\r4月度給与\r\n", Kind::Export, true},
        {"CR alone ending the file", "集計表,A\r", Kind::Export, true},
        {"0x1A first", "\x1A" + summary, Kind::Export, true},
        {"NUL far on", summary + big + std::string(1, '\0'), Kind::Export, true},
        // NUL padding after the end-of-file mark, where the reader stops.
        {"NUL padding after 0x1A", summary + "\x1A" + std::string(5000, '\0'), Kind::Export, false},
        {"NUL padding after 0x1A far on", summary + big + "\x1A" + std::string(5000, '\0'), Kind::Export, false},
        {"NUL before 0x1A", summary + std::string(1, '\0') + "\x1A", Kind::Export, true},
        {"UTF-8", "\xEF\xBB\xBF\xE8\xB3\x9E\xE4\xB8\x8E\xE9\x9B\x86\xE8\xA8\x88\xE8\xA1\xA8,A\r\n", Kind::Export, true},
        {"UTF-16", std::string("\xFF\xFE\xC6\x96\x08\x8A\x68\x88,\0", 10), Kind::Export, true},
        {"reconciliation table", corvane::text::CsvRow({corvane::preflight::ReconciliationTitle()}) + "会社名,A\r\n",
         Kind::OwnOutput, false},
        {"reconciliation table of before",
         corvane::text::CsvRow(corvane::preflight::ReconciliationHeadings()) + "1,A\r\n", Kind::OwnOutput, false},
        {"batch summary", corvane::text::CsvRow(job::BatchSummaryHeadings()), Kind::OwnOutput, false},
        {"other text", "メモ,サンプル商事\r\n\r\n夏期賞与\r\n", Kind::Other, false},
        {"binary", std::string("%PDF-1.4\n\0\x1A", 11), Kind::Other, false},
        {"empty", "", Kind::Other, false},
    };
    for (const auto& c : cases) {
        const auto look = job::LookAtFile(dir.Write("file.txt", c.bytes));
        EXPECT_EQ(look.kind, c.kind) << c.name;
        EXPECT_EQ(!look.damage.empty(), c.damaged) << c.name << ": " << look.damage;
    }
    EXPECT_TRUE(job::LookAtFile(dir.Write("list.txt", kList)).employeeListTitle);
    EXPECT_FALSE(job::LookAtFile(dir.Write("summary.txt", summary)).employeeListTitle);
    EXPECT_EQ(job::LookAtFile(dir.Path()).kind, Kind::Other);
    EXPECT_EQ(job::LookAtFile(dir.File("missing.txt")).kind, Kind::Other);
}

TEST_F(FolderExports, AnExportThatCannotBeReadIsRefusedWithWhy)
{
    const std::string cut = "賞与集計表,サンプル商事\r\n";
    auto sorted = Sort({{"employees.txt", kList}, {"a.txt", "\x1A" + Summary("夏期賞与")}, {"b.txt", cut}});
    EXPECT_EQ(sorted.refusal,
              "エクスポートファイルのようですが、読み取れないファイルがあります。中間ファイルは作成できません。"
              "ファイルを確かめるか、ソルマ給与からエクスポートし直してください。\n\n" +
                  dir.File("a.txt") +
                  "\n　ファイルの先頭に、ファイルの終わりを示す文字（1A）があるため、何も読み取れません。\n" +
                  dir.File("b.txt") +
                  "\n　3行目（月度や賞与の区分）がありません。ファイルが途中で切れている可能性があります。");

    // An employee list that cannot be read is named; "no employee list" would mislead.
    sorted = Sort({{"employees.txt", kList + std::string(1, '\0')}});
    EXPECT_EQ(sorted.refusal.find("従業員(一覧表)のエクスポートファイルがありません"), std::string::npos)
        << sorted.refusal;
    EXPECT_NE(
        sorted.refusal.find(dir.File("employees.txt") + "\n　テキストファイルにはない文字（00）が含まれています。"),
        std::string::npos)
        << sorted.refusal;
    std::filesystem::remove(dir.File("employees.txt"));
    sorted = Sort({{"a.txt", "\x1A" + Summary("夏期賞与")}});
    EXPECT_NE(sorted.refusal.find("\n\nフォルダーに従業員(一覧表)のエクスポートファイルがありません。"),
              std::string::npos)
        << sorted.refusal;
}

TEST_F(FolderExports, CopiesAreRefusedAndUndatedBonusesNamed)
{
    const std::string summer = Summary("夏期賞与", "支給日：令和 6年 7月10日");
    auto sorted = Sort({{"employees.txt", kList}, {"b.txt", summer}, {"c.txt", summer}, {"d.txt", summer}});
    EXPECT_EQ(
        sorted.refusal,
        "同じ内容のエクスポートファイルがあります。同じ支給を2回数えることになるため、中間ファイルは作成できません。"
        "1つだけを残し、ほかはフォルダーから移してください。\n\n" +
            dir.File("b.txt") + "\n" + dir.File("c.txt") + "\n" + dir.File("d.txt"));
    EXPECT_TRUE(sorted.bonus.empty());

    sorted = Sort({{"employees.txt", kList},
                   {"b.txt", summer},
                   {"a.txt", Summary("決算賞与")},
                   {"c.txt", Summary("冬期賞与", "支給日：令和 6年12月10日")}});
    EXPECT_EQ(sorted.refusal, "");
    EXPECT_EQ(sorted.bonus, (std::vector<std::string>{dir.File("b.txt"), dir.File("c.txt"), dir.File("a.txt")}));
    EXPECT_EQ(sorted.undatedBonus, std::vector<std::string>{dir.File("a.txt")});
    EXPECT_EQ(job::UndatedBonusNote(sorted, messenger),
              "次の賞与集計表には支給日がないため、支給日のある賞与の後に、ファイル名の順に並べました。"
              "賞与の順番が正しいか確認してください。\n\n" +
                  dir.File("a.txt"));
    sorted.bonus = sorted.undatedBonus = {dir.File("a.txt"), dir.File("b.txt")};
    EXPECT_EQ(
        job::UndatedBonusNote(sorted, messenger).rfind("賞与集計表に支給日がないため、ファイル名の順に並べました。", 0),
        0u);
    // One bonus has no order to doubt.
    sorted.bonus = sorted.undatedBonus = {dir.File("a.txt")};
    EXPECT_EQ(job::UndatedBonusNote(sorted, messenger), "");
}

TEST_F(FolderExports, SameBytesMakeOneGroupAndAFindingForEachLaterFile)
{
    const auto a = dir.Write("a.txt", "abc");
    const auto b = dir.Write("b.txt", "abd");  // the same size, other bytes
    const auto c = dir.Write("c.txt", "abc");
    const auto d = dir.Write("d.txt", "abcd");
    const auto e = dir.Write("e.txt", "abc");
    EXPECT_EQ(job::SameContentGroups({d, a, b, c, dir.File("missing.txt"), e}),
              (std::vector<std::vector<std::string>>{{a, c, e}}));
    const auto findings = job::SameContentFindings({a, b, c, e}, messenger);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].kind, corvane::preflight::FindingKind::SameContent);
    EXPECT_EQ(findings[0].file, c);
    EXPECT_EQ(findings[1].file, e);
    EXPECT_EQ(findings[1].level, corvane::preflight::Level::MustFix);
    EXPECT_EQ(findings[1].text, "「" + a + "」と同じ内容です。");
    EXPECT_EQ(findings[1].outcome, "同じ支給が2回数えられ、この支給を受けた従業員の金額が2倍になる");
    EXPECT_EQ(findings[1].fix, "どちらか一方だけを指定してください。");
}

}  // namespace
