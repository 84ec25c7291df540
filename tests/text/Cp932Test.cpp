#include <gtest/gtest.h>

#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"

using namespace corvane::text;

TEST(Cp932, ClassifiesBytesByScanningFromTheStart)
{
    // "ソ" is 83 5C: its trail byte is an ASCII backslash.
    const std::string s = "aソ\xA5\x80";
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(ClassAt(s, 0), ByteClass::Single);
    EXPECT_EQ(ClassAt(s, 1), ByteClass::Lead);
    EXPECT_EQ(ClassAt(s, 2), ByteClass::Trail);
    EXPECT_EQ(ClassAt(s, 3), ByteClass::Single);  // half-width middle dot
    EXPECT_EQ(ClassAt(s, 4), ByteClass::Illegal);
    EXPECT_EQ(ClassAt(s, 5), ByteClass::Illegal);
}

TEST(Cp932, LeadByteWithoutTrailIsIllegal)
{
    EXPECT_EQ(ClassAt("\x82", 0), ByteClass::Illegal);
    EXPECT_EQ(ClassAt("\x82\x20", 0), ByteClass::Illegal);
    EXPECT_EQ(ClassAt("\x82\x20", 1), ByteClass::Single);
}

TEST(Cp932, TrailThatLooksLikeALeadStaysATrail)
{
    // 88 9F is a kanji whose trail byte is also a valid lead byte.
    const std::string s = "\x88\x9F\x88\x9F";
    EXPECT_EQ(ClassAt(s, 1), ByteClass::Trail);
    EXPECT_EQ(ClassAt(s, 2), ByteClass::Lead);
    EXPECT_EQ(ClassAt(s, 3), ByteClass::Trail);
}

TEST(Cp932, FindMatchesOnlyAtCharacterBoundaries)
{
    // "ｱ" is B1; in "保険" (95 DB 8C AF) the bytes DB 8C straddle two characters.
    EXPECT_EQ(Find("保険", "\xDB\x8C"), std::string::npos);
    EXPECT_EQ(Find("健康保険料", "保険"), 4u);
    EXPECT_TRUE(Contains("厚生年金保険", "保険"));
    EXPECT_FALSE(Contains("ソ", "\\"));
    EXPECT_EQ(Find("abcabc", "bc", 2), 4u);
    EXPECT_EQ(Find("abc", ""), 0u);
}

TEST(Cp932, FindLastSingleSkipsTrailBytes)
{
    const std::string path = "C:\\ソフト\\表";  // both ソ and 表 end in 5C
    EXPECT_EQ(FindLastSingle(path, '\\'), 9u);
    EXPECT_EQ(FindLastSingle("表", '\\'), std::string::npos);
}

TEST(Cp932, CompareOrdersByCharacterCode)
{
    EXPECT_EQ(Compare("abc", "abc"), 0);
    EXPECT_LT(Compare("ab", "abc"), 0);
    EXPECT_GT(Compare("b", "abc"), 0);
    // Half-width katakana B1 sorts before any double-byte character, unlike a byte compare.
    EXPECT_LT(Compare("ｱ", "あ"), 0);
    EXPECT_GT(std::string("ｱ").compare("あ"), 0);
}

TEST(Cp932, ReplaceAndRemoveKeepDoubleByteCharactersWhole)
{
    EXPECT_EQ(ReplaceAll("フリガナ・姓・", "・", "･"), "フリガナ･姓･");
    EXPECT_EQ(RemoveSingle("\"表\",\"1\"", '"'), "表,1");
    // The 5C inside 表 is not a removable backslash.
    EXPECT_EQ(RemoveSingle("表\\", '\\'), "表");
}

TEST(Cp932, WellFormedTextRejectsControlsAndBrokenCharacters)
{
    EXPECT_TRUE(IsWellFormedText("山田 太郎\t\r\n"));
    EXPECT_FALSE(IsWellFormedText(std::string("a\x01", 2)));
    EXPECT_FALSE(IsWellFormedText("\x82"));
    EXPECT_FALSE(IsWellFormedText("\xFF"));
}

TEST(AsciiSpace, TrimsOnlyAsciiWhiteSpace)
{
    EXPECT_EQ(TrimRight("abc \t\r\n\v\f"), "abc");
    EXPECT_EQ(TrimLeft(" \tabc "), "abc ");
    EXPECT_EQ(Trim("　abc　"), "　abc　");  // full-width spaces stay
    EXPECT_EQ(Trim("   "), "");
}

TEST(Format, FormatsAndParsesLeadingNumbers)
{
    EXPECT_EQ(Format("%04d", 2), "0002");
    EXPECT_EQ(Format("(%s)%s\n", "給与 04月分", "a.txt"), "(給与 04月分)a.txt\n");
    EXPECT_EQ(LeadingInt(" 26年"), 26);
    EXPECT_EQ(LeadingInt("abc"), 0);
    EXPECT_EQ(LeadingInt("-3"), -3);
    EXPECT_EQ(LeadingInt("99999999999999999999"), 2147483647);
}
