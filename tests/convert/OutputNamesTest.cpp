#include <gtest/gtest.h>

#include <set>

#include "convert/OutputNames.h"
#include "platform/TextCodec.h"

using corvane::convert::ChooseOutputNames;
using corvane::convert::kMaxFileNameBytes;
using corvane::convert::OutputNameSource;

namespace {

const corvane::platform::TextCodec& Codec()
{
    return corvane::platform::SystemTextCodec();
}

TEST(OutputNames, NoTwoCompaniesShareAFile)
{
    // The clash suffix of the first two would be the third company's own name.
    const auto names = ChooseOutputNames(
        {{"ABC", "b"}, {"ABC", "c"}, {"ABC_b", "d"}, {"abc_C", "e"}, {"", "f"}, {"refused", "g", false}}, Codec());
    EXPECT_EQ(names, (std::vector<std::string>{"ABC_b_2.XML", "ABC_c_2.XML", "ABC_b.XML", "abc_C.XML", "f.XML", ""}));
}

TEST(OutputNames, LongNamesAreShortenedAndStayApart)
{
    // 100 characters of three bytes each in UTF-8: 300 bytes.
    std::string long932;
    for (int i = 0; i < 100; ++i)
        long932 += Codec().Utf8ToText("\xE4\xBC\x9A");  // 会
    const auto names = ChooseOutputNames({{long932, "a"}, {long932 + "X", "b"}, {long932, "c"}}, Codec());
    std::set<std::string> distinct;
    for (const auto& name : names) {
        EXPECT_LE(name.size(), kMaxFileNameBytes) << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".XML");
        // Cut at a character boundary: the name converts back without loss.
        EXPECT_EQ(Codec().TextToUtf8(Codec().Utf8ToText(name)), name);
        distinct.insert(name);
    }
    EXPECT_EQ(distinct.size(), names.size());
    EXPECT_NE(names[0].find("_a.XML"), std::string::npos) << names[0];
    EXPECT_NE(names[2].find("_c.XML"), std::string::npos) << names[2];
}

}  // namespace
