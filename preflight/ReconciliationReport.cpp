#include "preflight/ReconciliationReport.h"

#include "preflight/StoreTotals.h"
#include "text/CsvRow.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::preflight {

namespace {

// The periods as the table lists them: "1 2 3".
std::string PeriodList(const std::vector<int>& periods)
{
    std::string list;
    for (const int period : periods)
        list += (list.empty() ? "" : " ") + std::to_string(period);
    return list;
}

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
    Sums salaryTotal;
    Sums bonusTotal;
    for (const auto& syain : store.Syain()) {
        const EmployeeYear year = YearOf(*syain);
        csv += text::CsvRow({syain->Code(), syain->Name(), PeriodList(year.months), PeriodList(year.bonuses),
                             std::to_string(year.salary.gross), std::to_string(year.salary.deductions),
                             std::to_string(year.salary.tax), std::to_string(year.bonus.gross),
                             std::to_string(year.bonus.deductions), std::to_string(year.bonus.tax)});
        salaryTotal.Add(year.salary);
        bonusTotal.Add(year.bonus);
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
