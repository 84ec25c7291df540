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
        const EmployeeYear year = YearOf(*syain);
        csv += text::CsvRow({syain->Code(), syain->Name(), PeriodList(year.months), PeriodList(year.bonuses),
                             std::to_string(year.salary.gross), std::to_string(year.salary.deductions),
                             std::to_string(year.salary.tax), std::to_string(year.bonus.gross),
                             std::to_string(year.bonus.deductions), std::to_string(year.bonus.tax)});
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
