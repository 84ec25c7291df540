#include <gtest/gtest.h>

#include <string>

#include "platform/TextCodec.h"

using corvane::platform::SystemTextCodec;

namespace {

struct Sample {
    const char* name;
    std::string text;  // code page 932 (this file is compiled to it)
    std::string utf8;
};

class Win32TextCodecRoundTrip : public testing::TestWithParam<Sample> {};

TEST_P(Win32TextCodecRoundTrip, ConvertsBothWays)
{
    const Sample& s = GetParam();
    EXPECT_EQ(SystemTextCodec().TextToUtf8(s.text), s.utf8);
    EXPECT_EQ(SystemTextCodec().Utf8ToText(s.utf8), s.text);
}

INSTANTIATE_TEST_SUITE_P(Samples, Win32TextCodecRoundTrip,
                         testing::Values(Sample{"ascii", "Veld 1, 0, 0, 0", "Veld 1, 0, 0, 0"},
                                         Sample{"kanji", "在職", "\xE5\x9C\xA8\xE8\x81\xB7"},
                                         // 0x5C as a trail byte.
                                         Sample{"trail5c", "表示", "\xE8\xA1\xA8\xE7\xA4\xBA"},
                                         Sample{"halfwidth", "ｷｬﾝｾﾙ",
                                                "\xEF\xBD\xB7\xEF\xBD\xAC\xEF\xBE\x9D\xEF\xBD\xBE\xEF\xBE\x99"},
                                         Sample{"empty", "", ""}),
                         [](const testing::TestParamInfo<Sample>& p) { return std::string(p.param.name); });

TEST(Win32TextCodec, CodePage932IsUsedWhateverTheSystemCodePage)
{
    // The bytes of 在 in code page 932, given directly.
    EXPECT_EQ(SystemTextCodec().TextToUtf8("\x8D\xDD"), "\xE5\x9C\xA8");
}

TEST(Win32TextCodec, CharactersOutsideCodePage932BecomeQuestionMarks)
{
    // U+00E9 (é) and U+20AC (€) have no code page 932 form.
    EXPECT_EQ(SystemTextCodec().Utf8ToText("a\xC3\xA9"
                                           "b\xE2\x82\xAC"),
              "a?b?");
    // U+20BB7 (𠮷, a surrogate pair in UTF-16) is one character and one "?".
    EXPECT_EQ(SystemTextCodec().Utf8ToText("\xF0\xA0\xAE\xB7"
                                           "c"),
              "?c");
}

TEST(Win32TextCodec, PathsAreUtf8AndShownInCodePage932)
{
    const std::string text = "C:\\給与データ表\\社員.TXT";  // code page 932, 表 ending in 0x5C
    const std::string path =
        "C:\\\xE7\xB5\xA6\xE4\xB8\x8E\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE8\xA1\xA8\\"
        "\xE7\xA4\xBE\xE5\x93\xA1.TXT";
    EXPECT_EQ(SystemTextCodec().TextToPath(text), path);
    EXPECT_EQ(SystemTextCodec().PathToText(path), text);
    // A folder name that code page 932 cannot hold is shown with "?" for the character.
    EXPECT_EQ(SystemTextCodec().PathToText("C:\\\xF0\xA0\xAE\xB7"
                                           "\xE7\x94\xB0"),
              "C:\\?田");
}

}  // namespace
