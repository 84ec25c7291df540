#include <gtest/gtest.h>

#include "job/JobMessages.h"
#include "job/JobSteps.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::Answer;
using platform::ControlId;
using platform::Icon;
using platform::PageId;

const std::string& kRefused = job::BonusFileRefusedMessage();
const std::string kConditions =
    job::messages::NotCorrectFile() + job::messages::ChooseBonusSummary() + job::messages::NotSameConditionsSection();

// A summary in the standard layout: the four usual headings come first.
std::string StandardLayoutBonus()
{
    return "賞与集計表,テスト&商事<株>\r\n\r\n夏期賞与\r\n\r\n"
           "課税支給合計,社会保険料計,扶養人数,所得税,コード\r\n"
           "1000,100,1,10,001\r\n";
}

class BonusPage : public WizardTest {
protected:
    BonusPage() : employees(Employees()) {}

    // Runs `steps` on the bonus files page (salary files `salary` chosen), then cancels.
    void OnPage(const std::function<void(FakeWizard&)>& steps, const std::vector<std::string>& salary = {})
    {
        RunSheet([&](FakeWizard& w) {
            ToSalaryPage(fake, w, employees);
            if (!salary.empty())
                ChooseFiles(fake, w, ControlId::SalaryBrowse, salary);
            w.Next();
            ASSERT_EQ(w.Page(), 3);
            steps(w);
            if (!w.IsClosed())
                CancelAndDiscard(fake, w);
        });
        ExpectNoErrors();
    }
    void Choose(FakeWizard& w, int row, const std::string& path)
    {
        ChooseFiles(fake, w, platform::BonusBrowseControl(row), {path});
    }

    std::string employees;
};

TEST_F(BonusPage, EachRowsButtonFillsItsOwnSlot)
{
    const std::string bonus = Bonus();
    const std::string winter = Bonus("bonus-2.txt");
    OnPage([&](FakeWizard& w) {
        EXPECT_EQ(w.Buttons(), platform::kWizBack | platform::kWizNext);
        Choose(w, 3, bonus);
        Choose(w, 5, winter);
        EXPECT_EQ(w.Text(ControlId::BonusPath3), bonus);
        EXPECT_EQ(w.Text(ControlId::BonusPath5), winter);
        EXPECT_EQ(w.Text(ControlId::BonusPath1), "");
    });
    EXPECT_EQ(sheet->Job().slots[14].path, bonus);
    EXPECT_EQ(sheet->Job().slots[16].path, winter);
    EXPECT_EQ(sheet->Job().slots[14].label, "賞与 03回分");
    EXPECT_TRUE(fake.Messages().empty());
    const auto& r = fake.OpenRequests().back();
    EXPECT_EQ(r.title, "賞与ファイルを選択（TXTファイル）");
    EXPECT_EQ(r.filter, "TXTﾌｧｲﾙ(*.TXT) |*.TXT|すべてのﾌｧｲﾙ(*.*) |*.*|| ");
    EXPECT_EQ(r.defaultExtension, "TXT");
    EXPECT_FALSE(r.multiSelect);
    EXPECT_TRUE(r.fileMustExist);
}

TEST_F(BonusPage, TheFocusedRowDecidesWhichSlotTheFileGoesTo)
{
    const std::string bonus = Bonus();
    OnPage([&](FakeWizard& w) {
        // The path field of row 2 has the focus when row 4's command arrives.
        fake.QueueOpen({bonus});
        w.Focus(ControlId::BonusPath2);
        w.Command(ControlId::BonusBrowse4);
        EXPECT_EQ(w.Text(ControlId::BonusPath2), bonus);
        EXPECT_EQ(w.Text(ControlId::BonusPath4), "");
        // Focus outside the rows: nothing is asked.
        w.Focus(ControlId::BonusIntro);
        w.Command(ControlId::BonusBrowse1);
    });
    EXPECT_EQ(sheet->Job().slots[13].path, bonus);
    EXPECT_EQ(sheet->Job().slots[15].path, "");
    EXPECT_EQ(fake.OpenRequests().size(), 2u);
}

TEST_F(BonusPage, ARefusedFileLeavesTheRowAsItWas)
{
    const std::string bonus = Bonus();
    const std::string otherCompany =
        Write("other.txt", Replaced(TestDataBytes("engine/edge/bonus-1.txt"), "テスト&商事<株>", "別会社"));
    OnPage([&](FakeWizard& w) {
        Choose(w, 1, bonus);
        Choose(w, 1, otherCompany);
        EXPECT_EQ(w.Text(ControlId::BonusPath1), bonus);
    });
    EXPECT_EQ(sheet->Job().slots[12].path, bonus);
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kRefused + otherCompany + "\n　別の関与先（別会社）のファイルです。\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
    EXPECT_EQ(fake.Messages()[0].buttons, platform::Buttons::Ok);
}

TEST_F(BonusPage, AFileInAnotherSlotOrASalarySummaryIsRefused)
{
    const std::string bonus = Bonus();
    const std::string april = Salary(4);
    const std::string aprilCopy = Write("april-copy.txt", ReadFileBytes(april));
    OnPage(
        [&](FakeWizard& w) {
            Choose(w, 1, bonus);
            Choose(w, 1, bonus);  // the same row may take it again
            Choose(w, 2, bonus);
            Choose(w, 3, april);
            Choose(w, 4, aprilCopy);
            EXPECT_EQ(w.Text(ControlId::BonusPath2), "");
            EXPECT_EQ(w.Text(ControlId::BonusPath3), "");
            EXPECT_EQ(w.Text(ControlId::BonusPath4), "");
        },
        {april});
    EXPECT_EQ(sheet->Job().slots[12].path, bonus);
    for (std::size_t slot = 13; slot <= 15; ++slot)
        EXPECT_EQ(sheet->Job().slots[slot].path, "");
    EXPECT_EQ(Texts(), (std::vector<std::string>{kRefused + bonus + "\n　すでに賞与 1回目に選択されています。\n",
                                                 kRefused + april + "\n　すでに4月に選択されています。\n",
                                                 kRefused + aprilCopy + "\n　このファイルは給与の集計表です。\n"}));
}

TEST_F(BonusPage, ClearAsksAndEmptiesAllFiveRowsOnOk)
{
    const std::string bonus = Bonus();
    const std::string winter = Bonus("bonus-2.txt");
    for (const auto answer : {Answer::Cancel, Answer::Ok}) {
        SCOPED_TRACE(answer == Answer::Ok ? "ok" : "cancel");
        fake.QueueAnswer(answer);
        OnPage([&](FakeWizard& w) {
            Choose(w, 1, bonus);
            Choose(w, 4, winter);
            w.Press(ControlId::BonusClear);
            EXPECT_EQ(w.Text(ControlId::BonusPath1), answer == Answer::Ok ? "" : bonus);
            EXPECT_EQ(w.Text(ControlId::BonusPath4), answer == Answer::Ok ? "" : winter);
        });
        EXPECT_EQ(sheet->Job().slots[12].path, answer == Answer::Ok ? "" : bonus);
        EXPECT_EQ(sheet->Job().slots[15].path, answer == Answer::Ok ? "" : winter);
        EXPECT_EQ(sheet->Job().slots[15].label, "賞与 04回分");
        ASSERT_FALSE(fake.Messages().empty());
        EXPECT_EQ(fake.Messages().back().text, "賞与 1回目～5回目の全ての設定内容をクリアします。\nよろしいですか？");
        EXPECT_EQ(fake.Messages().back().icon, Icon::Exclamation);
        EXPECT_EQ(fake.Messages().back().buttons, platform::Buttons::OkCancel);
    }
}

TEST_F(BonusPage, NextWithNoFileAtAllGoesStraightToTheOutputPage)
{
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Next(), static_cast<int>(PageId::Output)); });
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(BonusPage, NextListsEveryFileWhoseConditionsDifferInSlotOrder)
{
    const std::string april = Salary(4);
    const std::string differing =
        Write("b-diff.txt", Replaced(TestDataBytes("engine/edge/bonus-1.txt"), ",所得税", ",所得税,住民税"));
    const std::string differing2 = Write("b-diff2.txt", ReadFileBytes(differing));
    const std::string good = Bonus();
    OnPage(
        [&](FakeWizard& w) {
            Choose(w, 2, differing);
            Choose(w, 3, good);
            Choose(w, 5, differing2);
            EXPECT_EQ(w.Next(), 3);
        },
        {april});
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kConditions + differing + "\n" + differing2 + "\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
}

TEST_F(BonusPage, ASalaryFileThatChangedSinceItsPageIsListedWithTheSameMessage)
{
    const std::string april = Salary(4);
    const std::string may = Salary(5);
    OnPage(
        [&](FakeWizard& w) {
            Write("salary-05.txt", Replaced(ReadFileBytes(may), ",所得税", ",所得税,住民税"));
            EXPECT_EQ(w.Next(), 3);
        },
        {april, may});
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kConditions + may + "\n");
}

TEST_F(BonusPage, AStandardLayoutPassesOverTheCorrespondencePageWithTheDefaults)
{
    const std::string standard = Write("standard.txt", StandardLayoutBonus());
    OnPage([&](FakeWizard& w) {
        Choose(w, 2, standard);
        EXPECT_EQ(w.Next(), static_cast<int>(PageId::Output));
    });
    const auto& entries = sheet->Items().Entries();
    EXPECT_EQ(entries[0].chosenPayrollItem, "課税支給合計");
    EXPECT_EQ(entries[3].chosenPayrollItem, "所得税");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(entries[static_cast<std::size_t>(i)].chosenPosition, i);
}

TEST_F(BonusPage, OnlyBonusFilesMakeTheFirstChosenBonusTheReference)
{
    const std::string bonus = Bonus();
    OnPage([&](FakeWizard& w) {
        Choose(w, 3, bonus);
        Choose(w, 5, bonus);
        // Its headings are not in the standard layout but each is there once.
        EXPECT_EQ(w.Next(), static_cast<int>(PageId::ItemCorrespondence));
    });
    const auto& entries = sheet->Items().Entries();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(entries[static_cast<std::size_t>(i)].chosenPosition, i + 2);
}

TEST_F(BonusPage, TheFieldsShowTheSlotsAfterTheEmployeeListChanged)
{
    const std::string bonus = Bonus();
    const std::string other = Employees("employees-2.txt");
    OnPage([&](FakeWizard& w) {
        Choose(w, 1, bonus);
        w.Back();
        w.Back();
        ChooseFiles(fake, w, ControlId::EmployeeBrowse, {other});
        w.Next();
        w.Next();
        EXPECT_EQ(w.Text(ControlId::BonusPath1), "");
    });
    EXPECT_EQ(sheet->Job().slots[12].path, "");
}

}  // namespace
}  // namespace corvane::test
