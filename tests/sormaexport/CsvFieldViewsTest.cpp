#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"

namespace {

std::vector<std::string> Views(std::string_view line, std::size_t maxFields)
{
    std::vector<std::string_view> views{"stale"};
    corvane::SplitCsvFieldViews(line, views, maxFields);
    return {views.begin(), views.end()};
}

// The reader's splitter must give exactly the fields of the shared one.
TEST(SplitCsvFieldViews, GivesTheFieldsOfSplitCsvLine)
{
    const char* const lines[] = {
        "", "   ", ",", "a,b,,c", "  a , b \r\n", "\"山田,太郎\",\"1,234\",x", "a\"b,c,d",
        "ソ,表,能", "\"\",\"\"\"\",x", "\t001,社員Ａ,300000,45000,2,5000\t", "　,全角空白　, ",
        "\x81,\x81\",a,b",  // a lead byte without its trail byte
    };
    for (const char* line : lines) {
        const auto expected = corvane::SplitCsvLine(line);
        EXPECT_EQ(Views(line, 1000), expected) << line;
        for (std::size_t max = 1; max <= expected.size(); ++max) {
            const std::vector<std::string> prefix(expected.begin(), expected.begin() + static_cast<long>(max));
            EXPECT_EQ(Views(line, max), prefix) << line << " max " << max;
        }
    }
}

TEST(SplitCsvFieldViews, ZeroFieldsYieldsNothing)
{
    EXPECT_TRUE(Views("a,b", 0).empty());
}

}  // namespace
