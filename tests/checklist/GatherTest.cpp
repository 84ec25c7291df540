#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "checklist/CheckListFile.h"
#include "checklist/Gather.h"
#include "checklist/Html.h"
#include "checklist/Sha256.h"
#include "items/CSormaItemCheck.h"
#include "platform/TextCodec.h"
#include "preflight/ReconciliationReport.h"
#include "support/PeriodFigures.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::test {
namespace {

std::string U(std::u8string_view text)
{
    return std::string(checklist::Utf8(text));
}

class Gather : public ::testing::Test {
protected:
    Gather() : messenger(box), store(messenger), items(dir.File("Corvane.ENV"))
    {
        job.employeeList = dir.Write("employees.txt", "従業員(一覧表),\"テスト<商事>\"\r\n\r\nコード,氏名\r\n0001,a");
        job.slots[4].path = dir.Write("salary-05.txt", "給与集計表,テスト<商事>,令和 6年分\r\n");
        job.slots[3].path = dir.Write("salary-04.txt", "給与集計表,テスト<商事>,令和 6年分\r\n");
        job.slots[12].path = dir.Write("bonus-1.txt",
                                       "賞与集計表,テスト<商事>,令和 6年分\r\n\r\n夏期賞与\r\n"
                                       "支給日：令和 6年 7月10日\r\n");
        job.outputPath = dir.Write("out.XML", "<xml/>\r\n");
        job.filingYear = "7";

        // Records out of period order, a figure that is no number, a period
        // without figures, and a leaver.
        store.SetSyain("0002", "佐藤<花子>");
        store.SetKyuuyoShouyo("0002", Figures(14, "500000", "70000", "3", "20000"));
        store.SetKyuuyoShouyo("0002", Figures(5, "310000", "46000", "", "abc"));
        store.SetKyuuyoShouyo("0002", Figures(4, "300000", "45000", "2", "5000"));
        store.SetSyain("0001", "山田太郎");
        store.SetKoumoku("0001", "20240430", "退職年月日");
        store.SetKyuuyoShouyo("0001", Figures(4, "200000", "30000", "0", "3000"));
        store.SetKyuuyoShouyo("0001", Figures(5, "", "", "", ""));
    }

    checklist::CheckList Make(bool written)
    {
        return checklist::Gather({job, items, findings, store, platform::SystemTextCodec()}, written);
    }

    TempDir dir;
    RecordingMessageBox box;
    platform::Messenger messenger;
    CExportXMLVeld store;
    CSormaItemCheck items;
    job::Job job;
    std::vector<preflight::Finding> findings;
};

TEST_F(Gather, PaymentsAndEmployeesAreTheStoresSumsAsTheReconciliationTableHasThem)
{
    const checklist::CheckList list = Make(true);
    ASSERT_EQ(list.payments.size(), 3u);
    EXPECT_EQ(list.payments[0].number, 4);
    EXPECT_EQ(list.payments[0].employees, 2);
    EXPECT_EQ(list.payments[0].amounts.gross, 500000);
    EXPECT_EQ(list.payments[0].file, job.slots[3].path);
    EXPECT_EQ(list.payments[1].employees, 1);  // the empty record has no figures
    EXPECT_EQ(list.payments[1].amounts.tax, 0);
    EXPECT_TRUE(list.payments[2].bonus);
    EXPECT_EQ(list.payments[2].number, 1);
    EXPECT_EQ(list.payments[2].paidOn, "2024/07/10");

    ASSERT_EQ(list.employees.size(), 2u);
    const checklist::EmployeeRow& sato = list.employees[0];
    EXPECT_EQ(sato.name, U(u8"佐藤<花子>"));
    EXPECT_EQ(sato.months, (std::vector<int>{4, 5}));
    EXPECT_EQ(sato.bonuses, (std::vector<int>{1}));
    EXPECT_EQ(sato.dependants, "2");  // the last salary month's, not the bonus's
    EXPECT_FALSE(sato.retired);
    EXPECT_TRUE(list.employees[1].retired);
    EXPECT_EQ(list.employees[1].retiredOn, "2024/04/30");

    // The reconciliation table's row of each employee holds the same sums.
    const std::string csv = preflight::ReconciliationCsv(store, {}, [](const std::string& p) { return p; }, {});
    for (const auto& row : list.employees) {
        const std::size_t start = csv.find("\r\n" + row.code + ",");
        ASSERT_NE(start, std::string::npos) << row.code;
        const std::string line = csv.substr(start + 2, csv.find("\r\n", start + 2) - start - 2);
        const std::string sums = "," + std::to_string(row.salary.gross) + "," + std::to_string(row.salary.deductions) +
                                 "," + std::to_string(row.salary.tax) + "," + std::to_string(row.bonus.gross) + "," +
                                 std::to_string(row.bonus.deductions) + "," + std::to_string(row.bonus.tax);
        ASSERT_GT(line.size(), sums.size());
        EXPECT_EQ(line.substr(line.size() - sums.size()), sums) << row.code;
    }
}

TEST_F(Gather, HeadingFindingsAndFiles)
{
    preflight::Finding finding;
    finding.kind = preflight::FindingKind::NotANumber;
    finding.level = preflight::Level::ToConfirm;
    finding.file = job.slots[4].path;
    finding.column = "所得税";
    finding.affected = {{"0002", "佐藤<花子>", 6, "abc", ""}};
    finding.fix = "直してください";
    findings = {finding};

    const checklist::CheckList list = Make(true);
    EXPECT_EQ(list.company, U(u8"テスト<商事>"));
    EXPECT_EQ(list.exportYear, U(u8"令和 6年分"));
    EXPECT_EQ(list.filingYear, "7");
    ASSERT_TRUE(list.output);
    EXPECT_EQ(list.output->size, 8u);
    EXPECT_EQ(list.output->sha256, checklist::Sha256Hex("<xml/>\r\n"));

    ASSERT_EQ(list.findings.size(), 1u);
    EXPECT_FALSE(list.findings[0].mustFix);
    EXPECT_EQ(list.findings[0].column, U(u8"所得税"));
    EXPECT_EQ(list.findings[0].fix, U(u8"直してください"));
    EXPECT_EQ(list.findings[0].affected[0].name, U(u8"佐藤<花子>"));
    EXPECT_TRUE(list.employees[0].flagged);
    EXPECT_FALSE(list.employees[1].flagged);

    // Inputs in slot order after the employee list; a last line without its
    // line end is counted.
    ASSERT_EQ(list.inputs.size(), 4u);
    EXPECT_EQ(list.inputs[0].role, U(u8"従業員一覧表"));
    EXPECT_EQ(list.inputs[0].file.lines, 4);
    EXPECT_EQ(list.inputs[1].role, U(u8"4月"));
    EXPECT_EQ(list.inputs[2].role, U(u8"5月"));
    EXPECT_EQ(list.inputs[3].role, U(u8"賞与1"));
    EXPECT_EQ(list.inputs[3].file.lines, 4);
    EXPECT_EQ(list.inputs[1].file.sha256, checklist::Sha256Hex(ReadFileBytes(job.slots[3].path)));
    ASSERT_EQ(list.items.size(), 4u);
    EXPECT_EQ(list.items[0].target, U(u8"総支給金額"));

    EXPECT_FALSE(Make(false).output);
}

TEST_F(Gather, APathForTheCheckListAndAFailureThatKeepsTheXml)
{
    EXPECT_EQ(checklist::CheckListPathFor("/a/b.c/out.XML"), U(u8"/a/b.c/out_確認表.html"));
    EXPECT_EQ(checklist::CheckListPathFor("/a/b.c/out"), U(u8"/a/b.c/out_確認表.html"));

    // A folder where the check list would go: the note says so, the XML stands.
    const std::string blocked = dir.File("blocked");
    ASSERT_TRUE(fileio::MakeFolders(blocked));
    const auto note =
        checklist::WriteCheckList({job, items, findings, store, platform::SystemTextCodec()}, blocked, messenger);
    EXPECT_TRUE(note.warning);
    EXPECT_EQ(note.text, "確認表を書き込めませんでした。中間ファイルは作成してあります。\n" + blocked);
    EXPECT_EQ(ReadFileBytes(job.outputPath), "<xml/>\r\n");

    const std::string path = checklist::CheckListPathFor(job.outputPath);
    const auto written =
        checklist::WriteCheckList({job, items, findings, store, platform::SystemTextCodec()}, path, messenger);
    EXPECT_FALSE(written.warning);
    EXPECT_EQ(written.text, "確認表を作成しました。\n" + path);
    EXPECT_NE(ReadFileBytes(path).find(U(u8"佐藤&lt;花子&gt;")), std::string::npos);
}

TEST_F(Gather, ThePreviewBeforeWritingGoesToATemporaryFileThatIsOpened)
{
    struct Shell : platform::ShellService {
        std::vector<std::string> opened;
        bool opens = true;
        bool Open(const std::string& path) override
        {
            opened.push_back(path);
            return opens;
        }
    } shell;
    job.outputPath = dir.File("preview.XML");
    const std::string path =
        checklist::ShowCheckListPreview({job, items, findings, store, platform::SystemTextCodec()}, shell, messenger);
    ASSERT_EQ(shell.opened, std::vector<std::string>{path});
    EXPECT_EQ(path.substr(fileio::LastSeparator(path) + 1), U(u8"preview_確認表.html"));
    EXPECT_EQ(path.rfind(dir.Path(), 0), std::string::npos);  // not beside the XML to come
    EXPECT_NE(ReadFileBytes(path).find(U(u8"まだ作成していません")), std::string::npos);
    EXPECT_FALSE(fileio::FileExists(job.outputPath));
    fileio::RemoveFile(path);

    // No program to open it: the clerk is told where the file is.
    shell.opens = false;
    const std::string unopened =
        checklist::ShowCheckListPreview({job, items, findings, store, platform::SystemTextCodec()}, shell, messenger);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{checklist::NotOpenedMessage(unopened, messenger)});
    fileio::RemoveFile(unopened);
}

}  // namespace
}  // namespace corvane::test
