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
};

}  // namespace

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
                              const PathDisplay& display)
{
    std::string csv = text::CsvRow(ReconciliationHeadings());
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
    }
    csv += "\r\n";
    csv += text::CsvRow({"確認事項", "ファイル", "行", "従業員コード", "件数", "内容"});
    for (const auto& finding : findings) {
        csv += text::CsvRow({KindTitle(finding.kind), finding.file.empty() ? std::string() : display(finding.file),
                             finding.line > 0 ? std::to_string(finding.line) : std::string(), finding.employee,
                             std::to_string(finding.count), finding.text});
    }
    return csv;
}

}  // namespace corvane::preflight
