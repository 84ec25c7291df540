#include "preflight/ReconciliationReport.h"

#include <memory>
#include <optional>

#include "preflight/Figure.h"
#include "sormaexport/ExportLayout.h"
#include "text/CsvRow.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::preflight {

namespace {

using exportlayout::kFirstBonusPeriod;

bool HasFigure(const CKyuuyoShouyo& record)
{
    return !record.SOUSIKYUUGAKU.empty() || !record.HOKENKOUJOGAKU.empty() || !record.FUYOUSINZOKUSUU.empty() ||
           !record.SANSYUTUZEIGAKU.empty();
}

// The periods with figures ("1 2 3", bonuses counted from 1) and the sums of
// the gross pay, the deductions and the tax over them.
struct Year {
    std::string periods;
    long long gross = 0;
    long long deductions = 0;
    long long tax = 0;

    void Add(const CKyuuyoShouyo& record, int first)
    {
        if (!HasFigure(record))
            return;
        periods += (periods.empty() ? "" : " ") + std::to_string(record.KUBUN - first + 1);
        gross += WholeValue(record.SOUSIKYUUGAKU).value_or(0);
        deductions += WholeValue(record.HOKENKOUJOGAKU).value_or(0);
        tax += WholeValue(record.SANSYUTUZEIGAKU).value_or(0);
    }
    void Sum(const Year& other)
    {
        gross += other.gross;
        deductions += other.deductions;
        tax += other.tax;
    }
};

}  // namespace

const std::string& ReconciliationTitle()
{
    static const std::string title = "照合表";
    return title;
}

const std::vector<std::string>& ReconciliationHeadings()
{
    static const std::vector<std::string> headings = {"コード",
                                                      "氏名",
                                                      "給与の月",
                                                      "賞与の回",
                                                      "総支給金額（給与）",
                                                      "社会保険料等の控除額（給与）",
                                                      "算出税額（給与）",
                                                      "総支給金額（賞与）",
                                                      "社会保険料等の控除額（賞与）",
                                                      "算出税額（賞与）"};
    return headings;
}

std::string ReconciliationCsv(const CExportXMLVeld& store, const std::vector<Finding>& findings,
                              const PathDisplay& display, const ReportHeading& heading)
{
    std::string csv = text::CsvRow({ReconciliationTitle()});
    csv += text::CsvRow({"会社名", heading.company});
    csv += text::CsvRow({"年分", heading.year});
    csv += text::CsvRow({"申告年度", heading.filingYear});
    csv += text::CsvRow({"作成日", heading.date});
    csv += "\r\n";
    csv += text::CsvRow(ReconciliationHeadings());
    Year salaryTotal;
    Year bonusTotal;
    for (const auto& syain : store.Syain()) {
        Year salaries;
        Year bonuses;
        for (const auto& record : syain->Salaries())
            salaries.Add(*record, 1);
        for (const auto& record : syain->Bonuses())
            bonuses.Add(*record, kFirstBonusPeriod);
        csv += text::CsvRow({syain->Code(), syain->Name(), salaries.periods, bonuses.periods,
                             std::to_string(salaries.gross), std::to_string(salaries.deductions),
                             std::to_string(salaries.tax), std::to_string(bonuses.gross),
                             std::to_string(bonuses.deductions), std::to_string(bonuses.tax)});
        salaryTotal.Sum(salaries);
        bonusTotal.Sum(bonuses);
    }
    csv += text::CsvRow({"合計", std::to_string(store.Syain().size()) + "人", "", "", std::to_string(salaryTotal.gross),
                         std::to_string(salaryTotal.deductions), std::to_string(salaryTotal.tax),
                         std::to_string(bonusTotal.gross), std::to_string(bonusTotal.deductions),
                         std::to_string(bonusTotal.tax)});
    csv += "\r\n";
    csv += text::CsvRow({"区分", "確認事項", "ファイル", "行", "列", "従業員コード", "氏名", "値", "出力"});
    const auto row = [&](const Finding& finding, const Affected* person) {
        const long line = person && person->line > 0 ? person->line : finding.line;
        const std::string& outcome = person && !person->outcome.empty() ? person->outcome : finding.outcome;
        csv += text::CsvRow({LevelTitle(finding.level), KindTitle(finding.kind),
                             finding.file.empty() ? std::string() : display(finding.file),
                             line > 0 ? std::to_string(line) : std::string(), finding.column,
                             person ? person->code : std::string(), person ? person->name : std::string(),
                             person ? person->value : std::string(), outcome});
    };
    for (const auto& finding : ByLevel(findings)) {
        if (finding.affected.empty())
            row(finding, nullptr);
        for (const auto& person : finding.affected)
            row(finding, &person);
    }
    return csv;
}

}  // namespace corvane::preflight
