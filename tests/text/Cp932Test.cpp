#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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

TEST(Cp932, PairsThatCodePage932DoesNotMapAreIllFormed)
{
    // Shaped like double-byte characters, but no character: unassigned rows and cells.
    for (const char* pair : {"\x85\x40", "\x82\x4A", "\x81\xB3", "\xEB\x40", "\xEF\x9F", "\xFC\x4C"}) {
        EXPECT_FALSE(IsWellFormedText(std::string("a") + pair + "b"))
            << std::hex << (static_cast<unsigned>(pair[0]) & 0xFF);
        EXPECT_EQ(FindIllFormedByte(std::string("a") + pair), 1u);
        EXPECT_EQ(CharLengthAt(pair, 0), 2u);  // splitting still goes by the bytes' shape
    }
    // JIS rows, NEC specials, NEC-selected and IBM extensions, the user-defined area.
    for (const char* pair :
         {"\x81\x40", "\x82\x4F", "\x87\x40", "\xED\x40", "\xFA\x40", "\xFC\x4B", "\xF0\x40", "\xF9\xFC"})
        EXPECT_TRUE(IsWellFormedText(pair)) << std::hex << (static_cast<unsigned>(pair[0]) & 0xFF);
#ifdef _WIN32
    // The whole table against the system's own code page 932.
    int differences = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2];
            const bool mapped = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) == 1;
            if (mapped != IsCharacterPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) &&
                ++differences <= 10)
                ADD_FAILURE() << std::hex << lead << " " << trail << (mapped ? " mapped" : " not mapped");
        }
    }
    EXPECT_EQ(differences, 0);
#endif
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
