#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"

namespace {

using Positions = std::vector<std::size_t>;
using Texts = std::vector<std::string>;

Texts Pick(std::string_view line, const Positions& positions)
{
    std::vector<std::string_view> out{"stale"};
    corvane::PickCsvFields(line, positions, out);
    return {out.begin(), out.end()};
}

Texts Expected(const Texts& all, const Positions& positions)
{
    Texts picked;
    for (const auto p : positions)
        picked.push_back(p < all.size() ? all[p] : "");
    return picked;
}

// The reader's picker must give exactly the fields of the shared splitter,
// whichever fields it is asked for. The lines are long enough to exercise
// the eight-byte steps, with quotes and commas on both sides of a step.
TEST(PickCsvFields, GivesTheFieldsOfSplitCsvLine)
{
    const std::string lines[] = {
        "",
        "   ",
        ",",
        "a,b,,c",
        "  a , b \r\n",
        "\"山田,太郎\",\"1,234\",x",
        "a\"b,c,d",
        "ソ,表,能",
        "\"\",\"\"\"\",x",
        "\t001,社員Ａ,300000,45000,2,5000\t",
        "　,全角空白　, ",
        "\x81,\x81\",a,b",  // a lead byte without its trail byte
        "0001,abcdefgh,,,,,,,,,,,,,,ijklmnopqrstu,1,22,333,4444,55555,666666,7777777,88888888,x",
        "1234567,\"a,b,c,d,e,f,g,h,i\",12345678,\"12345678\",1,\"\",,\"x\"y\"z\",last field,,",
        "abcdefg\"hijklmn,opqrstu\"vwxyz,0123456,789abcd,efghijklmnop,q",
        ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
    };
    for (const auto& line : lines) {
        const Texts all = corvane::SplitCsvLine(line);
        const std::size_t beyond = all.size() + 3;
        std::vector<Positions> cases;
        Positions every;
        for (std::size_t p = 0; p < beyond; ++p) {
            every.push_back(p);
            cases.push_back({p});
            cases.push_back({0, p});
            if (p + 1 < beyond)
                cases.push_back({p, p + 1});
        }
        cases.push_back(every);
        Positions odd;
        for (std::size_t p = 1; p < beyond; p += 3)
            odd.push_back(p);
        cases.push_back(odd);
        for (const auto& positions : cases) {
            if (positions.size() == 2 && positions[0] == positions[1])
                continue;
            EXPECT_EQ(Pick(line, positions), Expected(all, positions))
                << line << " at " << testing::PrintToString(positions);
        }
    }
}

// The quotes' state must carry from one block of bytes to the next, across
// the sixteen-byte, the eight-byte and the byte-by-byte steps alike: a quoted
// amount, and an unclosed quote, slid over every offset of a long line.
TEST(PickCsvFields, QuotesSpanningTheStepsGiveTheSplittersFieldsAndShape)
{
    std::vector<std::string> lines;
    for (std::size_t offset = 0; offset < 40; ++offset) {
        const std::string before(offset, 'x');
        lines.push_back(before + ",\"1,234,567\",a,b,\"\",c,d,e,f,g,h,i,j,k,l,m,n,o,p,\"q,r\"");
        lines.push_back(before + ",\"" + std::string(offset, ',') + "\"," + std::string(offset, ',') + "z");
        lines.push_back(before + ",\"open,and,never,closed,across,many,blocks,of,bytes");
    }
    for (const auto& line : lines) {
        const Texts all = corvane::SplitCsvLine(line);
        Positions every;
        for (std::size_t p = 0; p < all.size() + 2; ++p)
            every.push_back(p);
        for (const Positions& positions : {every, Positions{1}, Positions{all.size() - 1}, Positions{}}) {
            std::vector<std::string_view> out;
            corvane::CsvRowShape shape;
            corvane::PickCsvFields(line, positions, out, &shape);
            EXPECT_EQ(Texts(out.begin(), out.end()), Expected(all, positions)) << line;
            EXPECT_EQ(shape.fields, all.size()) << line;
            EXPECT_EQ(shape.quotesPaired, line.find("open") == std::string::npos) << line;
        }
    }
}

TEST(PickCsvFields, NoPositionsPickNothing)
{
    EXPECT_TRUE(Pick("a,b", {}).empty());
}

}  // namespace
