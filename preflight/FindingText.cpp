#include "preflight/FindingText.h"

#include <algorithm>
#include <set>
#include <utility>

#include "preflight/Words.h"

namespace corvane::preflight {

namespace {

// No default in these switches: a new kind does not compile without its
// title and description. nullptr for a number that names no kind, which is
// where AllFindingKinds() stops.
const char* Title(FindingKind kind)
{
    switch (kind) {
    case FindingKind::SameContent:
        return "同じ内容のエクスポートファイル";
    case FindingKind::UnlistedCodes:
        return "従業員一覧表にない従業員コード";
    case FindingKind::ShiftedRow:
        return "従業員コードが読めない行";
    case FindingKind::NoFigures:
        return "集計表に行がない従業員";
    case FindingKind::EmptySummary:
        return "従業員の行がない集計表";
    case FindingKind::FieldCount:
        return "項目の数が合わない行";
    case FindingKind::UnpairedQuotes:
        return "ダブルクォーテーションが合わない行";
    case FindingKind::CutOff:
        return "途中で切れたファイル";
    case FindingKind::RepeatedCode:
        return "重複した従業員コード";
    case FindingKind::BadDate:
        return "日付に変換できない値";
    case FindingKind::NotANumber:
        return "数値でない金額";
    case FindingKind::SummaryYears:
        return "年分の違う集計表";
    case FindingKind::FilingYear:
        return "集計表の年分と違う申告年度";
    case FindingKind::BonusOutsideYear:
        return "年分の外の賞与支給日";
    case FindingKind::PayAfterLeaving:
        return "退職後の月の金額";
    case FindingKind::PayBeforeJoining:
        return "入社前の月の金額";
    case FindingKind::ImplausibleColumns:
        return "項目の対応の誤り";
    case FindingKind::NegativeFigure:
        return "マイナスの金額";
    case FindingKind::BadDependents:
        return "扶養親族等の数の誤り";
    }
    return nullptr;
}

}  // namespace

const std::vector<FindingKind>& AllFindingKinds()
{
    static const std::vector<FindingKind> kinds = [] {
        std::vector<FindingKind> all;
        for (int number = 0; Title(static_cast<FindingKind>(number)) != nullptr; ++number)
            all.push_back(static_cast<FindingKind>(number));
        return all;
    }();
    return kinds;
}

const std::string& KindTitle(FindingKind kind)
{
    static const std::vector<std::string> titles = [] {
        std::vector<std::string> all;
        for (const FindingKind each : AllFindingKinds())
            all.emplace_back(Title(each));
        return all;
    }();
    return titles.at(static_cast<std::size_t>(kind));
}

const char* KindDescription(FindingKind kind)
{
    switch (kind) {
    case FindingKind::SameContent:
        return "an export whose bytes another export of the job holds: one payment counted twice";
    case FindingKind::UnlistedCodes:
        return "summary rows whose employee code the employee list lacks";
    case FindingKind::ShiftedRow:
        return "summary rows left out: a stray comma or quote before them emptied their code field";
    case FindingKind::NoFigures:
        return "listed employees without a row in any summary file";
    case FindingKind::EmptySummary:
        return "a summary file without any employee row";
    case FindingKind::FieldCount:
        return "rows whose number of fields differs from the heading line's";
    case FindingKind::UnpairedQuotes:
        return "rows whose double quotes do not pair up";
    case FindingKind::CutOff:
        return "a file that ends part-way through a row, or without the last row's line end";
    case FindingKind::RepeatedCode:
        return "one employee code on two rows of one file";
    case FindingKind::BadDate:
        return "an employee list date that converts to no date";
    case FindingKind::NotANumber:
        return "a figure of a chosen pay column that is no number";
    case FindingKind::SummaryYears:
        return "summary files of different years in one job";
    case FindingKind::FilingYear:
        return "a filing year other than the summary files' year";
    case FindingKind::BonusOutsideYear:
        return "a bonus paid outside its file's year";
    case FindingKind::PayAfterLeaving:
        return "figures in a month wholly after the employee left";
    case FindingKind::PayBeforeJoining:
        return "figures in a month wholly before the employee joined";
    case FindingKind::ImplausibleColumns:
        return "total pay under the tax or social insurance in most rows";
    case FindingKind::NegativeFigure:
        return "a negative figure";
    case FindingKind::BadDependents:
        return "a number of dependants that is no whole number from 0 to 99";
    }
    return "";
}

const std::string& LevelTitle(Level level)
{
    static const std::string mustFix = "要修正";
    static const std::string toConfirm = "要確認";
    switch (level) {
    case Level::MustFix:
        return mustFix;
    case Level::ToConfirm:
        return toConfirm;
    }
    return mustFix;
}

namespace {

// How many a group of findings concerns: its different employees, or its
// files when it names none: 「2人」, 「1ファイル」.
std::string Concerned(const std::vector<const Finding*>& group)
{
    std::set<std::pair<std::string, std::string>> people;
    std::set<std::string> files;
    for (const Finding* finding : group) {
        for (const auto& person : finding->affected)
            people.emplace(person.code, person.name);
        files.insert(finding->file);
    }
    if (!people.empty())
        return std::to_string(people.size()) + "人";
    return std::to_string(files.size()) + "ファイル";
}

std::vector<const Finding*> OfLevel(const std::vector<Finding>& findings, Level level)
{
    std::vector<const Finding*> group;
    for (const auto& finding : findings) {
        if (finding.level == level)
            group.push_back(&finding);
    }
    return group;
}

const Level kLevels[] = {Level::MustFix, Level::ToConfirm};

std::string PersonLine(const Affected& person, const std::string& findingOutcome)
{
    std::string line =
        "  " + (person.code.empty() && person.name.empty() ? std::string("（従業員不明）") : PersonLabel(person));
    if (person.line > 0)
        line += "（" + std::to_string(person.line) + "行目）";
    if (!person.value.empty())
        line += "「" + person.value + "」";
    if (!person.outcome.empty() && person.outcome != findingOutcome)
        line += "：" + person.outcome;
    return line + "\n";
}

}  // namespace

std::vector<Finding> ByLevel(std::vector<Finding> findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.level < b.level; });
    return findings;
}

std::string FindingBlock(const Finding& finding, const PathDisplay& display, std::size_t shown,
                         const std::string& restNote)
{
    std::string block = "【" + LevelTitle(finding.level) + "】" + KindTitle(finding.kind) + "\n";
    if (!finding.file.empty()) {
        block += display(finding.file);
        if (finding.line > 0)
            block += "（" + std::to_string(finding.line) + "行目）";
        block += "\n";
    }
    if (!finding.column.empty())
        block += "列：" + finding.column + "\n";
    block += finding.text + "\n";
    if (!finding.outcome.empty())
        block += "出力：" + finding.outcome + "\n";
    if (!finding.affected.empty()) {
        block += "対象：" + Concerned({&finding}) + "\n";
        const std::size_t listed = std::min(shown, finding.affected.size());
        for (std::size_t i = 0; i < listed; ++i)
            block += PersonLine(finding.affected[i], finding.outcome);
        if (listed < finding.affected.size())
            block += "  ほか" + std::to_string(finding.affected.size() - listed) + "人" + restNote + "\n";
    }
    if (!finding.fix.empty())
        block += "直し方：" + finding.fix + "\n";
    return block;
}

std::string LevelCounts(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Level level : kLevels) {
        const auto group = OfLevel(findings, level);
        if (!group.empty())
            text += (text.empty() ? "" : "、") + LevelTitle(level) + " " + Concerned(group);
    }
    return text;
}

std::string CompletedWithFindingsMessage(const std::string& levelCounts)
{
    return "中間ファイルを作成しました。確認事項があります（" + levelCounts + "）。";
}

std::string ProceedQuestion(const std::vector<Finding>& findings)
{
    std::string text = "エクスポートファイルに、次の確認事項があります。\n";
    for (const Level level : kLevels) {
        const auto group = OfLevel(findings, level);
        if (group.empty())
            continue;
        text += level == Level::MustFix ? "\n【要修正】このまま作成すると、中間ファイルの内容が正しくなりません。\n"
                                        : "\n【要確認】中間ファイルの内容が正しいか確かめてください。\n";
        // Kinds in the order of their findings, each with the people or files it concerns.
        std::vector<std::pair<FindingKind, std::vector<const Finding*>>> kinds;
        for (const Finding* finding : group) {
            const auto same =
                std::find_if(kinds.begin(), kinds.end(), [&](const auto& kind) { return kind.first == finding->kind; });
            if (same == kinds.end())
                kinds.emplace_back(finding->kind, std::vector<const Finding*>{finding});
            else
                same->second.push_back(finding);
        }
        for (const auto& [kind, ofKind] : kinds)
            text += "・" + KindTitle(kind) + "：" + Concerned(ofKind) + "\n";
    }
    return text + "\nこのまま中間ファイルを作成しますか？";
}

std::string FindingDetails(const std::vector<Finding>& findings, const PathDisplay& display)
{
    std::string details;
    for (const auto& finding : ByLevel(findings))
        details += (details.empty() ? "" : "\n") + FindingBlock(finding, display);
    return details;
}

}  // namespace corvane::preflight
