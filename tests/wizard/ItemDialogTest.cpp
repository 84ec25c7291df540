#include <gtest/gtest.h>

#include "items/CDlg001.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"

namespace corvane::test {
namespace {

using platform::ControlId;
using platform::DialogOutcome;

class ItemDialog : public ::testing::Test {
protected:
    // Opens the dialog on `headings` with the given initial choice.
    void Open(std::int32_t position, const std::string& search = "", std::int32_t row = 0)
    {
        dialog.SetHeadings(&headings);
        dialog.SetInitialPosition(position);
        dialog.SetInitialSearchText(search);
        dialog.SetRowNumber(row);
        dialog.OnInitDialog(view);
    }
    int Selection() const { return view.ListBoxSelection(ControlId::HeadingList); }
    void Search(const std::string& text)
    {
        view.SetText(ControlId::SearchEdit, text);
        EXPECT_EQ(dialog.OnCommand(ControlId::SearchButton), DialogOutcome::Stay);
    }

    std::vector<std::string> headings{"コード",     "行項目名",     "健康保険料", "基本給",
                                      "介護保険料", "厚生年金保険", "所得税"};
    RecordingMessageBox box;
    platform::Messenger messenger{box};
    CDlg001 dialog{messenger};
    FakeControls view;
};

TEST_F(ItemDialog, OffersABlankEntryAndTheHeadingsFromTheThird)
{
    Open(-1, "所得税");
    EXPECT_EQ(view.ListBoxItems(ControlId::HeadingList),
              (std::vector<std::string>{"", "健康保険料", "基本給", "介護保険料", "厚生年金保険", "所得税"}));
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(view.GetText(ControlId::SearchEdit), "所得税");
    EXPECT_TRUE(box.Messages().empty());
}

struct Initial {
    const char* name;
    std::int32_t position;
    int selection;
    std::string search;
    std::int32_t chosenOnOk;
};

class InitialChoice : public ItemDialog, public ::testing::WithParamInterface<Initial> {};

TEST_P(InitialChoice, SelectsTheEntryOfThePositionAndOkGivesItBack)
{
    const auto& c = GetParam();
    Open(c.position, "既定");
    EXPECT_EQ(Selection(), c.selection);
    EXPECT_EQ(view.GetText(ControlId::SearchEdit), c.search);
    EXPECT_EQ(dialog.OnOk(), DialogOutcome::Ok);
    EXPECT_EQ(dialog.ChosenPosition(), c.chosenOnOk);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitialChoice,
    ::testing::Values(Initial{"None", -1, 0, "既定", -1}, Initial{"HeadingZero", 0, -1, "コード", 0},
                      Initial{"HeadingOne", 1, 0, "行項目名", -1}, Initial{"Offered", 4, 3, "介護保険料", 4},
                      Initial{"Last", 6, 5, "所得税", 6}, Initial{"BeyondTheHeadings", 7, 0, "既定", -1},
                      Initial{"OtherNegative", -3, 0, "既定", -1}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ItemDialog, SearchStepsThroughTheMatchesAndWrapsAround)
{
    Open(-1);
    std::vector<int> found;
    for (int i = 0; i < 4; ++i) {
        Search("保険");
        found.push_back(Selection());
    }
    EXPECT_EQ(found, (std::vector<int>{1, 3, 4, 1}));
}

TEST_F(ItemDialog, ASearchThatMatchesOnlyTheSelectedEntryKeepsIt)
{
    Open(5);
    Search("年金");
    EXPECT_EQ(Selection(), 4);
    // From the last entry the search starts again at the first.
    Open(6);
    Search("所得");
    EXPECT_EQ(Selection(), 5);
}

TEST_F(ItemDialog, NoMatchOrAnEmptySearchLeavesTheSelection)
{
    Open(3);
    Search("賞与");
    EXPECT_EQ(Selection(), 2);
    Search("");
    EXPECT_EQ(Selection(), 2);
}

TEST_F(ItemDialog, AMatchAcrossTwoDoubleByteCharactersIsNone)
{
    // "ア" is 83 41 and "イ" is 83 43: the bytes 41 83 span the two.
    headings = {"a", "b", "アイ", "xA"};
    Open(-1);
    Search(std::string("\x41\x83"));
    EXPECT_EQ(Selection(), 0);
    Search("A");
    // A trail byte that reads as "A" is no match either; "xA" is.
    EXPECT_EQ(Selection(), 2);
}

TEST_F(ItemDialog, TwoHeadingsOrFewerOfferOnlyTheBlankEntry)
{
    headings = {"コード", "行項目名"};
    Open(-1, "課税支給合計");
    EXPECT_EQ(view.ListBoxItems(ControlId::HeadingList), std::vector<std::string>{""});
    dialog.OnOk();
    EXPECT_EQ(dialog.ChosenPosition(), -1);
}

TEST_F(ItemDialog, ADoubleClickIsOkAndCancelIsCancel)
{
    Open(-1);
    view.ListBoxSetSelection(ControlId::HeadingList, 2);
    EXPECT_EQ(dialog.OnDoubleClick(ControlId::HeadingList), DialogOutcome::Ok);
    EXPECT_EQ(dialog.ChosenPosition(), 3);
    EXPECT_EQ(dialog.OnCancel(), DialogOutcome::Cancel);
}

TEST_F(ItemDialog, WithoutHeadingsItSaysSoAndStaysOpenWithAnEmptyList)
{
    dialog.OnInitDialog(view);
    ASSERT_EQ(box.Messages().size(), 1u);
    EXPECT_EQ(box.Messages()[0].text, "NULL POINTER ERROR");
    EXPECT_EQ(box.Messages()[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(view.ListBoxCount(ControlId::HeadingList), 0);
}

TEST_F(ItemDialog, TheExplanationNamesTheLedgerColumnOfTheRow)
{
    const std::pair<std::int32_t, std::string> cases[] = {
        {0,
         "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[課税支給合計]欄\n"
         "※ソルマ給与との初期対応項目は｢課税支給合計｣です。"},
        {1,
         "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[社会保険料等の控除額]欄\n"
         "※ソルマ給与との初期対応項目は｢社会保険料計｣です。"},
        {3,
         "下記に該当するソルマ給与側の項目を指定します。\n『一人別源泉徴収簿』[算出税額]欄\n"
         "※ソルマ給与との初期対応項目は｢所得税｣です。"},
        {-1, ""},
        {4, ""},
    };
    for (const auto& [row, text] : cases) {
        Open(-1, "", row);
        EXPECT_EQ(view.GetText(ControlId::ExplanationText), text) << row;
    }
}

}  // namespace
}  // namespace corvane::test
