#include <gtest/gtest.h>

#include <filesystem>

#include "job/JobSteps.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::ControlId;
using platform::Icon;

const std::string& kRefused = job::EmployeeListRefusedMessage();

class StartPage : public WizardTest {};

TEST_F(StartPage, SimpleModeSurvivesGoingBackAndIsStoredAsZero)
{
    RunSheet([](FakeWizard& w) {
        w.Check(ControlId::SimpleModeRadio);
        w.Next();
        w.Back();
        EXPECT_TRUE(w.Controls().IsChecked(ControlId::SimpleModeRadio));
        EXPECT_FALSE(w.Controls().IsChecked(ControlId::StandardModeRadio));
        w.Next();
        w.Cancel();
    });
    ExpectNoErrors();
    EXPECT_EQ(sheet->Job().mode, TransferMode::Easy);
}

class EmployeePage : public WizardTest {
protected:
    void ToPage(FakeWizard& w) { w.Next(); }
    void Choose(FakeWizard& w, const std::string& path) { ChooseFiles(fake, w, ControlId::EmployeeBrowse, {path}); }
};

TEST_F(EmployeePage, AValidListIsShownStoredAndYieldsTheCompany)
{
    const std::string employees = Employees();
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        Choose(w, employees);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizNext);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(sheet->Job().employeeList, employees);
    EXPECT_EQ(sheet->Job().companyName, "テスト&商事<株>");
    ASSERT_EQ(fake.OpenRequests().size(), 1u);
    const auto& r = fake.OpenRequests()[0];
    EXPECT_EQ(r.title, "従業員一覧表ファイルを選択（TXTファイル）");
    EXPECT_EQ(r.filter, "TXTﾌｧｲﾙ(*.TXT) |*.TXT|すべてのﾌｧｲﾙ(*.*) |*.*|| ");
    EXPECT_EQ(r.defaultExtension, "TXT");
    EXPECT_EQ(r.initialFileName, "");
    EXPECT_FALSE(r.multiSelect);
    EXPECT_TRUE(r.fileMustExist);
    EXPECT_TRUE(r.hideReadOnly);
}

TEST_F(EmployeePage, ASalarySummaryIsRefusedAndTheListChosenBeforeStays)
{
    const std::string employees = Employees();
    const std::string salary = Salary(4);
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        Choose(w, employees);
        Choose(w, salary);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizNext);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    ASSERT_EQ(fake.Messages().size(), 1u);
    // The fixed text, then the file and what it is.
    EXPECT_EQ(fake.Messages()[0].text, kRefused + "\n\n" + salary + "\n　このファイルは給与の集計表です。\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
    EXPECT_EQ(fake.Messages()[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(sheet->Job().employeeList, employees);
    EXPECT_EQ(sheet->Job().companyName, "テスト&商事<株>");
    // The dialog proposed the file shown before.
    EXPECT_EQ(fake.OpenRequests()[1].initialFileName, employees);
}

TEST_F(EmployeePage, CancellingTheDialogChangesNothing)
{
    const std::string employees = Employees();
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        Choose(w, employees);
        fake.QueueOpenCancel();
        w.Press(ControlId::EmployeeBrowse);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        EXPECT_TRUE(w.CanNext());
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(sheet->Job().employeeList, employees);
}

// What becomes of the summary slots and the correspondence choices when
// the employee list is chosen again: a refused file changes nothing.
struct ReChoice {
    const char* name;
    bool sameFile;
    bool valid;
    bool slotsKept;
};

class EmployeeListChangedAgain : public EmployeePage, public ::testing::WithParamInterface<ReChoice> {};

TEST_P(EmployeeListChangedAgain, EmptiesEverythingChosenAfterIt)
{
    const auto& c = GetParam();
    const std::string employees = Employees();
    const std::string other = Employees("employees-2.txt");
    const std::string salary = Salary(4);
    const std::string bonus = Bonus();
    const std::string refused = Salary(5);
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        Choose(w, employees);
        w.Next();
        ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
        w.Next();
        ChooseFiles(fake, w, ControlId::BonusBrowse2, {bonus});
        w.Next();  // prepares the correspondence
        EXPECT_EQ(w.Page(), 4);
        w.Back();
        w.Back();
        w.Back();
        Choose(w, c.sameFile ? employees : c.valid ? other : refused);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), c.sameFile || !c.valid ? employees : other);
        w.Next();
        // The salary list shows the slots as they are now.
        EXPECT_EQ(w.Controls().ListCell(ControlId::SalaryList, 3, 1), c.slotsKept ? salary : "");
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_EQ(sheet->Job().slots[3].path, c.slotsKept ? salary : "");
    EXPECT_EQ(sheet->Job().slots[13].path, c.slotsKept ? bonus : "");
    EXPECT_EQ(sheet->Job().slots[3].label, "給与 04月分");
    EXPECT_EQ(sheet->Items().Entries()[0].chosenPayrollItem, c.slotsKept ? "課税支給合計" : "");
    EXPECT_EQ(sheet->Items().Entries()[0].chosenPosition, c.slotsKept ? 2 : -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, EmployeeListChangedAgain,
                         ::testing::Values(ReChoice{"SameFile", true, true, true},
                                           ReChoice{"AnotherValidList", false, true, false},
                                           ReChoice{"ARefusedFile", false, false, true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(EmployeePage, AVanishedListDisablesNextButKeepsTheField)
{
    const std::string employees = Employees();
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        Choose(w, employees);
        w.Next();
        std::filesystem::remove(employees);
        w.Back();
        EXPECT_EQ(w.Buttons(), platform::kWizBack);
        EXPECT_EQ(w.Text(ControlId::EmployeePath), employees);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(EmployeePage, TheGuideIsOpenedWhereItIsOrNamedWhenMissing)
{
    const auto pressGuide = [&] {
        RunSheet([&](FakeWizard& w) {
            ToPage(w);
            w.Press(ControlId::EmployeeGuide);
            w.Cancel();
        });
    };
    // None anywhere: a warning names the file next to the program, nothing is opened.
    pressGuide();
    ExpectNoErrors();
    EXPECT_TRUE(fake.ShellOpened().empty());
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, "操作説明書のファイルが見つかりません。\n" + dir.File("OperationGuide1.PDF"));
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);

    // Next to the program it is opened without a word.
    Write("OperationGuide1.PDF", "%PDF-1.4\n");
    pressGuide();
    EXPECT_EQ(fake.ShellOpened(), (std::vector<std::string>{dir.File("OperationGuide1.PDF")}));
    EXPECT_EQ(fake.Messages().size(), 1u);

    // No program opens it: a warning names the guide.
    fake.SetShellFails(true);
    pressGuide();
    EXPECT_EQ(fake.ShellOpened().size(), 2u);
    ASSERT_EQ(fake.Messages().size(), 2u);
    EXPECT_EQ(fake.Messages()[1].text,
              "操作説明書を開けませんでした。PDFを表示するプログラムがインストールされていないか、"
              "PDFファイルに関連付けられていません。\n" +
                  dir.File("OperationGuide1.PDF"));
    EXPECT_EQ(fake.Messages()[1].icon, Icon::Warning);
}

#ifndef _WIN32
TEST_F(EmployeePage, AnInstalledProgramFindsItsGuideInTheSharedDataFolder)
{
    std::filesystem::create_directories(dir.File("bin"));
    std::filesystem::create_directories(dir.File("share/corvane"));
    fake.SetExecutablePath(dir.File("bin/corvane"));
    const std::string guide = Write("share/corvane/OperationGuide1.PDF", "%PDF-1.4\n");
    RunSheet([&](FakeWizard& w) {
        ToPage(w);
        w.Press(ControlId::EmployeeGuide);
        w.Cancel();
    });
    ExpectNoErrors();
    EXPECT_TRUE(fake.Messages().empty());
    EXPECT_EQ(fake.ShellOpened(), (std::vector<std::string>{guide}));
}
#endif

}  // namespace
}  // namespace corvane::test
