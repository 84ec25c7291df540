#include <gtest/gtest.h>

#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::Answer;
using platform::ControlId;
using platform::Icon;
using platform::PageId;

const char kUnchosen[] = "未選択の項目が存在します。未選択の項目は正しく連動されません。\n処理を継続しますか？";

class ItemsPage : public WizardTest {
protected:
    ItemsPage()
        : employees(Employees()),
          // Headings: コード, 行項目名, 課税支給額, 社会保険料計, 扶養人数, 所得税.
          salary(
              Write("salary.txt", Replaced(TestDataBytes("engine/edge/salary-04.txt"), "課税支給合計", "課税支給額")))
    {}

    // Runs `steps` on the correspondence page, then cancels.
    void OnPage(const std::function<void(FakeWizard&)>& steps)
    {
        RunSheet([&](FakeWizard& w) {
            ToSalaryPage(fake, w, employees);
            ChooseFiles(fake, w, ControlId::SalaryBrowse, {salary});
            w.Next();
            w.Next();
            ASSERT_EQ(w.Page(), static_cast<int>(PageId::ItemCorrespondence));
            steps(w);
            if (!w.IsClosed())
                CancelAndDiscard(fake, w);
        });
        ExpectNoErrors();
    }
    std::string Choice(FakeWizard& w, int row) { return w.Controls().ListCell(ControlId::ItemsList, row, 1); }
    void Edit(FakeWizard& w, int row, FakePlatform::DialogScript script)
    {
        fake.QueueDialog(std::move(script));
        w.SelectRows(ControlId::ItemsList, {row});
        w.Press(ControlId::ItemsBrowse);
    }

    std::string employees;
    std::string salary;
};

TEST_F(ItemsPage, EditingWithoutASelectedRowIsRefused)
{
    OnPage([&](FakeWizard& w) {
        w.SelectRows(ControlId::ItemsList, {});
        w.Press(ControlId::ItemsBrowse);
        w.DoubleClick(ControlId::ItemsList);
    });
    const std::string none = "項目が選択されていません。";
    EXPECT_EQ(Texts(), (std::vector<std::string>{none, none}));
    EXPECT_EQ(fake.Messages()[0].icon, Icon::None);
    EXPECT_EQ(fake.DialogRuns(), 0);
}

TEST_F(ItemsPage, ADoubleClickOpensTheDialogForTheRowWithItsExplanation)
{
    OnPage([&](FakeWizard& w) {
        fake.QueueDialog([](FakeDialog& d) {
            EXPECT_EQ(d.Title(), "項目選択");
            EXPECT_EQ(d.Selection(), 3);
            EXPECT_EQ(d.Text(ControlId::SearchEdit), "扶養人数");
            EXPECT_EQ(d.Text(ControlId::ExplanationText),
                      "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[扶養親族等の数]欄\n"
                      "※ソルマ給与との初期対応項目は｢扶養人数｣です。");
            d.Select(ControlId::HeadingList, 2);
            d.DoubleClick(ControlId::HeadingList);
        });
        w.SelectRows(ControlId::ItemsList, {2});
        w.DoubleClick(ControlId::ItemsList);
        EXPECT_EQ(Choice(w, 2), "社会保険料計");
    });
    EXPECT_EQ(sheet->Items().Entries()[2].chosenPayrollItem, "社会保険料計");
    EXPECT_EQ(sheet->Items().Entries()[2].chosenPosition, 3);
}

TEST_F(ItemsPage, ChoosingTheBlankEntryEmptiesTheRowAndNextAsks)
{
    OnPage([&](FakeWizard& w) {
        Edit(w, 1, [](FakeDialog& d) {
            d.Select(ControlId::HeadingList, 0);
            d.Ok();
        });
        EXPECT_EQ(Choice(w, 1), "");
        fake.QueueAnswer(Answer::Ok);
        EXPECT_EQ(w.Next(), static_cast<int>(PageId::Output));
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{kUnchosen});
    EXPECT_EQ(fake.Messages()[0].buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(sheet->Items().Entries()[1].chosenPayrollItem, "");
    EXPECT_EQ(sheet->Items().Entries()[1].chosenPosition, -1);
}

TEST_F(ItemsPage, CancellingTheDialogChangesNothing)
{
    OnPage([&](FakeWizard& w) {
        Edit(w, 3, [](FakeDialog& d) {
            d.Select(ControlId::HeadingList, 1);
            d.Cancel();
        });
        EXPECT_EQ(Choice(w, 3), "所得税");
    });
    EXPECT_EQ(sheet->Items().Entries()[3].chosenPosition, 5);
}

TEST_F(ItemsPage, ARestoredChoiceOpensWithItsHeadingSelected)
{
    Write("Corvane.ENV", "header\r\nテスト&商事<株>,課税支給額,2,扶養人数,4,社会保険料計,3,所得税,5\r\n");
    OnPage([&](FakeWizard& w) {
        EXPECT_EQ(Choice(w, 0), "課税支給額");
        EXPECT_EQ(Choice(w, 1), "扶養人数");
        Edit(w, 1, [](FakeDialog& d) {
            EXPECT_EQ(d.Selection(), 3);
            EXPECT_EQ(d.Text(ControlId::SearchEdit), "扶養人数");
            d.Cancel();
        });
        // Every row has a choice: no question.
        EXPECT_EQ(w.Next(), static_cast<int>(PageId::Output));
    });
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(ItemsPage, GoingBackAndForthKeepsTheChoicesMadeHereNotTheStoredOnes)
{
    Write("Corvane.ENV", "header\r\nテスト&商事<株>,課税支給額,2,扶養人数,4,社会保険料計,3,所得税,5\r\n");
    OnPage([&](FakeWizard& w) {
        Edit(w, 1, [](FakeDialog& d) {
            d.Select(ControlId::HeadingList, 2);
            d.Ok();
        });
        w.Next();
        // The reference is not in the standard layout: back comes here.
        EXPECT_EQ(w.Back(), static_cast<int>(PageId::ItemCorrespondence));
        EXPECT_EQ(Choice(w, 1), "社会保険料計");
        w.Back();
        w.Next();
        EXPECT_EQ(w.Page(), static_cast<int>(PageId::ItemCorrespondence));
        EXPECT_EQ(Choice(w, 1), "社会保険料計");
        EXPECT_EQ(Choice(w, 2), "社会保険料計");
    });
}

TEST_F(ItemsPage, CancellingTheQuestionStays)
{
    OnPage([&](FakeWizard& w) {
        fake.QueueAnswer(Answer::Cancel);
        EXPECT_EQ(w.Next(), static_cast<int>(PageId::ItemCorrespondence));
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{kUnchosen});
}

TEST_F(WizardTest, WithOnlyBonusSlotsThreeToFiveTheDialogListsTheHeadingsOfSlotThree)
{
    const std::string employees = Employees();
    const std::string bonus =
        Write("bonus.txt", Replaced(TestDataBytes("engine/edge/bonus-1.txt"), "課税支給合計", "課税支給額"));
    RunSheet([&](FakeWizard& w) {
        ToSalaryPage(fake, w, employees);
        w.Next();
        for (int row = 3; row <= 5; ++row)
            ChooseFiles(fake, w, platform::BonusBrowseControl(row), {bonus});
        w.Next();
        fake.QueueDialog([](FakeDialog& d) {
            EXPECT_EQ(d.Items(), (std::vector<std::string>{"", "課税支給額", "社会保険料計", "扶養人数", "所得税"}));
            d.Cancel();
        });
        w.Press(ControlId::ItemsBrowse);
        CancelAndDiscard(fake, w);
    });
    ExpectNoErrors();
}

}  // namespace
}  // namespace corvane::test
