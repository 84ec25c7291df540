#include <gtest/gtest.h>

#include "sormaexport/CsvLine.h"

using corvane::SplitCsvLine;
using Fields = std::vector<std::string>;

TEST(SplitCsvLine, SplitsAtCommasAndKeepsEmptyFields)
{
    EXPECT_EQ(SplitCsvLine("a,b,,c"), (Fields{"a", "b", "", "c"}));
    EXPECT_EQ(SplitCsvLine(","), (Fields{"", ""}));
    EXPECT_EQ(SplitCsvLine(""), (Fields{""}));
}

TEST(SplitCsvLine, TrimsTheLineButNotTheFields)
{
    EXPECT_EQ(SplitCsvLine("  a , b \r\n"), (Fields{"a ", " b"}));
    EXPECT_EQ(SplitCsvLine("   "), (Fields{""}));
}

TEST(SplitCsvLine, CommasInsideQuotesStayAndQuotesAreKept)
{
    EXPECT_EQ(SplitCsvLine("\"山田,太郎\",\"1,234\",x"), (Fields{"\"山田,太郎\"", "\"1,234\"", "x"}));
    // An odd number of quotes keeps the rest of the line in one field.
    EXPECT_EQ(SplitCsvLine("a\"b,c,d"), (Fields{"a\"b,c,d"}));
}

TEST(SplitCsvLine, DoubleByteCharactersAreCopiedWhole)
{
    EXPECT_EQ(SplitCsvLine("ソ,表,能"), (Fields{"ソ", "表", "能"}));
    EXPECT_EQ(SplitCsvLine("従業員(一覧表),サンプル商事"), (Fields{"従業員(一覧表)", "サンプル商事"}));
}

TEST(SplitCsvLine, ReusesTheGivenList)
{
    Fields fields{"old", "old", "old", "old"};
    SplitCsvLine("x,y", fields);
    EXPECT_EQ(fields, (Fields{"x", "y"}));
}

TEST(IsBlankCsvRow, OnlyCommasAndAsciiBlanks)
{
    EXPECT_TRUE(corvane::IsBlankCsvRow(""));
    EXPECT_TRUE(corvane::IsBlankCsvRow(",,,,"));
    EXPECT_TRUE(corvane::IsBlankCsvRow(" , \t,\r"));
    EXPECT_FALSE(corvane::IsBlankCsvRow(",,\"\","));  // a quoted empty field is a value
    EXPECT_FALSE(corvane::IsBlankCsvRow(",　,"));     // the full-width space is no blank
    EXPECT_FALSE(corvane::IsBlankCsvRow(",,0"));
}
