#include <gtest/gtest.h>

#include "engine/CExchangeFromSormaToVeld.h"

using corvane::CExchangeFromSormaToVeld;

namespace {

struct DateCase {
    std::string text;
    std::string expected;
};

// Code page 932 text would garble a test listing: show the expected value.
void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << "expecting " << c.expected.size() << " bytes";
}

class ConvertDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(ConvertDate, GivesEightDigitsOrNothing)
{
    EXPECT_EQ(CExchangeFromSormaToVeld::ConvertDate(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ConvertDate,
    ::testing::Values(DateCase{"1975年 4月 3日", "19750403"}, DateCase{"昭和50年 4月 3日", "19750403"},
                      DateCase{"平成 1年12月25日", "19891225"}, DateCase{"1989年12月25日", "19891225"},
                      DateCase{"明治45年 7月30日", "19120730"}, DateCase{"大正15年12月24日", "19261224"},
                      // Dates from May 2019 on in the era form.
                      DateCase{"令和 1年 5月 1日", "20190501"}, DateCase{"令和 6年 3月31日", "20240331"},
                      DateCase{"天保 1年 1月 1日", ""}, DateCase{"1975年 4月 3", ""}, DateCase{"", ""},
                      // Clear forms that a spreadsheet leaves: the same date, never an empty field.
                      DateCase{"1962/10/2", "19621002"}, DateCase{"1962-10-02", "19621002"},
                      DateCase{"1962/10/02", "19621002"}, DateCase{"1962年10月2日", "19621002"},
                      DateCase{"昭和37年10月2日", "19621002"}, DateCase{"昭和50年 4月3日", "19750403"},
                      DateCase{"昭和50年4月3日", "19750403"}, DateCase{"\"1962/10/2\"", "19621002"},
                      DateCase{"令和元年5月1日", "20190501"},
                      // Impossible, ambiguous or other text gives nothing, whatever its length.
                      DateCase{"abcdefghijklmn", ""}, DateCase{"昭和ab年 4月 3日", ""},
                      DateCase{"１９６２年１０月２日", ""}, DateCase{"1975年 2月29日", ""},
                      DateCase{"1976年 2月29日", "19760229"}, DateCase{"1962/13/2", ""}, DateCase{"2/10/1962", ""},
                      DateCase{"62/10/2", ""}, DateCase{"1962/10-2", ""}, DateCase{"1962/10/2 x", ""},
                      DateCase{"平成 0年 1月 1日", ""}));

struct SplitCase {
    std::string text;
    std::string left;
    std::string right;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.text.size() << " bytes";
}

class SplitAtByte : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAtByte, NeverCutsACharacterAndKeepsEveryByte)
{
    const auto& c = GetParam();
    const auto left = CExchangeFromSormaToVeld::SplitAtByte(c.text, 30, true);
    const auto right = CExchangeFromSormaToVeld::SplitAtByte(c.text, 30, false);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(left + right, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SplitAtByte,
    ::testing::Values(
        SplitCase{"", "", ""}, SplitCase{"短い住所", "短い住所", ""},
        // Exactly 30 bytes.
        SplitCase{"東京都港区芝公園12-3　芝ビル2F", "東京都港区芝公園12-3　芝ビル2F", ""},
        // Bytes 29 and 30 are one character: it begins the lower line.
        SplitCase{"東京都千代田区丸の内1-2-3　丸の内ビル101", "東京都千代田区丸の内1-2-3　丸", "の内ビル101"},
        // A split between two characters.
        SplitCase{"東京都千代田区丸の内8-23-5　サンハイツ645号室", "東京都千代田区丸の内8-23-5　サ", "ンハイツ645号室"},
        // Single-byte text splits at 30.
        SplitCase{"123456789012345678901234567890ABC", "123456789012345678901234567890", "ABC"},
        // An illegal byte at 30 keeps the text whole on the upper line.
        SplitCase{"123456789012345678901234567890\xFF"
                  "ABC",
                  "123456789012345678901234567890\xFF"
                  "ABC",
                  ""}));

TEST(SplitAtByteEdge, OtherPositions)
{
    EXPECT_EQ(CExchangeFromSormaToVeld::SplitAtByte("あいう", 3, true), "あ");
    EXPECT_EQ(CExchangeFromSormaToVeld::SplitAtByte("あいう", 3, false), "いう");
    EXPECT_EQ(CExchangeFromSormaToVeld::SplitAtByte("あいう", 0, true), "");
    EXPECT_EQ(CExchangeFromSormaToVeld::SplitAtByte("あいう", -1, false), "あいう");
}

}  // namespace
