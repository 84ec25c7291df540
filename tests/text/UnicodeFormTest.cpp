#include <gtest/gtest.h>

#include <string>

#include "text/UnicodeForm.h"

using corvane::text::DetectUnicodeForm;
using corvane::text::UnicodeForm;

namespace {

// UTF-16 little or big endian of ASCII text.
std::string Utf16(const std::string& ascii, bool little)
{
    std::string bytes;
    for (const char c : ascii) {
        bytes += little ? c : '\0';
        bytes += little ? '\0' : c;
    }
    return bytes;
}

}  // namespace

TEST(DetectUnicodeForm, ByteOrderMarks)
{
    EXPECT_EQ(DetectUnicodeForm("\xEF\xBB\xBF"
                                "a,b"),
              UnicodeForm::Utf8);
    EXPECT_EQ(DetectUnicodeForm("\xFF\xFE"
                                "a"),
              UnicodeForm::Utf16);
    EXPECT_EQ(DetectUnicodeForm("\xFE\xFF"), UnicodeForm::Utf16);
}

TEST(DetectUnicodeForm, Utf16WithoutMarkByItsNuls)
{
    EXPECT_EQ(DetectUnicodeForm(Utf16("001,2,300000\r\n", false)), UnicodeForm::Utf16);
    // 従業員 (U+5F93 U+696D U+54E1) then ",X\r\n": only the ASCII carries NULs.
    EXPECT_EQ(DetectUnicodeForm(std::string("\x93\x5F\x6D\x69\xE1\x54", 6) + Utf16(",X\r\n", true)),
              UnicodeForm::Utf16);
    // NULs in both places (a binary file) are not UTF-16, and so is text without any.
    EXPECT_EQ(DetectUnicodeForm(std::string("abc,\0de\0fghij", 13)), UnicodeForm::None);
}

TEST(DetectUnicodeForm, Utf8ThatIsNoCodePage932)
{
    // 従業員(一覧表),サンプル商事 in UTF-8.
    const std::string title =
        "\xE5\xBE\x93\xE6\xA5\xAD\xE5\x93\xA1(\xE4\xB8\x80\xE8\xA6\xA7\xE8\xA1\xA8),"
        "\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB\xE5\x95\x86\xE4\xBA\x8B\r\n";
    EXPECT_EQ(DetectUnicodeForm(title), UnicodeForm::Utf8);
    // Cut inside a character at the end of the bytes read.
    EXPECT_EQ(DetectUnicodeForm(title + "\xE3\x82"), UnicodeForm::Utf8);
    // Plain code page 932 and ASCII are not.
    EXPECT_EQ(DetectUnicodeForm("従業員(一覧表),サンプル商事\r\n"), UnicodeForm::None);
    EXPECT_EQ(DetectUnicodeForm("code,name\r\n001,a\r\n"), UnicodeForm::None);
    // Half-width katakana ﾃｽ (C3 BD) is valid UTF-8 too, but code page 932 first.
    EXPECT_EQ(DetectUnicodeForm("\xC3\xBD,1\r\n"), UnicodeForm::None);
    // Neither: an overlong form is no UTF-8.
    EXPECT_EQ(DetectUnicodeForm("\xC0\xAF\x80"), UnicodeForm::None);
}
