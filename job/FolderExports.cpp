#include "job/FolderExports.h"

#include <algorithm>
#include <map>

#include "fileio/FileStatus.h"
#include "fileio/StatusMemo.h"
#include "sormaexport/CSormaFileCheck.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ExportYear.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "job/CSyuukeiDataFile.h"
#include "job/ExportLook.h"
#include "job/SameContent.h"

namespace corvane::job {

namespace {

constexpr std::size_t kMaxBonusFiles = exportlayout::kBonusCount;
// A summary export's lines up to its heading line, as indexes of LeadingLines.
constexpr std::size_t kTitleIndex = exportlayout::kTitleLine - 1;
constexpr std::size_t kLabelIndex = exportlayout::kLabelLine - 1;
constexpr std::size_t kHeadingIndex = exportlayout::kSummaryHeadingLine - 1;

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

// An export that the folder cannot use, and why (code page 932).
struct Unusable {
    std::string path;
    std::string why;
};

std::string UnusableMessage(const std::vector<Unusable>& files, const platform::Messenger& messenger)
{
    std::string message =
        "エクスポートファイルのようですが、読み取れないファイルがあります。中間ファイルは作成できません。"
        "ファイルを確かめるか、ソルマ給与からエクスポートし直してください。\n";
    for (const auto& file : files)
        message += "\n" + messenger.DisplayPath(file.path) + "\n　" + file.why;
    return message;
}

// The refusals of one folder, one paragraph each.
std::string Joined(const std::vector<std::string>& refusals)
{
    std::string joined;
    for (const auto& refusal : refusals)
        joined += (joined.empty() ? "" : "\n\n") + refusal;
    return joined;
}

// What SortExports learns of the files on its way, before it places them.
struct Sorting {
    std::vector<Unusable> unusable;
    bool unusableList = false;  // one of them has the employee list's title
    // The others, for the checks: path, whether it has an export's title.
    std::vector<std::pair<std::string, bool>> candidates;
    std::map<int, std::vector<std::string>> months;
    std::vector<std::string> bonuses;
    std::vector<std::string> otherCompany;
    std::vector<std::string> noMonth;
};

// The refusal when the files hold no employee list, or two.
std::string ListRefusal(const std::vector<std::string>& lists, const Sorting& sorting, ExportsSource source,
                        const platform::Messenger& messenger)
{
    const std::string where = source == ExportsSource::Folder ? "フォルダーに" : "ドロップされたファイルに";
    std::vector<std::string> refusals;
    if (!sorting.unusable.empty())
        refusals.push_back(UnusableMessage(sorting.unusable, messenger));
    // A list that cannot be read is named above; "no list" would mislead.
    if (lists.empty() && !sorting.unusableList)
        refusals.push_back(where + "従業員(一覧表)のエクスポートファイルがありません。");
    if (lists.size() > 1)
        refusals.push_back(where +
                           "従業員(一覧表)のエクスポートファイルが2つ以上あります。"
                           "どちらを使うか決められません。\n" +
                           PathList(lists, messenger));
    return Joined(refusals);
}

// Sorts the candidates other than the employee list into months, bonuses,
// files of another company and files left out. A file with an export's title
// that the checks cannot place is unusable, with why; one without is
// clearly something else.
void PlaceSummaries(CSormaFileCheck& check, FolderExports& sorted, Sorting& sorting)
{
    for (const auto& [path, titled] : sorting.candidates) {
        if (path == sorted.employees)
            continue;
        const auto unplaced = [&, &path = path, titled = titled](const char* why) {
            if (titled)
                sorting.unusable.push_back({path, why});
            else
                sorted.ignored.push_back(path);
        };
        const auto lines = check.IsText(path) ? check.LeadingLines(path, static_cast<int>(kHeadingIndex + 1))
                                              : std::vector<std::string>();
        const auto title = lines.empty() ? std::vector<std::string>() : SplitCsvLine(lines[kTitleIndex]);
        if (title.size() < 2) {
            unplaced("1行目に関与先名がありません。");
            continue;
        }
        if (title[1] != sorted.company) {
            (titled || LooksLikeSummary(lines) ? sorting.otherCompany : sorted.ignored).push_back(path);
            continue;
        }
        const int month = check.CheckSalaryFile(sorted.employees, path, false, false);
        if (month >= 1 && month <= kSalarySlotCount)
            sorting.months[month].push_back(path);
        else if (month == -1 && lines.size() > kLabelIndex)
            // Its label names a salary month, but none from 1 to 12: no bonus either.
            sorting.noMonth.push_back(path);
        else if (month == -1)
            unplaced("3行目（月度や賞与の区分）がありません。ファイルが途中で切れている可能性があります。");
        else if (check.CheckBonusFile(sorted.employees, path, false, false) == 1)
            sorting.bonuses.push_back(path);
        else
            unplaced("給与・賞与の集計表として読み取れません。");
    }
}

// The refusal once the summaries are placed; "" when they make a job.
std::string SummaryRefusal(const std::string& employees, const Sorting& sorting, const platform::Messenger& messenger)
{
    std::vector<std::string> refusals;
    if (!sorting.unusable.empty())
        refusals.push_back(UnusableMessage(sorting.unusable, messenger));
    if (!sorting.otherCompany.empty())
        refusals.push_back("従業員(一覧表)と関与先名が異なるエクスポートファイルがあります。\n" +
                           PathList(sorting.otherCompany, messenger));
    std::vector<std::string> used = {employees};
    for (const auto& [month, files] : sorting.months) {
        if (files.size() > 1)
            refusals.push_back(text::Format("%d月度の給与集計表が2つ以上あります。\n", month) +
                               PathList(files, messenger));
        else
            used.push_back(files.front());
    }
    if (!sorting.noMonth.empty())
        refusals.push_back("月度を読み取れない給与集計表があります。\n" + PathList(sorting.noMonth, messenger));
    used.insert(used.end(), sorting.bonuses.begin(), sorting.bonuses.end());
    for (const auto& same : SameContentGroups(used))
        refusals.push_back(
            "同じ内容のエクスポートファイルがあります。同じ支給を2回数えることになるため、"
            "中間ファイルは作成できません。1つだけを残し、ほかはフォルダーから移してください。\n" +
            PathList(same, messenger));
    if (sorting.bonuses.size() > kMaxBonusFiles)
        refusals.push_back(text::Format("賞与集計表が%d個あります。賞与は5回分までです。\n",
                                        static_cast<int>(sorting.bonuses.size())) +
                           PathList(sorting.bonuses, messenger));
    return Joined(refusals);
}

int DateInLine(const std::string& line)
{
    const auto date = exportyear::PaymentDate(line);
    return date ? date->year * 10000 + date->month * 100 + date->day : 0;
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t separator = fileio::LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

int BonusPaymentDate(const std::string& path)
{
    CSormaFileCheck check;
    return BonusPaymentDate(path, check);
}

int BonusPaymentDate(const std::string& path, CSormaFileCheck& check)
{
    // The date stands on the label line or on the line after it.
    const auto lines = check.LeadingLines(path, static_cast<int>(kHeadingIndex));
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
    CSormaFileCheck check;
    return SortExports(paths, messenger, source, check);
}

FolderExports SortExports(const std::vector<std::string>& paths, const platform::Messenger& messenger,
                          ExportsSource source, CSormaFileCheck& check)
{
    // The sorting writes nothing and asks about each file many times.
    const fileio::StatusMemo memo;
    FolderExports sorted;
    Sorting sorting;
    for (const auto& path : paths) {
        ExportLook look = LookAtFile(path);
        if (look.kind == ExportLook::Kind::OwnOutput) {
            sorted.ownOutputs.push_back(path);
        } else if (!look.damage.empty()) {
            sorting.unusable.push_back({path, look.damage});
            sorting.unusableList = sorting.unusableList || look.employeeListTitle;
        } else {
            // An export without damage was read whole and holds no 00 byte;
            // its first lines are in the block read first.
            if (look.kind == ExportLook::Kind::Export)
                check.NoteText(path, look.head, look.headWhole);
            sorting.candidates.emplace_back(path, look.kind == ExportLook::Kind::Export);
        }
    }

    std::vector<std::string> lists;
    for (const auto& [path, titled] : sorting.candidates) {
        std::string company;
        if (check.CheckEmployeeList(path, company)) {
            lists.push_back(path);
            sorted.company = company;
        }
    }
    if (lists.size() != 1) {
        sorted.company.clear();
        sorted.refusal = ListRefusal(lists, sorting, source, messenger);
        return sorted;
    }
    sorted.employees = lists.front();

    PlaceSummaries(check, sorted, sorting);
    sorted.refusal = SummaryRefusal(sorted.employees, sorting, messenger);
    if (!sorted.refusal.empty())
        return sorted;
    for (const auto& [month, files] : sorting.months)
        sorted.salary.push_back(files.front());
    sorted.bonus = InPaymentOrder(sorting.bonuses, check);
    for (const auto& path : sorted.bonus) {
        if (BonusPaymentDate(path, check) == 0)
            sorted.undatedBonus.push_back(path);
    }
    return sorted;
}

std::string UndatedBonusNote(const FolderExports& exports, const platform::Messenger& messenger)
{
    if (exports.bonus.size() < 2 || exports.undatedBonus.empty())
        return std::string();
    const std::string how =
        exports.undatedBonus.size() == exports.bonus.size()
            ? "賞与集計表に支給日がないため、ファイル名の順に並べました。"
            : "次の賞与集計表には支給日がないため、支給日のある賞与の後に、ファイル名の順に並べました。";
    return how + "賞与の順番が正しいか確認してください。\n" + PathList(exports.undatedBonus, messenger);
}

std::vector<std::string> InPaymentOrder(const std::vector<std::string>& paths)
{
    CSormaFileCheck check;
    return InPaymentOrder(paths, check);
}

std::vector<std::string> InPaymentOrder(const std::vector<std::string>& paths, CSormaFileCheck& check)
{
    std::vector<std::pair<int, std::string>> keyed;
    for (const auto& path : paths) {
        const int date = BonusPaymentDate(path, check);
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
    CSormaFileCheck check;
    return SortFolder(folder, messenger, check);
}

FolderExports SortFolder(const std::string& folder, const platform::Messenger& messenger, CSormaFileCheck& check)
{
    const fileio::StatusMemo memo;
    const auto names = fileio::FolderEntries(folder, false);
    if (!names) {
        FolderExports refused;
        refused.refusal = "フォルダーを読み取れませんでした。\n\n" + messenger.DisplayPath(folder);
        return refused;
    }
    std::vector<std::string> paths;
    for (const auto& name : *names)
        paths.push_back(fileio::JoinPath(folder, name));
    return SortExports(paths, messenger, ExportsSource::Folder, check);
}

}  // namespace corvane::job
