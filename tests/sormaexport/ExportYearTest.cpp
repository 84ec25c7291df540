#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sormaexport/ExportYear.h"

namespace corvane::exportyear {
namespace {

using exportdate::Date;

TEST(ExportYear, TheTitleLineEndsWithTheYear)
{
    EXPECT_EQ(TitleYear("給与集計表,サンプル商事株式会社,令和 6年分"), 2024);
    EXPECT_EQ(TitleYear("給与集計表,サンプル商事株式会社,令和 5年分"), 2023);
    EXPECT_EQ(TitleYear("賞与集計表,A,令和元年分"), 2019);
    EXPECT_EQ(TitleYear("給与集計表,A,平成30年分"), 2018);
    EXPECT_EQ(TitleYear("給与集計表,A,2024年分"), 2024);
    EXPECT_EQ(TitleYear("給与集計表,A,\"令和 6年分\""), 2024);
    // No year: a file that takes no part in the year's checks.
    EXPECT_EQ(TitleYear("給与集計表,A"), std::nullopt);
    EXPECT_EQ(TitleYear("給与集計表,A,"), std::nullopt);
    EXPECT_EQ(TitleYear("給与集計表,A,令和 6年"), std::nullopt);
    EXPECT_EQ(TitleYear("給与集計表,A,天保 6年分"), std::nullopt);
    // The company's name is no year, even when it reads like one.
    EXPECT_EQ(TitleYear("給与集計表,2024年分"), std::nullopt);
}

TEST(ExportYear, TheDaysOfAMonthAndOfAPayment)
{
    const auto tally = TallyPeriod("集計期間：令和 5年12月21日～令和 6年 1月20日");
    ASSERT_TRUE(tally);
    EXPECT_EQ(tally->first, (Date{2023, 12, 21}));
    EXPECT_EQ(tally->last, (Date{2024, 1, 20}));
    EXPECT_FALSE(TallyPeriod("集計期間：令和 6年 1月31日～令和 6年 1月 1日"));  // backwards
    EXPECT_FALSE(TallyPeriod("令和 6年 1月 1日～令和 6年 1月31日"));            // no mark
    EXPECT_EQ(PaymentDate("支給日：令和 6年 7月10日"), (Date{2024, 7, 10}));
    EXPECT_EQ(PaymentDate("夏期賞与　支給日: 2024/7/10"), (Date{2024, 7, 10}));
    EXPECT_FALSE(PaymentDate("支給日：令和 6年 2月30日"));
    const auto february = MonthDays(2024, 2);
    EXPECT_EQ(february.first, (Date{2024, 2, 1}));
    EXPECT_EQ(february.last, (Date{2024, 2, 29}));
    EXPECT_EQ(FilingYearOf(2024), 6);
    EXPECT_EQ(YearOfFilingYear(8), 2026);
}

TEST(ExportYear, ATypedFilingYearIsAYearOfFourDigitsAtMost)
{
    EXPECT_EQ(TypedFilingYear("6"), 2024);
    EXPECT_EQ(TypedFilingYear("1"), 2019);
    EXPECT_EQ(TypedFilingYear("7981"), 9999);
    // Beyond any title's year, and a run of digits that LeadingInt clamps to INT_MAX (found by the fuzzer).
    EXPECT_EQ(TypedFilingYear("7982"), std::nullopt);
    EXPECT_EQ(TypedFilingYear("99999999999"), std::nullopt);
    EXPECT_EQ(TypedFilingYear("0"), std::nullopt);
    EXPECT_EQ(TypedFilingYear("-99999999999"), std::nullopt);
    EXPECT_EQ(TypedFilingYear(""), std::nullopt);
}

}  // namespace
}  // namespace corvane::exportyear
