#include "job/FolderExports.h"

#include <algorithm>
#include <array>
#include <map>

#include "fileio/FileStatus.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "text/LineReader.h"
#include "job/CSyuukeiDataFile.h"

namespace corvane::job {

namespace {

constexpr std::size_t kMaxBonusFiles = exportlayout::kBonusCount;
// A summary export's lines up to its heading line, as indexes of LeadingLines.
constexpr std::size_t kTitleIndex = exportlayout::kTitleLine - 1;
constexpr std::size_t kLabelIndex = exportlayout::kLabelLine - 1;
constexpr std::size_t kHeadingIndex = exportlayout::kSummaryHeadingLine - 1;

// The first `count` lines of a file without trailing white space; fewer when it ends earlier.
std::vector<std::string> LeadingLines(const std::string& path, std::size_t count)
{
    std::vector<std::string> lines;
    text::LineReader reader;
    if (!reader.Open(path))
        return lines;
    std::string line;
    while (lines.size() < count && reader.Next(line))
        lines.emplace_back(text::TrimRight(line));
    return lines;
}

// A file of another company that still looks like a summary export: a title
// with a company name, a label line and a heading line. Anything less is no export.
bool LooksLikeSummary(const std::vector<std::string>& lines)
{
    return lines.size() > kHeadingIndex && SplitCsvLine(lines[kTitleIndex]).size() >= 2 &&
           !lines[kLabelIndex].empty() && SplitCsvLine(lines[kHeadingIndex]).size() >= 3;
}

std::string PathList(const std::vector<std::string>& paths, const platform::Messenger& messenger)
{
    std::string list;
    for (const auto& path : paths)
        list += "\n" + messenger.DisplayPath(path);
    return list;
}

// Skips ASCII and full-width spaces from `at`.
void SkipSpaces(const std::string& s, std::size_t& at)
{
    static const std::string kFullWidthSpace = "　";
    for (;;) {
        if (at < s.size() && s[at] == ' ')
            ++at;
        else if (s.compare(at, kFullWidthSpace.size(), kFullWidthSpace) == 0)
            at += kFullWidthSpace.size();
        else
            return;
    }
}

// The number at `at` (spaces before it skipped) followed by `unit`; -1 when there is none.
int NumberBefore(const std::string& s, std::size_t& at, const std::string& unit)
{
    SkipSpaces(s, at);
    int value = 0;
    std::size_t digits = 0;
    while (at < s.size() && s[at] >= '0' && s[at] <= '9' && digits < 4) {
        value = value * 10 + (s[at] - '0');
        ++at;
        ++digits;
    }
    SkipSpaces(s, at);
    if (digits == 0 || s.compare(at, unit.size(), unit) != 0)
        return -1;
    at += unit.size();
    return value;
}

int DateInLine(const std::string& line)
{
    static const std::string kMark = "支給日";
    static const std::array<std::pair<std::string, int>, 3> kEras = {{{"令和", 2018}, {"平成", 1988}, {"昭和", 1925}}};
    std::size_t at = text::Find(line, kMark);
    if (at == std::string::npos)
        return 0;
    at += kMark.size();
    for (const std::string colon : {"：", ":"}) {
        if (line.compare(at, colon.size(), colon) == 0)
            at += colon.size();
    }
    SkipSpaces(line, at);
    int offset = 0;
    for (const auto& [era, start] : kEras) {
        if (line.compare(at, era.size(), era) == 0) {
            at += era.size();
            offset = start;
        }
    }
    const int year = NumberBefore(line, at, "年");
    const int month = NumberBefore(line, at, "月");
    const int day = NumberBefore(line, at, "日");
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return (year + offset) * 10000 + month * 100 + day;
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t separator = fileio::LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

int BonusPaymentDate(const std::string& path)
{
    // The date stands on the label line or on the line after it.
    const auto lines = LeadingLines(path, kHeadingIndex);
    for (std::size_t i = kLabelIndex; i < lines.size(); ++i) {
        const int date = DateInLine(lines[i]);
        if (date != 0)
            return date;
    }
    return 0;
}

FolderExports SortExports(const std::vector<std::string>& paths, const platform::Messenger& messenger,
                          ExportsSource source)
{
    const std::string where = source == ExportsSource::Folder ? "フォルダーに" : "ドロップされたファイルに";
    FolderExports sorted;
    CSormaFileCheck check;
    std::vector<std::string> lists;
    for (const auto& path : paths) {
        std::string company;
        if (check.CheckEmployeeList(path, company)) {
            lists.push_back(path);
            sorted.company = company;
        }
    }
    if (lists.empty()) {
        sorted.company.clear();
        sorted.refusal = where + "従業員(一覧表)のエクスポートファイルがありません。";
        return sorted;
    }
    if (lists.size() > 1) {
        sorted.company.clear();
        sorted.refusal = where +
                         "従業員(一覧表)のエクスポートファイルが2つ以上あります。"
                         "どちらを使うか決められません。\n" +
                         PathList(lists, messenger);
        return sorted;
    }
    sorted.employees = lists.front();

    std::map<int, std::vector<std::string>> months;
    std::vector<std::string> bonuses;
    std::vector<std::string> otherCompany;
    std::vector<std::string> noMonth;
    for (const auto& path : paths) {
        if (path == sorted.employees)
            continue;
        const auto lines =
            CSormaFileCheck::IsTextFile(path) ? LeadingLines(path, kHeadingIndex + 1) : std::vector<std::string>();
        const auto title = lines.empty() ? std::vector<std::string>() : SplitCsvLine(lines[kTitleIndex]);
        if (title.size() < 2) {
            sorted.ignored.push_back(path);
            continue;
        }
        if (title[1] != sorted.company) {
            (LooksLikeSummary(lines) ? otherCompany : sorted.ignored).push_back(path);
            continue;
        }
        const int month = check.CheckSalaryFile(sorted.employees, path, false, false);
        if (month >= 1 && month <= kSalarySlotCount)
            months[month].push_back(path);
        else if (month == -1)
            // Its label names a salary month, but none from 1 to 12: no bonus either.
            (lines.size() > kLabelIndex ? noMonth : sorted.ignored).push_back(path);
        else if (check.CheckBonusFile(sorted.employees, path, false, false) == 1)
            bonuses.push_back(path);
        else
            sorted.ignored.push_back(path);
    }

    std::vector<std::string> refusals;
    if (!otherCompany.empty())
        refusals.push_back("従業員(一覧表)と関与先名が異なるエクスポートファイルがあります。\n" +
                           PathList(otherCompany, messenger));
    for (const auto& [month, files] : months) {
        if (files.size() > 1)
            refusals.push_back(text::Format("%d月度の給与集計表が2つ以上あります。\n", month) +
                               PathList(files, messenger));
    }
    if (!noMonth.empty())
        refusals.push_back("月度を読み取れない給与集計表があります。\n" + PathList(noMonth, messenger));
    if (bonuses.size() > kMaxBonusFiles)
        refusals.push_back(
            text::Format("賞与集計表が%d個あります。賞与は5回分までです。\n", static_cast<int>(bonuses.size())) +
            PathList(bonuses, messenger));
    if (!refusals.empty()) {
        for (const auto& refusal : refusals)
            sorted.refusal += (sorted.refusal.empty() ? "" : "\n\n") + refusal;
        return sorted;
    }

    for (const auto& [month, files] : months)
        sorted.salary.push_back(files.front());
    sorted.bonus = InPaymentOrder(bonuses);
    return sorted;
}

std::vector<std::string> InPaymentOrder(const std::vector<std::string>& paths)
{
    std::vector<std::pair<int, std::string>> keyed;
    for (const auto& path : paths) {
        const int date = BonusPaymentDate(path);
        keyed.emplace_back(date == 0 ? 99999999 : date, path);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : FileNameOf(a.second) < FileNameOf(b.second);
    });
    std::vector<std::string> ordered;
    ordered.reserve(keyed.size());
    for (const auto& [date, path] : keyed)
        ordered.push_back(path);
    return ordered;
}

FolderExports SortFolder(const std::string& folder, const platform::Messenger& messenger)
{
    const auto names = fileio::FolderEntries(folder, false);
    if (!names) {
        FolderExports refused;
        refused.refusal = "フォルダーを読み取れませんでした。\n\n" + messenger.DisplayPath(folder);
        return refused;
    }
    std::vector<std::string> paths;
    for (const auto& name : *names)
        paths.push_back(fileio::JoinPath(folder, name));
    return SortExports(paths, messenger);
}

}  // namespace corvane::job
