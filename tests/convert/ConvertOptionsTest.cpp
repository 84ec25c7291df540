#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "convert/Convert.h"
#include "convert/ConvertOptions.h"
#include "convert/HelpLanguage.h"
#include "preflight/FindingText.h"
#include "support/TempDir.h"

namespace convert = corvane::convert;
using corvane::test::TempDir;

namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ShowsTheUsageAndExitsTwoWritingNothing)
{
    TempDir dir;
    const auto list = dir.Write("employees.txt", "従業員(一覧表),サンプル商事\r\n\r\nコード\r\n1\r\n");
    std::vector<std::string> args;
    for (const auto& a : GetParam().args)
        args.push_back(a == "LIST" ? list : a == "OUT" ? dir.File("out.XML") : a);
    args.push_back("--settings");
    args.push_back(dir.File("Corvane.ENV"));
    const auto before = dir.Listing();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(convert::RunConvert(args, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("corvane-convert: ", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("Usage: corvane-convert --employees PATH --out PATH"), std::string::npos);
    EXPECT_EQ(dir.Listing(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageError,
    ::testing::Values(
        UsageCase{"UnknownOption", {"--employees", "LIST", "--out", "OUT", "--verbose"}},
        UsageCase{"PositionalArgument", {"--employees", "LIST", "--out", "OUT", "extra.txt"}},
        UsageCase{"EmployeesMissing", {"--out", "OUT"}}, UsageCase{"OutMissing", {"--employees", "LIST"}},
        UsageCase{"OutEmpty", {"--employees", "LIST", "--out", ""}},
        UsageCase{"ValueMissing", {"--employees", "LIST", "--out"}},
        UsageCase{"SixBonusFiles",
                  {"--employees", "LIST", "--out", "OUT", "--bonus", "a", "--bonus", "b", "--bonus", "c", "--bonus",
                   "d", "--bonus", "e", "--bonus", "f"}},
        UsageCase{"ModeOther", {"--employees", "LIST", "--out", "OUT", "--mode", "EASY"}},
        UsageCase{"ItemWithoutEquals", {"--employees", "LIST", "--out", "OUT", "--item", "1"}},
        UsageCase{"ItemZero", {"--employees", "LIST", "--out", "OUT", "--item", "0=x"}},
        UsageCase{"ItemFive", {"--employees", "LIST", "--out", "OUT", "--item", "5=x"}},
        UsageCase{"ItemTwoDigits", {"--employees", "LIST", "--out", "OUT", "--item", "12=x"}},
        UsageCase{"EmployeesTwice", {"--employees", "LIST", "--employees", "LIST", "--out", "OUT"}},
        UsageCase{"CheckListPathInABatch", {"--batch", "ROOT", "--out-dir", "OUT", "--checklist", "LIST.html"}},
        UsageCase{"CheckListTwice", {"--employees", "LIST", "--out", "OUT", "--checklist", "--checklist"}}),
    [](const auto& param) { return std::string(param.param.name); });

// --checklist takes a path when one follows, and none before another option or at the end.
TEST(ConvertOptions, TheCheckListsPathIsOptional)
{
    auto parsed = convert::ParseConvertOptions({"--employees", "L", "--out", "O", "--checklist", "C.html"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.checklist, std::optional<std::string>("C.html"));
    parsed = convert::ParseConvertOptions({"--employees", "L", "--checklist", "--out", "O"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.checklist, std::optional<std::string>(""));
    EXPECT_EQ(parsed.options.out, "O");
    parsed = convert::ParseConvertOptions({"--batch", "R", "--out-dir", "D", "--checklist"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.checklist, std::optional<std::string>(""));
}

TEST(ConvertOptions, CollectsRepeatedOptionsInOrder)
{
    const auto parsed = convert::ParseConvertOptions({"--salary", "s2",    "--employees",     "e",  "--bonus", "b1",
                                                      "--salary", "s1",    "--out",           "o",  "--bonus", "b2",
                                                      "--item",   "2=x=y", "--item",          "4=", "--mode",  "easy",
                                                      "--year",   "26年",  "--allow-unmapped"});
    ASSERT_EQ(parsed.error, "");
    const auto& o = parsed.options;
    EXPECT_EQ(o.employees, "e");
    EXPECT_EQ(o.out, "o");
    EXPECT_EQ(o.salary, (std::vector<std::string>{"s2", "s1"}));
    EXPECT_EQ(o.bonus, (std::vector<std::string>{"b1", "b2"}));
    ASSERT_EQ(o.items.size(), 2u);
    EXPECT_EQ(o.items[0].entry, 2);
    EXPECT_EQ(o.items[0].heading, "x=y");
    EXPECT_EQ(o.items[1].entry, 4);
    EXPECT_EQ(o.items[1].heading, "");
    EXPECT_EQ(o.mode, corvane::TransferMode::Easy);
    EXPECT_EQ(o.year, "26年");
    EXPECT_TRUE(o.allowUnmapped);
    EXPECT_FALSE(o.settings.has_value());
}

TEST(ConvertOptions, HelpGoesToStandardOutput)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(convert::RunConvert({"--help"}, out, err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str().rfind("Usage: corvane-convert --employees PATH --out PATH [--salary PATH]...\n"
                              "                       [--bonus PATH]... [--year N] [--mode normal|easy]\n"
                              "                       [--settings PATH] [--item N=HEADING]...\n"
                              "                       [--allow-unmapped] [--strict] [--strict-all]\n"
                              "                       [--report PATH] [--checklist [PATH]] [--help]\n",
                              0),
              0u);
}

std::string Utf8(const std::string& text)
{
    return corvane::platform::SystemTextCodec().TextToUtf8(text);
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

// A value that the option's own rule takes, from a few of the usual shapes; "" when none is.
std::string SampleValue(const convert::ConvertOption& option)
{
    for (const char* value : {"x", "2", "easy", "1=x"}) {
        convert::ConvertOptions options;
        if (option.set(options, value).empty())
            return value;
    }
    return std::string();
}

// Each option of the table: its lines of the help, its value taken, and the
// given-twice rule.
// An option's lines in one language's help, their line breaks and indents gone.
std::string OptionLines(const std::string& usage, const std::string& heading)
{
    // A heading as wide as the help's column has its help on the next line.
    std::size_t at = usage.find(heading + " ");
    if (at == std::string::npos)
        at = usage.find(heading + "\n");
    if (at == std::string::npos)
        return std::string();
    std::string help = usage.substr(at, usage.find("\n  --", at + 1) - at);
    for (std::size_t wrap; (wrap = help.find("\n ")) != std::string::npos;) {
        const std::size_t text = help.find_first_not_of(' ', wrap + 1);
        // A wrapped English line went on after a blank; a Japanese one, without.
        help.replace(wrap, text - wrap, static_cast<unsigned char>(help[text]) < 0x80 ? " " : "");
    }
    return help;
}

TEST(ConvertOptions, EveryOptionOfTheTableIsInTheHelpAndParses)
{
    const std::string japanese = convert::UsageText(corvane::platform::SystemTextCodec(), true);
    const std::string english = convert::UsageText(corvane::platform::SystemTextCodec(), false);
    for (const convert::ConvertOption& option : convert::ConvertOptionTable()) {
        SCOPED_TRACE(option.name);
        const bool flag = option.takes == convert::Takes::Nothing;
        const std::string heading =
            "\n  " + std::string(option.name) + (flag ? "" : " " + std::string(option.placeholder));
        const std::string inJapanese = OptionLines(japanese, heading);
        const std::string inEnglish = OptionLines(english, heading);
        ASSERT_NE(inJapanese, "");
        ASSERT_NE(inEnglish, "");
        EXPECT_NE(inJapanese.find(Utf8(FirstLine(option.japanese))), std::string::npos) << inJapanese;
        EXPECT_NE(inEnglish.find(Utf8(FirstLine(option.english))), std::string::npos) << inEnglish;
        EXPECT_EQ(inEnglish.find(Utf8(FirstLine(option.japanese))), std::string::npos) << "one language each";

        std::vector<std::string> args = {option.name};
        const bool optional = option.takes == convert::Takes::OptionalValue;
        if (!flag) {
            EXPECT_EQ(convert::ParseConvertOptions(args).error == std::string(option.name) + " needs a value",
                      !optional);
            const std::string sample = SampleValue(option);
            ASSERT_NE(sample, "") << "add a value that " << option.name << " takes to SampleValue";
            args.push_back(sample);
        }
        EXPECT_FALSE(convert::ParseConvertOptions(args).options == convert::ConvertOptions{}) << "sets nothing";
        const std::vector<std::string> once = args;
        args.insert(args.end(), once.begin(), once.end());
        const bool twiceRefused = convert::ParseConvertOptions(args).error == std::string(option.name) + " given twice";
        EXPECT_EQ(twiceRefused, option.takes == convert::Takes::Value || optional);
    }
}

TEST(ConvertOptions, HelpNamesEveryKindOfFinding)
{
    const std::string english = convert::UsageText(corvane::platform::SystemTextCodec(), false);
    const std::string japanese = convert::UsageText(corvane::platform::SystemTextCodec(), true);
    for (const auto kind : corvane::preflight::AllFindingKinds()) {
        const std::string title = Utf8("  【" + corvane::preflight::KindTitle(kind) + "】\n");
        // The description follows its title, wrapped at the help's width.
        const std::size_t at = english.find(title);
        ASSERT_NE(at, std::string::npos) << title;
        std::istringstream words(corvane::preflight::KindDescription(kind));
        std::size_t from = at + title.size();
        for (std::string word; words >> word; from += word.size()) {
            const std::size_t found = english.find(word, from);
            EXPECT_EQ(english.find_first_not_of(" \n", from), found) << word;
            from = found;
        }
        EXPECT_NE(japanese.find(title), std::string::npos) << title;
    }
}

// Columns on a console: East Asian wide characters take two, half-width katakana one.
std::size_t Columns(const std::string& utf8)
{
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        columns += code < 0x1100 || (code >= 0xFF61 && code <= 0xFF9F) ? 1 : 2;
        i += length;
    }
    return columns;
}

TEST(ConvertOptions, BothHelpsFitAConsoleOfEightyColumns)
{
    for (const bool japanese : {true, false}) {
        const std::string usage = convert::UsageText(corvane::platform::SystemTextCodec(), japanese);
        std::istringstream lines(usage);
        std::size_t count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            EXPECT_LE(Columns(line), 79u) << line;
            // A Japanese line does not begin with a comma or a full stop.
            EXPECT_FALSE(line.find_first_not_of(' ') != std::string::npos &&
                         (line.substr(line.find_first_not_of(' ')).starts_with(Utf8("、")) ||
                          line.substr(line.find_first_not_of(' ')).starts_with(Utf8("。"))))
                << line;
        }
        EXPECT_GT(count, 40u);
    }
}

#ifndef _WIN32
TEST(ConvertOptions, TheHelpsLanguageFollowsTheLocaleVariablesInTheirOrder)
{
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    };
    std::vector<Saved> saved;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value ? value : "", value != nullptr});
    }
    const auto with = [](const char* all, const char* messages, const char* lang) {
        const auto put = [](const char* name, const char* value) {
            if (value)
                setenv(name, value, 1);
            else
                unsetenv(name);
        };
        put("LC_ALL", all);
        put("LC_MESSAGES", messages);
        put("LANG", lang);
        return convert::UserReadsJapanese();
    };
    EXPECT_TRUE(with(nullptr, nullptr, "ja_JP.UTF-8"));
    EXPECT_TRUE(with("", "ja_JP.eucJP", "C"));
    EXPECT_FALSE(with("C.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"));
    EXPECT_FALSE(with(nullptr, nullptr, "en_US.UTF-8"));
    EXPECT_FALSE(with(nullptr, nullptr, nullptr));
    for (const Saved& s : saved) {
        if (s.set)
            setenv(s.name, s.value.c_str(), 1);
        else
            unsetenv(s.name);
    }
}
#endif

}  // namespace
