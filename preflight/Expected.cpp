#include "preflight/Expected.h"

#include <algorithm>
#include <string_view>

#include "preflight/PeriodDates.h"

namespace corvane::preflight {

namespace {

const char* const kStatusColumn = "就業状況";
const char* const kLeftColumn = "退職年月日";
const std::string_view kLeftStatus = "退職";

}  // namespace

Expected::Expected(const ReadView& read)
    : m_statusColumn(read.EmployeeColumnNumber(kStatusColumn)), m_leftColumn(read.EmployeeColumnNumber(kLeftColumn))
{
    for (const auto& facts : read.Files()) {
        if (facts.employeeList || facts.period < 1 || facts.period > exportlayout::kLastPeriod)
            continue;
        if (const auto days = DaysOf(facts))
            m_first[static_cast<std::size_t>(facts.period)] = days->first;
        m_periods.push_back(facts.period);
    }
    std::sort(m_periods.begin(), m_periods.end());
    m_periods.erase(std::unique(m_periods.begin(), m_periods.end()), m_periods.end());
}

bool Expected::InPeriod(const RecordView& record, int period) const
{
    const std::string_view left = record.EmployeeValue(m_leftColumn);
    if (left.empty() && !record.EmployeeValue(m_statusColumn).starts_with(kLeftStatus))
        return true;
    const auto leftOn = exportdate::ParseDate(left);
    const auto& first = m_first[static_cast<std::size_t>(period)];
    return leftOn && first && *first <= *leftOn;
}

bool Expected::InSome(const RecordView& record) const
{
    return std::any_of(m_periods.begin(), m_periods.end(), [&](int period) { return InPeriod(record, period); });
}

}  // namespace corvane::preflight
