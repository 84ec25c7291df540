#include "checklist/CheckList.h"

namespace corvane::checklist {

namespace {

void Add(Amounts& to, const Amounts& from)
{
    to.gross += from.gross;
    to.deductions += from.deductions;
    to.tax += from.tax;
}

}  // namespace

LevelCounts CountLevels(const std::vector<FindingEntry>& findings)
{
    LevelCounts counts;
    for (const auto& finding : findings)
        ++(finding.mustFix ? counts.mustFix : counts.toConfirm);
    return counts;
}

PaymentTotals TotalsOf(const std::vector<PaymentRow>& payments)
{
    PaymentTotals totals;
    for (const auto& payment : payments) {
        Add(payment.bonus ? totals.bonus : totals.salary, payment.amounts);
        Add(totals.all, payment.amounts);
    }
    return totals;
}

}  // namespace corvane::checklist
