#include "preflight/StoreTotals.h"

#include <algorithm>
#include <array>

#include "preflight/Figure.h"
#include "sormaexport/ExportLayout.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::preflight {

namespace {

using exportlayout::kFirstBonusPeriod;
using exportlayout::kLastPeriod;

// A store's records in period order: the reader fills them in slot order,
// which a caller's own store need not keep.
std::vector<const CKyuuyoShouyo*> InPeriodOrder(const std::vector<CKyuuyoShouyo>& records)
{
    std::vector<const CKyuuyoShouyo*> sorted;
    sorted.reserve(records.size());
    for (const auto& record : records)
        sorted.push_back(&record);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CKyuuyoShouyo* a, const CKyuuyoShouyo* b) { return a->KUBUN < b->KUBUN; });
    return sorted;
}

}  // namespace

void Sums::Add(const CKyuuyoShouyo& record)
{
    gross += WholeValue(record.SOUSIKYUUGAKU).value_or(0);
    deductions += WholeValue(record.HOKENKOUJOGAKU).value_or(0);
    tax += WholeValue(record.SANSYUTUZEIGAKU).value_or(0);
}

void Sums::Add(const Sums& other)
{
    gross += other.gross;
    deductions += other.deductions;
    tax += other.tax;
}

bool HasFigure(const CKyuuyoShouyo& record)
{
    return !record.SOUSIKYUUGAKU.empty() || !record.HOKENKOUJOGAKU.empty() || !record.FUYOUSINZOKUSUU.empty() ||
           !record.SANSYUTUZEIGAKU.empty();
}

EmployeeYear YearOf(const CSyain& employee)
{
    EmployeeYear year;
    std::string lastBonusDependants;
    for (const CKyuuyoShouyo* record : InPeriodOrder(employee.Salaries())) {
        if (!HasFigure(*record))
            continue;
        year.months.push_back(record->KUBUN);
        year.salary.Add(*record);
        if (!record->FUYOUSINZOKUSUU.empty())
            year.dependants = record->FUYOUSINZOKUSUU;
    }
    for (const CKyuuyoShouyo* record : InPeriodOrder(employee.Bonuses())) {
        if (!HasFigure(*record))
            continue;
        year.bonuses.push_back(record->KUBUN - kFirstBonusPeriod + 1);
        year.bonus.Add(*record);
        if (!record->FUYOUSINZOKUSUU.empty())
            lastBonusDependants = record->FUYOUSINZOKUSUU;
    }
    if (year.dependants.empty())
        year.dependants = lastBonusDependants;
    return year;
}

std::vector<PeriodTotal> PeriodTotals(const CExportXMLVeld& store)
{
    std::array<PeriodTotal, kLastPeriod + 1> byPeriod{};
    const auto add = [&byPeriod](const CKyuuyoShouyo& record) {
        if (record.KUBUN < 1 || record.KUBUN > kLastPeriod || !HasFigure(record))
            return;
        PeriodTotal& total = byPeriod[static_cast<std::size_t>(record.KUBUN)];
        ++total.employees;
        total.sums.Add(record);
    };
    for (const auto& employee : store.Syain()) {
        for (const auto& record : employee->Salaries())
            add(record);
        for (const auto& record : employee->Bonuses())
            add(record);
    }
    std::vector<PeriodTotal> totals;
    for (int period = 1; period <= kLastPeriod; ++period) {
        PeriodTotal total = byPeriod[static_cast<std::size_t>(period)];
        if (total.employees == 0)
            continue;
        total.period = period;
        totals.push_back(total);
    }
    return totals;
}

}  // namespace corvane::preflight
