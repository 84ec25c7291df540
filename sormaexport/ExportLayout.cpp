#include "sormaexport/ExportLayout.h"

#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane::exportlayout {

const std::string& EmployeeListTitle()
{
    static const std::string title = "従業員(一覧表)";
    return title;
}

const std::string& SalaryLabelMark()
{
    static const std::string mark = "月度給与";
    return mark;
}

bool IsExportTitle(const std::string& field)
{
    static const std::string kSummaryMark = "集計表";
    return text::Contains(field, EmployeeListTitle()) || text::Contains(field, kSummaryMark);
}

std::string SalarySlotLabel(int month)
{
    return text::Format("給与 %02d月分", month);
}

std::string BonusSlotLabel(int bonus)
{
    return text::Format("賞与 %02d回分", bonus);
}

std::string PeriodLabel(int period)
{
    if (IsSalaryPeriod(period))
        return SalarySlotLabel(period);
    if (IsBonusPeriod(period))
        return BonusSlotLabel(period - kFirstBonusPeriod + 1);
    return std::string();
}

}  // namespace corvane::exportlayout
