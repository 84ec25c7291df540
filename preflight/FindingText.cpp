#include "preflight/FindingText.h"

#include <map>

namespace corvane::preflight {

const std::string& KindTitle(FindingKind kind)
{
    static const std::map<FindingKind, std::string> titles = {
        {FindingKind::UnlistedCodes, "従業員一覧表にない従業員コード"},
        {FindingKind::ShiftedRow, "従業員コードが読めない行"},
        {FindingKind::NoFigures, "集計表に行がない従業員"},
        {FindingKind::EmptySummary, "従業員の行がない集計表"},
        {FindingKind::FieldCount, "項目の数が合わない行"},
        {FindingKind::UnpairedQuotes, "ダブルクォーテーションが合わない行"},
        {FindingKind::CutOff, "途中で切れたファイル"},
        {FindingKind::RepeatedCode, "重複した従業員コード"},
        {FindingKind::BadDate, "日付に変換できない値"},
        {FindingKind::NotANumber, "数値でない金額"},
    };
    return titles.at(kind);
}

std::string FindingBlock(const Finding& finding, const PathDisplay& display)
{
    std::string block = "【" + KindTitle(finding.kind) + "】\n";
    if (!finding.file.empty()) {
        block += display(finding.file);
        if (finding.line > 0)
            block += "（" + std::to_string(finding.line) + "行目）";
        block += "\n";
    }
    return block + finding.text + "\n";
}

std::string ProceedQuestion(const std::vector<Finding>& findings)
{
    // Kinds in the order of the findings, each with its findings and rows or employees.
    std::vector<std::pair<FindingKind, std::size_t>> kinds;
    for (const auto& finding : findings) {
        if (kinds.empty() || kinds.back().first != finding.kind)
            kinds.emplace_back(finding.kind, 0);
        kinds.back().second += finding.count;
    }
    std::string text =
        "エクスポートファイルに、次の確認事項があります。\n"
        "このまま作成すると、中間ファイルの金額や項目が正しくない可能性があります。\n\n";
    for (const auto& [kind, count] : kinds)
        text += "・" + KindTitle(kind) + "：" + std::to_string(count) + "件\n";
    return text + "\nこのまま中間ファイルを作成しますか？";
}

std::string FindingDetails(const std::vector<Finding>& findings, const PathDisplay& display)
{
    std::string details;
    for (const auto& finding : findings)
        details += (details.empty() ? "" : "\n") + FindingBlock(finding, display);
    return details;
}

}  // namespace corvane::preflight
