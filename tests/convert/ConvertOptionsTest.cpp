#include <gtest/gtest.h>

#include <sstream>

#include "convert/Convert.h"
#include "convert/ConvertOptions.h"
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
    EXPECT_EQ(
        out.str().rfind("Usage: corvane-convert --employees PATH --out PATH [--salary PATH]... [--bonus PATH]...\n"
                        "                       [--year N] [--mode normal|easy] [--settings PATH]\n"
                        "                       [--item N=HEADING]... [--allow-unmapped] [--strict]\n"
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
TEST(ConvertOptions, EveryOptionOfTheTableIsInTheHelpAndParses)
{
    const std::string usage = convert::UsageText(corvane::platform::SystemTextCodec());
    for (const convert::ConvertOption& option : convert::ConvertOptionTable()) {
        SCOPED_TRACE(option.name);
        const bool flag = option.takes == convert::Takes::Nothing;
        const std::string heading =
            "\n  " + std::string(option.name) + (flag ? "" : " " + std::string(option.placeholder));
        // A heading as wide as the help's column has its help on the next line.
        std::size_t at = usage.find(heading + " ");
        if (at == std::string::npos)
            at = usage.find(heading + "\n");
        ASSERT_NE(at, std::string::npos);
        const std::string help = usage.substr(at, usage.find("\n  --", at + 1) - at);
        EXPECT_NE(help.find(Utf8(FirstLine(option.japanese))), std::string::npos) << help;
        EXPECT_NE(help.find(Utf8(FirstLine(option.english))), std::string::npos) << help;

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
    const std::string usage = convert::UsageText(corvane::platform::SystemTextCodec());
    for (const auto kind : corvane::preflight::AllFindingKinds()) {
        const std::string line = Utf8("  【" + corvane::preflight::KindTitle(kind) + "】\n      ") +
                                 corvane::preflight::KindDescription(kind) + "\n";
        EXPECT_NE(usage.find(line), std::string::npos) << line;
    }
}

}  // namespace
