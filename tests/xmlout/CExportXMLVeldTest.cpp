#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "support/RecordingMessageBox.h"
#include "xmlout/CExportXMLVeld.h"
#include "xmlout/XMLITEMINFO.h"
#include "XmlTestSupport.h"

namespace corvane {
namespace {

using test::Figures;

class StoreTest : public ::testing::Test {
protected:
    std::vector<std::string> Codes() const
    {
        std::vector<std::string> codes;
        for (const auto& syain : store.Syain())
            codes.push_back(syain->Code());
        return codes;
    }

    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CExportXMLVeld store{messenger};
};

TEST_F(StoreTest, LaterValueOfAnItemReplacesTheEarlier)
{
    store.SetKoumoku("1", "10", "所属コード");
    store.SetKoumoku("1", "20", "所属コード");
    ASSERT_NE(store.FindSyain("1"), nullptr);
    EXPECT_EQ(store.FindSyain("1")->Item("所属コード"), "20");
}

TEST_F(StoreTest, EveryNameOutsideTheDependantGroupIsAccepted)
{
    std::size_t accepted = 0;
    for (const auto group : kXmlItemGroups) {
        for (const auto& row : XmlItemRows(group)) {
            const std::string name(row.name);
            store.SetKoumoku("1", "v:" + name, name);
            const CSyain* syain = store.FindSyain("1");
            if (group == XmlItemGroup::KazokuJouhou) {
                EXPECT_TRUE(syain == nullptr || syain->Item(name).empty()) << row.tag;
            } else {
                ASSERT_NE(syain, nullptr) << row.tag;
                EXPECT_EQ(syain->Item(name), "v:" + name) << row.tag;
                ++accepted;
            }
        }
    }
    EXPECT_EQ(accepted, 56u);
}

TEST_F(StoreTest, RefusedNamesCreateNoEmployee)
{
    for (const char* name : {"一般扶養人数", "扶養親族の氏名", "所属", "", "SYOZOKU_CODE"})
        store.SetKoumoku("7", "x", name);
    EXPECT_EQ(store.FindSyain("7"), nullptr);
    EXPECT_TRUE(store.Syain().empty());
}

TEST_F(StoreTest, DisplayNamesAreUniqueOverTheTable)
{
    std::set<std::string_view> names;
    std::size_t rows = 0;
    for (const auto group : kXmlItemGroups) {
        for (const auto& row : XmlItemRows(group)) {
            names.insert(row.name);
            ++rows;
        }
    }
    EXPECT_EQ(rows, 68u);
    EXPECT_EQ(names.size(), rows);
}

// An employee keeps items by the number of their name in the key table: they
// read back by number and by name, and replace; a name outside the table has none.
TEST(Syain, ItemsUnderTableNamesReadBackAndReplace)
{
    CSyain syain("1");
    const int department = XmlItemNameNumber("所属コード");
    syain.SetItemByNumber(department, "0001");
    syain.SetItemByNumber(XmlItemNameNumber("住所(上段)"), "東京都");
    syain.SetItemByNumber(department, "0002");
    EXPECT_EQ(syain.Item("所属コード"), "0002");
    EXPECT_EQ(syain.Item("住所(上段)"), "東京都");
    EXPECT_EQ(syain.Item("住所(下段)"), "");
    EXPECT_EQ(syain.Item("表にない名前"), "");
    EXPECT_EQ(XmlItemNameNumber("表にない名前"), -1);
    EXPECT_EQ(syain.ItemByNumber(XmlItemNameNumber("住所(上段)")), "東京都");
    syain.SetItemByNumber(XmlItemNameNumber("住所(下段)"), "1-2-3");
    EXPECT_EQ(syain.Item("住所(下段)"), "1-2-3");
}

TEST_F(StoreTest, EmployeesKeepTheOrderOfFirstAppearance)
{
    store.SetKoumoku("20", "x", "性別");
    store.SetKyuuyoShouyo("3", Figures(1, "", "", "", ""));
    store.SetSyain("100", "C");
    store.SetSyain("20", "A");
    store.SetSyain("", "empty code");
    EXPECT_EQ(Codes(), (std::vector<std::string>{"20", "3", "100", ""}));
    EXPECT_EQ(store.FindSyain("20")->Name(), "A");
    EXPECT_EQ(store.FindSyain("3")->Name(), "");
    EXPECT_EQ(store.FindSyain("")->Name(), "empty code");
}

TEST_F(StoreTest, SecondSetSyainReplacesTheNameInPlace)
{
    store.SetSyain("1", "old");
    store.SetSyain("2", "other");
    store.SetSyain("1", "new");
    EXPECT_EQ(Codes(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(store.FindSyain("1")->Name(), "new");
}

TEST_F(StoreTest, RecordsWithOneKubunAreAllKeptInCallOrder)
{
    store.SetKyuuyoShouyo("1", Figures(5, "first", "", "", ""));
    store.SetKyuuyoShouyo("1", Figures(5, "second", "", "", ""));
    const auto& salaries = store.FindSyain("1")->Salaries();
    ASSERT_EQ(salaries.size(), 2u);
    EXPECT_EQ(salaries[0].SOUSIKYUUGAKU, "first");
    EXPECT_EQ(salaries[1].SOUSIKYUUGAKU, "second");
}

enum class Filed { Salary, Bonus, Dropped };

struct KubunCase {
    int kubun;
    Filed filed;
};

class KubunTest : public StoreTest, public ::testing::WithParamInterface<KubunCase> {};

TEST_P(KubunTest, RecordIsFiledByKubun)
{
    const auto [kubun, filed] = GetParam();
    store.SetKyuuyoShouyo("9", Figures(kubun, "1", "2", "3", "4"));

    const CSyain* syain = store.FindSyain("9");
    ASSERT_NE(syain, nullptr);  // the employee stays even when the record is dropped
    EXPECT_EQ(syain->Salaries().size(), filed == Filed::Salary ? 1u : 0u);
    EXPECT_EQ(syain->Bonuses().size(), filed == Filed::Bonus ? 1u : 0u);
    if (filed == Filed::Dropped) {
        ASSERT_EQ(box.Messages().size(), 1u);
        const auto& shown = box.Messages()[0];
        EXPECT_EQ(shown.caption, platform::AppTitle());
        EXPECT_EQ(shown.text, "[SetKyuuyoShouyo]\nPROGRAM ERROR");
        EXPECT_EQ(shown.icon, platform::Icon::None);
        EXPECT_EQ(shown.buttons, platform::Buttons::Ok);
    } else {
        EXPECT_TRUE(box.Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, KubunTest,
                         ::testing::Values(KubunCase{1, Filed::Salary}, KubunCase{13, Filed::Salary},
                                           KubunCase{0, Filed::Salary}, KubunCase{-1, Filed::Salary},
                                           KubunCase{INT_MIN, Filed::Salary}, KubunCase{14, Filed::Bonus},
                                           KubunCase{18, Filed::Bonus}, KubunCase{19, Filed::Dropped},
                                           KubunCase{INT_MAX, Filed::Dropped}));

}  // namespace
}  // namespace corvane
