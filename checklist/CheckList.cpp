#include "checklist/CheckList.h"

#include <set>
#include <utility>

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
    for (const bool mustFix : {true, false}) {
        LevelCount& count = mustFix ? counts.mustFix : counts.toConfirm;
        std::set<std::pair<std::string, std::string>> people;
        std::set<std::string> files;
        for (const auto& finding : findings) {
            if (finding.mustFix != mustFix)
                continue;
            ++count.findings;
            for (const auto& person : finding.affected)
                people.emplace(person.code, person.name);
            files.insert(finding.file);
        }
        count.people = static_cast<int>(people.size());
        count.files = static_cast<int>(files.size());
    }
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
