// The start parameter, the output page's name and filing-year checks, the
// date conversion and the address split, on random and mutated input.
#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/CExchangeFromSormaToVeld.h"
#include "fuzz/FuzzSupport.h"
#include "sormaexport/ExportDate.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "wizard/CCorvaneApp.h"
#include "job/JobSteps.h"
#include "wizard/OutputPathDisplay.h"

namespace corvane::fuzz {
namespace {

std::string RandomNumber(Rng& rng)
{
    switch (rng.Below(6)) {
    case 0:
        return std::to_string(static_cast<long long>(rng.Next() % 200) - 100);
    case 1:
        return std::to_string(static_cast<int>(rng.Next()));
    case 2:
        return std::string(1 + rng.Below(30), static_cast<char>('0' + rng.Below(10)));  // past 32 bits
    case 3:
        return (rng.OneIn(2) ? "+" : " \t") + std::to_string(rng.Below(100000));
    case 4:
        return "-" + std::to_string(rng.Below(3000000000ULL));
    default:
        return Alphabet::Get().Text(rng, 3);
    }
}

std::string RandomCommandLine(Rng& rng)
{
    std::string path;
    switch (rng.Below(4)) {
    case 0:
        path = "C:\\Data\\" + Alphabet::Get().Text(rng, 20, false) + ".XML";
        break;
    case 1:
        path = std::string(250 + rng.Below(20), 'p');
        break;
    case 2:
        path = "";
        break;
    default:
        path = Alphabet::Get().Text(rng, 40);
        break;
    }
    if (rng.OneIn(4))
        path = "\"" + path + "\"";
    std::string line = RandomNumber(rng) + "," + RandomNumber(rng) + "," + RandomNumber(rng) + "," + path;
    if (rng.OneIn(3))
        line += " " + Alphabet::Get().Text(rng, 10);
    for (std::size_t k = rng.Below(3); k > 0; --k)
        Mutate(rng, line, "100,32769,3,C:\\Data\\out.XML");
    return line;
}

// The C library's "%d,%d,%d," as the caller's program means it, then the
// rest of the line as the path: trimmed of C white space, unquoted when the
// caller quoted it. Numbers that do not fit 32 bits and paths longer than
// 259 bytes are refused.
bool ScanfReference(const std::string& line, StartParameter& out)
{
    long long window = 0;
    long long message = 0;
    long long function = 0;
    int used = -1;
    if (std::sscanf(line.c_str(), "%lld,%lld,%lld,%n", &window, &message, &function, &used) != 3 || used < 0)
        return false;
    for (long long v : {window, message, function}) {
        if (v < INT_MIN || v > INT_MAX)
            return false;
    }
    std::string path = line.substr(static_cast<std::size_t>(used));
    while (!path.empty() && std::isspace(static_cast<unsigned char>(path.front())))
        path.erase(0, 1);
    while (!path.empty() && std::isspace(static_cast<unsigned char>(path.back())))
        path.pop_back();
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    if (path.empty())
        return false;
    out.callerWindow = static_cast<int>(window);
    out.messageNumber = static_cast<int>(message);
    out.functionId = static_cast<int>(function);
    out.outputPath = path;
    return out.outputPath.size() <= 259;
}

TEST(ParserFuzz, StartParameterReadsWhatTheFormattedScanReads)
{
    Rng rng(0x5EED0101);
    const int count = Count(20000);
    int parsed = 0;
    for (int n = 0; n < count; ++n) {
        std::string line = RandomCommandLine(rng);
        // The C library stops at a NUL; the command line holds none.
        line = line.substr(0, line.find('\0'));
        StartParameter got;
        StartParameter expected;
        const bool ok = CCorvaneApp::ParseStartParameter(line, got);
        ASSERT_EQ(ok, ScanfReference(line, expected)) << "[" << line << "]";
        if (!ok)
            continue;
        ++parsed;
        EXPECT_EQ(got.callerWindow, expected.callerWindow);
        EXPECT_EQ(got.messageNumber, expected.messageNumber);
        EXPECT_EQ(got.functionId, expected.functionId);
        EXPECT_EQ(got.outputPath, expected.outputPath);
    }
    // Both sides of the rule were tried.
    EXPECT_GT(parsed, count / 20);
    EXPECT_LT(parsed, count - count / 20);
    ReportInputs(count);
}

TEST(ParserFuzz, FilingYearIsTheLeadingNumberFromOneTo98)
{
    Rng rng(0x5EED0102);
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        std::string text;
        if (rng.OneIn(2)) {
            text = std::string(rng.Below(3), ' ') + RandomNumber(rng) + Alphabet::Get().Text(rng, 3);
        } else {
            text = Alphabet::Get().Text(rng, 6);
            Mutate(rng, text, "26");
        }
        text = text.substr(0, text.find('\0'));
        errno = 0;
        const long value = std::strtol(text.c_str(), nullptr, 10);
        const bool expected = value >= 1 && value <= 98;
        ASSERT_EQ(job::IsValidFilingYear(text), expected) << "[" << text << "]";
    }
    ReportInputs(count);
}

TEST(ParserFuzz, TypedNamesReplaceOnlyTheFileNameAndEndInXml)
{
    Rng rng(0x5EED0103);
    const int count = Count(20000);
    const std::string separator(1, '/');
    for (int n = 0; n < count; ++n) {
        const std::string folder = rng.OneIn(4) ? std::string() : "/data/" + Alphabet::Get().Text(rng, 8, false);
        const std::string path = folder.empty() ? Alphabet::Get().Text(rng, 8) : folder + separator + "old.XML";
        std::string typed = Alphabet::Get().Text(rng, 12);
        if (rng.OneIn(3))
            typed += rng.OneIn(2) ? ".xml" : ".XmL";
        if (rng.OneIn(4))
            Mutate(rng, typed, "a?b");
        if (outputpath::HasForbiddenCharacter(typed)) {
            EXPECT_NE(typed.find_first_of("\\/:?*\"<>|"), std::string::npos) << typed;
            continue;
        }
        ASSERT_EQ(typed.find_first_of("\\/:?*\"<>|"), std::string::npos) << typed;
        const std::string result = outputpath::WithFileName(path, typed);
        ASSERT_GE(result.size(), 4u);
        std::string tail = result.substr(result.size() - 4);
        for (auto& c : tail)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(tail, ".XML") << result;
        EXPECT_EQ(outputpath::FolderOf(result), outputpath::FolderOf(path)) << result;
        const std::string name = outputpath::FileNameOf(result);
        EXPECT_TRUE(name == typed || name == typed + ".XML") << result;
        const std::string location = outputpath::LocationText(
            outputpath::FolderOf(result), [](const std::string&) { return std::optional<std::string>("LABEL"); });
        EXPECT_EQ(location, outputpath::FileNameOf(outputpath::FolderOf(result)));
    }
    ReportInputs(count);
}

struct Era {
    const char* name;
    int base;
};
const Era kEras[] = {{"明治", 1867}, {"大正", 1911}, {"昭和", 1925}, {"平成", 1988}, {"令和", 2018}};

// Eight digits for a day that exists; nothing for one that does not (31 April).
std::string Expected(int year, int month, int day)
{
    return day <= exportdate::DaysInMonth(year, month) ? text::Format("%04d%02d%02d", year, month, day) : std::string();
}

TEST(ParserFuzz, DatesInBothFormsBecomeEightDigits)
{
    Rng rng(0x5EED0104);
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        const int month = 1 + static_cast<int>(rng.Below(12));
        const int day = 1 + static_cast<int>(rng.Below(31));
        if (rng.OneIn(2)) {
            const int year = 1900 + static_cast<int>(rng.Below(200));
            const std::string text = text::Format("%4d年%2d月%2d日", year, month, day);
            ASSERT_EQ(text.size(), 14u);
            EXPECT_EQ(CExchangeFromSormaToVeld::ConvertDate(text), Expected(year, month, day)) << text;
        } else {
            const Era& era = kEras[rng.Below(std::size(kEras))];
            const int year = 1 + static_cast<int>(rng.Below(64));
            const std::string text = text::Format("%s%2d年%2d月%2d日", era.name, year, month, day);
            ASSERT_EQ(text.size(), 16u);
            EXPECT_EQ(CExchangeFromSormaToVeld::ConvertDate(text), Expected(era.base + year, month, day)) << text;
        }
    }
    ReportInputs(count);
}

TEST(ParserFuzz, MutatedDatesGiveDigitsOrNothing)
{
    Rng rng(0x5EED0105);
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        std::string text = rng.OneIn(2) ? std::string("昭和50年 4月 3日") : std::string("1975年 4月 3日");
        for (std::size_t k = 1 + rng.Below(3); k > 0; --k)
            Mutate(rng, text, "平成令和年月日 ");
        if (rng.OneIn(3))
            text.resize(rng.OneIn(2) ? 16 : 14, ' ');
        // Whatever the length: a date that exists, or nothing.
        const std::string date = CExchangeFromSormaToVeld::ConvertDate(text);
        if (!date.empty()) {
            ASSERT_EQ(date.size(), 8u) << text;
            EXPECT_EQ(date.find_first_not_of("0123456789"), std::string::npos) << text;
            const int year = std::stoi(date.substr(0, 4));
            const int month = std::stoi(date.substr(4, 2));
            const int day = std::stoi(date.substr(6, 2));
            EXPECT_TRUE(exportdate::IsValid({year, month, day})) << text;
        }
    }
    ReportInputs(count);
}

TEST(ParserFuzz, AddressSplitKeepsEveryByteAndCutsNoCharacter)
{
    Rng rng(0x5EED0106);
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        std::string text = Alphabet::Get().Text(rng, 40);
        if (rng.OneIn(3))
            Mutate(rng, text, "東京都千代田区");
        const int position = static_cast<int>(rng.Below(70)) - 5;
        const std::string left = CExchangeFromSormaToVeld::SplitAtByte(text, position, true);
        const std::string right = CExchangeFromSormaToVeld::SplitAtByte(text, position, false);
        ASSERT_EQ(left + right, text) << position;
        if (text::IsWellFormedText(text)) {
            const std::size_t limit = position < 0 ? 0 : static_cast<std::size_t>(position);
            EXPECT_LE(left.size(), limit);
            EXPECT_TRUE(text::IsWellFormedText(left)) << position;
            EXPECT_TRUE(text::IsWellFormedText(right)) << position;
        }
    }
    ReportInputs(count);
}

}  // namespace
}  // namespace corvane::fuzz
