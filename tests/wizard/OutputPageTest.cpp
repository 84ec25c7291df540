#include <gtest/gtest.h>

#include <filesystem>

#include "checklist/CheckListFile.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "preflight/FindingText.h"
#include "job/JobMessages.h"
#include "job/JobSteps.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::ControlId;
using platform::Icon;
using platform::PageId;

const int kOutput = static_cast<int>(PageId::Output);

// The completion message of the wizard, whose check list box is checked by default.
// The last message of a run that wrote its check list beside `output`, after
// `completed` (the clean run's, or the one that counts the findings).
std::string CompletedWithCheckList(const std::string& output, platform::MessageBoxService& box,
                                   const std::string& completed = ConversionCompletedMessage())
{
    const std::string path = checklist::CheckListPathFor(output);
    return completed + "\n\n" + checklist::CheckListNote(true, path, platform::Messenger(box)).text;
}

class OutputPage : public WizardTest {
protected:
    OutputPage() : employees(CleanEmployees()) {}

    // Runs `steps` on the output page, reached with the employee list alone
    // (or with `salary`), then cancels if the wizard is still open.
    void OnPage(const std::function<void(FakeWizard&)>& steps, int functionId = 1, const std::string& output = "",
                const std::string& salary = "")
    {
        RunSheet(
            [&](FakeWizard& w) {
                ToSalaryPage(fake, w, employees);
                if (!salary.empty())
                    ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
                w.Next();
                w.Next();
                if (w.Page() == static_cast<int>(PageId::ItemCorrespondence))
                    w.Next();
                ASSERT_EQ(w.Page(), kOutput);
                steps(w);
                if (!w.IsClosed())
                    CancelAndDiscard(fake, w);
            },
            functionId, output);
        ExpectNoErrors();
    }

    std::string employees;
};

TEST_F(OutputPage, WithoutAnOutputPathNothingEnablesFinish)
{
    OnPage([&](FakeWizard& w) {
        EXPECT_EQ(w.Text(ControlId::LocationEdit), "");
        EXPECT_EQ(w.Text(ControlId::NameEdit), "");
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizDisabledFinish);
        EXPECT_EQ(w.Text(ControlId::OutputPageText),
                  "作成するデータの保存先と名称を入力して、[完了]ボタンを押してください。\n"
                  "年調･法定調書データの作成を開始します。");
        w.Type(ControlId::NameEdit, "report");
        EXPECT_FALSE(w.CanFinish());
        EXPECT_TRUE(w.Enabled(ControlId::OutputBrowse));
    });
    EXPECT_EQ(sheet->Job().outputPath, "");
}

TEST_F(OutputPage, BrowseProposesTheCompanyNameAndShowsTheChosenPath)
{
    const std::string chosen = dir.File("chosen.XML");
    OnPage([&](FakeWizard& w) {
        fake.QueueSaveCancel();
        w.Press(ControlId::OutputBrowse);
        EXPECT_FALSE(w.CanFinish());
        EXPECT_EQ(w.Controls().ToolTip(ControlId::LocationEdit), "");
        fake.QueueSave(chosen);
        w.Press(ControlId::OutputBrowse);
        EXPECT_EQ(w.Text(ControlId::LocationEdit), std::filesystem::path(dir.Path()).filename().string());
        // The field shows the folder's last part; its tooltip the whole folder.
        EXPECT_EQ(w.Controls().ToolTip(ControlId::LocationEdit), dir.Path());
        EXPECT_EQ(w.Text(ControlId::NameEdit), "chosen.XML");
        EXPECT_TRUE(w.CanFinish());
    });
    EXPECT_EQ(sheet->Job().outputPath, chosen);
    ASSERT_EQ(fake.SaveRequests().size(), 2u);
    const auto& r = fake.SaveRequests()[0];
    EXPECT_EQ(r.title, "名前を付けて保存");
    EXPECT_EQ(r.defaultExtension, "XML");
    EXPECT_EQ(r.filter, "中間ファイル(*.XML) |*.XML|全てのファイル(*.*) |*.*|| ");
    // In the company's export folder, whatever folder the last client's file went to.
    EXPECT_EQ(r.initialFileName, dir.File("テスト&商事<株>.XML"));
    EXPECT_TRUE(r.confirmOverwrite);
    EXPECT_TRUE(r.hideReadOnly);
}

TEST_F(OutputPage, ANameTypedBeforeBrowseIsTheOneProposed)
{
    OnPage([&](FakeWizard& w) {
        for (const std::string typed : {"report", "x.xml", "a?b"}) {
            w.Type(ControlId::NameEdit, typed);
            fake.QueueSaveCancel();
            w.Press(ControlId::OutputBrowse);
        }
    });
    ASSERT_EQ(fake.SaveRequests().size(), 3u);
    EXPECT_EQ(fake.SaveRequests()[0].initialFileName, dir.File("report.XML"));
    EXPECT_EQ(fake.SaveRequests()[1].initialFileName, dir.File("x.xml"));
    // No file name: the company's.
    EXPECT_EQ(fake.SaveRequests()[2].initialFileName, dir.File("テスト&商事<株>.XML"));
    EXPECT_EQ(sheet->Job().outputPath, "");
}

// 表示 in UTF-8, the path encoding on every platform.
const char kHyouji[] = "\xE8\xA1\xA8\xE7\xA4\xBA";

struct NameCase {
    const char* name;
    std::string typed;
    bool finish;
    std::string fileName;  // of the output path afterwards
};

class NameCheck : public OutputPage, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameCheck, TypedNamesChangeTheOutputPathWhenTheyAreFileNames)
{
    const auto& c = GetParam();
    const std::string old = dir.File("old.XML");
    OnPage(
        [&](FakeWizard& w) {
            EXPECT_TRUE(w.CanFinish());
            w.Type(ControlId::NameEdit, c.typed);
            EXPECT_EQ(w.CanFinish(), c.finish);
            EXPECT_EQ(w.Text(ControlId::NameEdit), c.typed);
        },
        1, old);
    EXPECT_EQ(sheet->Job().outputPath, dir.File(c.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameCheck,
    ::testing::Values(NameCase{"Plain", "report", true, "report.XML"},
                      NameCase{"LowerCaseExtensionKept", "abc.xml", true, "abc.xml"},
                      NameCase{"ExtensionKept", "abc.XML", true, "abc.XML"},
                      NameCase{"OtherExtensionGetsXml", "abc.txt", true, "abc.txt.XML"},
                      NameCase{"SameName", "old.XML", true, "old.XML"}, NameCase{"Empty", "", false, "old.XML"},
                      NameCase{"Question", "a?b", false, "old.XML"}, NameCase{"Backslash", "a\\b", false, "old.XML"},
                      NameCase{"Slash", "a/b", false, "old.XML"}, NameCase{"Colon", "a:b", false, "old.XML"},
                      NameCase{"Star", "a*b", false, "old.XML"}, NameCase{"Quote", "a\"b", false, "old.XML"},
                      NameCase{"Less", "a<b", false, "old.XML"}, NameCase{"Greater", "a>b", false, "old.XML"},
                      NameCase{"Bar", "a|b", false, "old.XML"},
                      // 表 ends in 0x5C in code page 932; a path name holds it in UTF-8.
                      NameCase{"TrailByteLikeBackslash", kHyouji, true, std::string(kHyouji) + ".XML"}),
    [](const auto& param) { return std::string(param.param.name); });

struct YearCase {
    const char* name;
    std::string typed;
    bool accepted;
};

class FilingYear : public OutputPage, public ::testing::WithParamInterface<YearCase> {};

TEST_P(FilingYear, OnlyALeadingNumberFrom1To98Passes)
{
    const auto& c = GetParam();
    const std::string output = dir.File("out.XML");
    OnPage(
        [&](FakeWizard& w) {
            w.Type(ControlId::YearEdit, c.typed);
            EXPECT_EQ(w.Finish(), c.accepted ? -1 : kOutput);
        },
        3, output);
    if (c.accepted) {
        EXPECT_TRUE(fake.Messages().empty());
        EXPECT_EQ(sheet->Job().filingYear, c.typed);
        EXPECT_TRUE(fileio::FileExists(output));
    } else {
        EXPECT_EQ(Texts(), std::vector<std::string>{job::FilingYearRefusedMessage()});
        EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
        EXPECT_EQ(fake.Messages()[0].waitDepth, 1);
        EXPECT_EQ(sheet->Job().filingYear, "26");
        EXPECT_FALSE(fileio::FileExists(output));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FilingYear,
                         ::testing::Values(YearCase{"TwentySix", "26", true}, YearCase{"One", "1", true},
                                           YearCase{"NinetyEight", "98", true}, YearCase{"WithEra", "26年", true},
                                           YearCase{"LeadingBlank", " 26", true}, YearCase{"Zero", "0", false},
                                           YearCase{"NinetyNine", "99", false}, YearCase{"Empty", "", false},
                                           YearCase{"Letters", "abc", false}, YearCase{"Negative", "-5", false},
                                           YearCase{"Overflowing", "4294967322", false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(OutputPage, InJanuaryTheYearFollowsTheSummariesAndFullWidthDigitsPass)
{
    // 15 January 2027: last year's adjustment, 令和 8年分, is still being made.
    fake.SetToday({2027, 1, 15});
    const std::string salary =
        Write("salary-04.txt", Replaced(TestDataBytes("engine/edge/salary-04.txt"), "給与集計表,テスト&商事<株>",
                                        "給与集計表,テスト&商事<株>,令和 8年分"));
    const std::string output = dir.File("out.XML");
    OnPage(
        [&](FakeWizard& w) {
            EXPECT_EQ(w.Text(ControlId::YearEdit), "8");
            // A year typed and kept through 戻る is not replaced.
            w.Type(ControlId::YearEdit, "７");
            w.Back();
            w.Next();
            EXPECT_EQ(w.Text(ControlId::YearEdit), "7");
            w.Type(ControlId::YearEdit, "８");
            fake.QueueAnswer(platform::Answer::Yes);  // the unlisted code of the fixture
            EXPECT_EQ(w.Finish(), -1);
        },
        3, output, salary);
    EXPECT_EQ(sheet->Job().filingYear, "8");
    EXPECT_NE(ReadFileBytes(output).find("<SINKOKUNENDO>8</SINKOKUNENDO>"), std::string::npos);

    // The employee list alone keeps the year of today's era.
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Text(ControlId::YearEdit), "9"); });
}

TEST_F(OutputPage, MissingFilesAreListedAndNothingIsConverted)
{
    const std::string salary = Salary(4);
    const std::string output = dir.File("out.XML");
    OnPage(
        [&](FakeWizard& w) {
            std::filesystem::remove(salary);
            std::filesystem::remove(employees);
            EXPECT_EQ(w.Finish(), kOutput);
        },
        1, output, salary);
    EXPECT_EQ(Texts(), std::vector<std::string>{
                           job::messages::MissingFilesHead() + job::messages::MissingEmployeeListSection() + employees +
                           "\n" + job::messages::MissingSummariesSection() + "(給与 04月分)" + salary + "\n"});
    EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
    EXPECT_EQ(fake.Messages()[0].waitDepth, 0);
    EXPECT_FALSE(fileio::FileExists(output));
    EXPECT_FALSE(fileio::FileExists(SettingsPath()));
}

TEST_F(OutputPage, BackStoresTheYearAndPassesOverTheCorrespondencePageWhenNotNeeded)
{
    OnPage([&](FakeWizard& w) {
        w.Type(ControlId::YearEdit, "30");
        EXPECT_EQ(w.Back(), static_cast<int>(PageId::BonusFiles));
        w.Next();
        EXPECT_EQ(w.Text(ControlId::YearEdit), "30");
    });
    EXPECT_EQ(sheet->Job().filingYear, "30");
}

TEST_F(OutputPage, BackWithANonStandardReferenceGoesToTheCorrespondencePage)
{
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Back(), static_cast<int>(PageId::ItemCorrespondence)); }, 1, "", Salary(4));
}

TEST_F(OutputPage, StartedWithAPathWithoutFolderFinishCanNeverBeEnabled)
{
    OnPage(
        [&](FakeWizard& w) {
            EXPECT_EQ(w.Text(ControlId::LocationEdit), "");
            EXPECT_EQ(w.Text(ControlId::NameEdit), "out.XML");
            EXPECT_FALSE(w.CanFinish());
            w.Type(ControlId::YearEdit, "27");
            EXPECT_FALSE(w.CanFinish());
        },
        3, "out.XML");
}

TEST_F(OutputPage, ASettingsFileThatCannotBeWrittenIsReportedAndTheFileStands)
{
    std::filesystem::create_directory(SettingsPath());
    const std::string output = dir.File("out.XML");
    OnPage(
        [&](FakeWizard& w) {
            // The salary fixture names an employee that the list lacks.
            fake.QueueAnswer(platform::Answer::Yes);
            EXPECT_EQ(w.Finish(), -1);
        },
        1, output, Salary(4));
    ASSERT_EQ(fake.Messages().size(), 3u);
    ExpectFindingsQuestion(fake.Messages()[0]);
    auto texts = Texts();
    texts.erase(texts.begin());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         CompletedWithCheckList(output, fake, preflight::CompletedWithFindingsMessage("要修正 1人")),
                         job::messages::SettingsNotSaved() + SettingsPath()}));
    EXPECT_EQ(fake.Messages()[2].icon, Icon::Warning);
    EXPECT_TRUE(fileio::FileExists(output));
}

TEST_F(OutputPage, AConversionWithoutEmployeesKeepsTheWizardOpen)
{
    employees = Write("employees.txt", "従業員(一覧表),テスト&商事<株>\r\n\r\nコード,氏名\r\n");
    const std::string output = dir.File("out.XML");
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Finish(), kOutput); }, 1, output);
    EXPECT_EQ(Texts(), std::vector<std::string>{CSormaKyuuyo::NoEmployeesMessage() + employees});
    EXPECT_FALSE(fileio::FileExists(output));
    EXPECT_FALSE(fileio::FileExists(SettingsPath()));
    EXPECT_EQ(fake.WaitDepth(), 0);
}

TEST_F(OutputPage, FindingsAreAskedAboutAndNoLeavesEverythingAsEntered)
{
    // The salary file names an employee the list lacks, and the list holds
    // dates that convert to none.
    employees = Employees();
    const std::string output = dir.File("out.XML");
    dir.Write("out.XML", "existing");
    OnPage(
        [&](FakeWizard& w) {
            w.Type(ControlId::YearEdit, "8");
            // 確認表を表示 first: the check list of what would be written, in
            // a temporary file; the box stays open for the answer.
            fake.QueueFindingsPresses({FakePlatform::FindingsPress::Checklist});
            fake.QueueAnswer(platform::Answer::No);
            EXPECT_EQ(w.Finish(), kOutput);
            EXPECT_EQ(w.Text(ControlId::YearEdit), "8");
            EXPECT_EQ(w.Text(ControlId::NameEdit), "out.XML");
            EXPECT_EQ(ReadFileBytes(output), "existing");
            EXPECT_FALSE(fileio::FileExists(SettingsPath()));

            fake.QueueAnswer(platform::Answer::Yes);
            EXPECT_EQ(w.Finish(), -1);
        },
        1, output, Salary(4));
    ASSERT_EQ(fake.Messages().size(), 3u);
    ASSERT_EQ(fake.ShellOpened().size(), 2u);  // the preview, then the check list beside the XML
    const std::string preview = fake.ShellOpened()[0];
    const std::string beside = checklist::CheckListPathFor(output);
    EXPECT_NE(preview, beside);
    EXPECT_EQ(preview.substr(fileio::LastSeparator(preview) + 1), beside.substr(fileio::LastSeparator(beside) + 1));
    EXPECT_TRUE(fileio::FileExists(preview));
    fileio::RemoveFile(preview);
    EXPECT_EQ(fake.ShellOpened()[1], beside);
    for (const std::size_t i : {0u, 1u}) {
        const auto& question = fake.Messages()[i];
        EXPECT_TRUE(question.offersChecklist);
        ExpectFindingsQuestion(question);
        EXPECT_EQ(question.waitDepth, 1);  // asked inside the finish action
        // Counted in people: one employee has both dates wrong.
        EXPECT_NE(question.text.find("・従業員一覧表にない従業員コード：1人\n・日付に変換できない値：1人\n"),
                  std::string::npos)
            << question.text;
        EXPECT_NE(
            question.details.find("【要修正】従業員一覧表にない従業員コード\n" + dir.File("salary-04.txt") + "\n"),
            std::string::npos)
            << question.details;
    }
    EXPECT_EQ(fake.Messages()[2].text,
              CompletedWithCheckList(output, fake, preflight::CompletedWithFindingsMessage("要修正 2人")));
    EXPECT_NE(ReadFileBytes(output), "existing");
    EXPECT_TRUE(fileio::FileExists(SettingsPath()));
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

TEST_F(OutputPage, AnOutputFileThatIsAnExportIsRefusedBeforeTheConversion)
{
    const std::string salary = Salary(4);
    const std::string before = ReadFileBytes(salary);
    // The salary export, named through a detour that the path alone does not show.
    const std::string detour =
        dir.File(".") + fileio::PathSeparator() + std::filesystem::path(salary).filename().string();
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Finish(), kOutput); }, 1, detour, salary);
    EXPECT_EQ(Texts(), std::vector<std::string>{job::messages::OutputIsAnExport() +
                                                job::messages::ChooseAnotherOutput() + detour});
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
    EXPECT_EQ(ReadFileBytes(salary), before);
    EXPECT_FALSE(fileio::FileExists(SettingsPath()));
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

class CheckListBox : public OutputPage {
protected:
    // Finishes with the box as `checked`; returns the check list's path.
    std::string Finish(bool checked)
    {
        OnPage([&](FakeWizard& w) {
            EXPECT_TRUE(w.Controls().IsChecked(ControlId::CheckListBox));
            if (!checked)
                w.Controls().SetCheck(ControlId::CheckListBox, false);
            fake.QueueSave(output);
            w.Press(ControlId::OutputBrowse);
            EXPECT_EQ(w.Finish(), -1);
        });
        return checklist::CheckListPathFor(output);
    }

    std::string output = dir.File("out.XML");
    platform::Messenger messenger{fake};
};

TEST_F(CheckListBox, CheckedByDefaultItWritesTheListBesideTheXmlOpensItAndNamesIt)
{
    const std::string path = Finish(true);
    EXPECT_NE(ReadFileBytes(path).find("<!DOCTYPE html>"), std::string::npos);
    EXPECT_EQ(fake.ShellOpened(), std::vector<std::string>{path});
    ASSERT_FALSE(fake.Messages().empty());
    EXPECT_EQ(fake.Messages().back().text, CompletedWithCheckList(output, fake));
    EXPECT_EQ(fake.Messages().back().icon, Icon::Information);
}

TEST_F(CheckListBox, UncheckedNothingMoreIsWritten)
{
    const std::string path = Finish(false);
    EXPECT_TRUE(fileio::FileExists(output));
    EXPECT_FALSE(fileio::FileExists(path));
    EXPECT_TRUE(fake.ShellOpened().empty());
    EXPECT_EQ(fake.Messages().back().text, ConversionCompletedMessage());
}

TEST_F(CheckListBox, AListThatCannotBeWrittenIsSaidAndTheXmlStays)
{
    ASSERT_TRUE(fileio::MakeFolders(checklist::CheckListPathFor(output)));
    const std::string path = Finish(true);
    EXPECT_TRUE(fileio::FileExists(output));
    EXPECT_TRUE(fake.ShellOpened().empty());
    EXPECT_EQ(fake.Messages().back().text,
              ConversionCompletedMessage() + "\n\n" + checklist::CheckListNote(false, path, messenger).text);
    EXPECT_EQ(fake.Messages().back().icon, Icon::Warning);
}

}  // namespace
}  // namespace corvane::test
