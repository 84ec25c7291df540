#include "job/OwnOutputs.h"

#include "preflight/ReconciliationReport.h"

namespace corvane::job {

const std::vector<std::string>& BatchSummaryHeadings()
{
    static const std::vector<std::string> headings = {"会社名",     "フォルダー", "従業員数", "給与の月数",
                                                      "賞与の回数", "確認事項",   "結果",     "メッセージ"};
    return headings;
}

bool IsOwnOutputHeading(const std::vector<std::string>& fields)
{
    return fields == BatchSummaryHeadings() || fields == preflight::ReconciliationHeadings() ||
           (fields.size() == 1 && fields.front() == preflight::ReconciliationTitle());
}

}  // namespace corvane::job
