#include <gtest/gtest.h>

#include "job/JobMessages.h"
#include "text/Format.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

using platform::Answer;
using platform::ControlId;
using platform::Icon;

namespace messages = job::messages;

const std::string kHead = messages::NotCorrectFile() + messages::ChooseSalarySummary();

class SalaryPage : public WizardTest {
protected:
    SalaryPage() : employees(Employees()) {}

    // Runs `steps` on the salary files page, then cancels.
    void OnPage(const std::function<void(FakeWizard&)>& steps)
    {
        RunSheet([&](FakeWizard& w) {
            ToSalaryPage(fake, w, employees);
            ASSERT_EQ(w.Page(), 2);
            steps(w);
            if (!w.IsClosed())
                CancelAndDiscard(fake, w);
        });
        ExpectNoErrors();
    }
    void Choose(FakeWizard& w, std::vector<std::string> paths)
    {
        ChooseFiles(fake, w, ControlId::SalaryBrowse, std::move(paths));
    }
    std::string PathShown(FakeWizard& w, int month)
    {
        return w.Controls().ListCell(ControlId::SalaryList, month - 1, 1);
    }

    std::string employees;
};

TEST_F(SalaryPage, TwelveFilesAtOnceLandInTheirMonthsWhateverTheOrder)
{
    std::vector<std::string> files;
    for (int month : {7, 2, 12, 1, 9, 4, 11, 3, 6, 10, 5, 8})
        files.push_back(Salary(month, text::Format("z%02d-%d.txt", 13 - month, month)));
    OnPage([&](FakeWizard& w) {
        // Month 4's row is selected: the label line decides, not the row.
        w.SelectRows(ControlId::SalaryList, {0});
        Choose(w, files);
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(PathShown(w, month), dir.File(text::Format("z%02d-%d.txt", 13 - month, month)));
    });
    EXPECT_TRUE(fake.Messages().empty());
    const auto& r = fake.OpenRequests().back();
    EXPECT_EQ(r.title, "給与ファイルを選択（TXTファイル）※複数選択可");
    EXPECT_EQ(r.filter, "TXTﾌｧｲﾙ(*.TXT) |*.TXT|すべてのﾌｧｲﾙ(*.*) |*.*|| ");
    EXPECT_EQ(r.defaultExtension, "TXT");
    EXPECT_EQ(r.initialFileName, "");
    EXPECT_TRUE(r.multiSelect);
    EXPECT_TRUE(r.resizable);
    EXPECT_TRUE(r.hideReadOnly);
    EXPECT_EQ(r.selectionBufferBytes, 10000u);
}

TEST_F(SalaryPage, ALaterActionReplacesTheMonthWithoutAMessage)
{
    const std::string first = Salary(4, "a.txt");
    const std::string second = Salary(4, "b.txt");
    OnPage([&](FakeWizard& w) {
        Choose(w, {first});
        Choose(w, {second});
        EXPECT_EQ(PathShown(w, 4), second);
    });
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(SalaryPage, TwoFilesForOneMonthEmptyItAndLeaveTheOthers)
{
    const std::string april = Salary(4);
    const std::string mayA = Salary(5, "may-a.txt");
    const std::string mayB = Salary(5, "may-b.txt");
    OnPage([&](FakeWizard& w) {
        Choose(w, {april});
        Choose(w, {mayB, mayA});
        EXPECT_EQ(PathShown(w, 4), april);
        EXPECT_EQ(PathShown(w, 5), "");
    });
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kHead + messages::SameMonthSection() + "[05月]\n" + mayA + "\n" + mayB + "\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
    EXPECT_EQ(sheet->Job().slots[4].path, "");
}

TEST_F(SalaryPage, RefusedFilesAreListedUnderTheirReasonAndTheGoodOnesPlaced)
{
    const std::string good = Salary(4);
    const std::string bonus = Bonus();
    const std::string otherCompany =
        Write("other.txt", Replaced(TestDataBytes("engine/edge/salary-04.txt"), "テスト&商事<株>", "別会社"));
    OnPage([&](FakeWizard& w) {
        Choose(w, {bonus, good, otherCompany});
        EXPECT_EQ(PathShown(w, 4), good);
    });
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kHead + messages::NotASummarySection() + otherCompany +
                                           "\n　別の関与先（別会社）のファイルです。\n" + messages::NotSalarySection() +
                                           bonus + "\n　このファイルは賞与の集計表です。\n");
}

TEST_F(SalaryPage, ASelectionTooLongForTheDialogsBufferChangesNothing)
{
    std::vector<std::string> many;
    const std::string name(200, 'n');
    for (int i = 0; i < 60; ++i)
        many.push_back(dir.File(name + std::to_string(i)));
    OnPage([&](FakeWizard& w) {
        Choose(w, many);
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(PathShown(w, month), "");
    });
    EXPECT_TRUE(fake.Messages().empty());
}

struct ClearCase {
    const char* name;
    std::vector<int> selectedRows;
    std::vector<Answer> answers;
    std::vector<std::string> messages;
    bool aprilKept;
    bool mayKept;
};

class ClearMonths : public SalaryPage, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearMonths, AsksBeforeEmptyingTheSelectedFilledMonths)
{
    const auto& c = GetParam();
    const std::string april = Salary(4);
    const std::string may = Salary(5);
    for (const auto answer : c.answers)
        fake.QueueAnswer(answer);
    OnPage([&](FakeWizard& w) {
        Choose(w, {april, may});
        w.SelectRows(ControlId::SalaryList, c.selectedRows);
        w.Press(ControlId::SalaryClear);
        EXPECT_EQ(PathShown(w, 4), c.aprilKept ? april : "");
        EXPECT_EQ(PathShown(w, 5), c.mayKept ? may : "");
        const bool cleared = !c.aprilKept || !c.mayKept;
        EXPECT_EQ(w.Controls().ListSelectedRows(ControlId::SalaryList), cleared ? std::vector<int>{} : c.selectedRows);
    });
    EXPECT_EQ(Texts(), c.messages);
    for (const auto& m : fake.Messages())
        EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(sheet->Job().slots[3].path, c.aprilKept ? april : "");
    EXPECT_EQ(sheet->Job().slots[3].label, "給与 04月分");
    EXPECT_EQ(sheet->Job().slots[4].path, c.mayKept ? may : "");
}

const std::string kAsk = "選択された月区分の設定内容をクリアします。\nよろしいですか？";

INSTANTIATE_TEST_SUITE_P(
    Cases, ClearMonths,
    ::testing::Values(
        ClearCase{"NothingSelected", {}, {}, {"設定内容をクリアする月区分を選択してください。"}, true, true},
        ClearCase{"OnlyEmptyRows", {0, 7}, {}, {}, true, true},
        ClearCase{"Cancelled", {3, 4, 6}, {Answer::Cancel}, {kAsk}, true, true},
        ClearCase{"ThreeRowsOneEmpty", {3, 4, 6}, {Answer::Ok}, {kAsk}, false, false},
        ClearCase{"OneOfTwo", {4}, {Answer::Ok}, {kAsk}, true, false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(SalaryPage, NextWithoutSalaryFilesGoesOn)
{
    OnPage([&](FakeWizard& w) { EXPECT_EQ(w.Next(), 3); });
    EXPECT_TRUE(fake.Messages().empty());
}

TEST_F(SalaryPage, NextStaysWhenOutputConditionsDiffer)
{
    const std::string april = Salary(4);
    const std::string may =
        Write("may.txt", Replaced(Replaced(TestDataBytes("engine/edge/salary-04.txt"), "4月度給与", "5月度給与"),
                                  ",所得税", ",所得税,住民税"));
    const std::string june = Write("june.txt", Replaced(ReadFileBytes(may), "5月度給与", "6月度給与"));
    const std::string july = Salary(7);
    OnPage([&](FakeWizard& w) {
        Choose(w, {april, may, june, july});
        EXPECT_EQ(w.Next(), 2);
    });
    ASSERT_EQ(fake.Messages().size(), 1u);
    EXPECT_EQ(fake.Messages()[0].text, kHead + messages::NotSameConditionsSection() + may + "\n" + june + "\n");
    EXPECT_EQ(fake.Messages()[0].icon, Icon::Warning);
    EXPECT_EQ(sheet->Job().slots[4].path, may);
}

TEST_F(SalaryPage, TheGuideIsTheSummaryGuide)
{
    Write("OperationGuide2.PDF", "%PDF-1.4\n");
    OnPage([&](FakeWizard& w) { w.Press(ControlId::SalaryGuide); });
    EXPECT_EQ(fake.ShellOpened(), (std::vector<std::string>{dir.File("OperationGuide2.PDF")}));
}

}  // namespace
}  // namespace corvane::test
