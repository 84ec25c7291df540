#include "preflight/YearChecks.h"

#include <algorithm>
#include <map>
#include <optional>

#include "preflight/FindingParts.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ExportYear.h"
#include "text/Format.h"

namespace corvane::preflight {

namespace {

using exportdate::EraYearText;

struct YearOfFile {
    const ExportFileFacts* facts;
    int year;
};

std::string YearPart(int year)
{
    return EraYearText(year) + "分";
}

std::string FileLabel(const ExportFileFacts& facts)
{
    return "「" + exportlayout::PeriodLabel(facts.period) + "」";
}

// The year most files have; on a tie the filing year's, else the latest.
int CommonYear(const std::map<int, std::size_t>& files, int filingYear)
{
    int common = files.begin()->first;
    for (const auto& [year, count] : files) {
        const std::size_t best = files.at(common);
        if (count > best || (count == best && (year == filingYear || common != filingYear)))
            common = year;
    }
    return common;
}

void DifferentYears(const std::vector<YearOfFile>& dated, const std::map<int, std::size_t>& files, int common,
                    std::vector<Finding>& findings)
{
    for (const auto& [facts, year] : dated) {
        if (year == common)
            continue;
        Finding finding = parts::Make(
            FindingKind::SummaryYears, Level::MustFix, facts->path,
            "この集計表" + FileLabel(*facts) + "は" + YearPart(year) + "です。ほかの集計表" +
                std::to_string(files.at(common)) + "ファイルは" + YearPart(common) + "です。",
            YearPart(year) + "の金額が、" + YearPart(common) + "の金額として中間ファイルに入ります。",
            YearPart(common) + "の" + FileLabel(*facts) + "の集計表をエクスポートして、選び直してください。");
        finding.line = exportlayout::kTitleLine;
        finding.count = 1;
        findings.push_back(std::move(finding));
    }
}

void OtherFilingYear(const std::map<int, std::size_t>& files, int common, std::optional<int> typed,
                     std::vector<Finding>& findings)
{
    if (!typed || files.count(*typed) != 0)
        return;
    const int year = *typed;
    Finding finding =
        parts::Make(FindingKind::FilingYear, Level::MustFix, std::string(),
                    "申告年度は" + EraYearText(year) + "ですが、集計表は" + YearPart(common) + "です。",
                    "中間ファイルの申告年度は" + EraYearText(year) + "になり、" + YearPart(common) +
                        "の金額がその年の金額として取り込まれます。",
                    exportyear::FilingYearOf(common) >= 1
                        ? text::Format("申告年度に%dを入力してください。", exportyear::FilingYearOf(common))
                        : std::string("申告年度と集計表の年分を確かめてください。"));
    finding.count = 1;
    findings.push_back(std::move(finding));
}

void BonusDates(const std::vector<YearOfFile>& dated, std::vector<Finding>& findings)
{
    for (const auto& [facts, year] : dated) {
        if (!exportlayout::IsBonusPeriod(facts->period))
            continue;
        long line = exportlayout::kLabelLine;
        auto paid = exportyear::PaymentDate(facts->label);
        if (!paid) {
            line = exportlayout::kDateLine;
            paid = exportyear::PaymentDate(facts->dateLine);
        }
        if (!paid || paid->year == year)
            continue;
        Finding finding =
            parts::Make(FindingKind::BonusOutsideYear, Level::ToConfirm, facts->path,
                        "この賞与の集計表" + FileLabel(*facts) + "の支給日は" + exportdate::DateText(*paid) +
                            "で、年分（" + YearPart(year) + "）の外です。",
                        "この賞与は" + YearPart(year) + "の賞与として中間ファイルに入ります。",
                        "支給日と年分を給与ソフトで確かめてください。ほかの年の賞与であれば、選択から外してください。");
        finding.line = line;
        finding.count = 1;
        findings.push_back(std::move(finding));
    }
}

}  // namespace

void CheckYears(const ReadView& read, const std::string& filingYear, std::vector<Finding>& findings)
{
    std::vector<YearOfFile> dated;
    std::map<int, std::size_t> files;
    for (const ExportFileFacts* facts : parts::ReadSummaries(read)) {
        const auto year = exportyear::TitleYear(facts->title);
        if (!year)
            continue;
        dated.push_back({facts, *year});
        ++files[*year];
    }
    if (dated.empty())
        return;
    const auto typed = exportyear::TypedFilingYear(filingYear);
    const int common = CommonYear(files, typed.value_or(0));
    if (files.size() > 1)
        DifferentYears(dated, files, common, findings);
    OtherFilingYear(files, common, typed, findings);
    BonusDates(dated, findings);
}

}  // namespace corvane::preflight
