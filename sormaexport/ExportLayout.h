#pragma once

#include <cstddef>
#include <string>

// Where things stand in the payroll product's exports, and how the job numbers
// its pay periods. Every line number counts physical lines from 1, empty ones too.
namespace corvane::exportlayout {

// Both kinds of export: the title in the first field, the company name in the second.
constexpr long kTitleLine = 1;
// The employee list's heading line.
constexpr long kEmployeeHeadingLine = 3;
// A summary export's period label (「4月度給与」).
constexpr long kLabelLine = 3;
// A summary export's days: 集計期間 of a salary month, 支給日 of a bonus
// (which may stand on the label line instead).
constexpr long kDateLine = 4;
// A summary export's heading line; the same line tells the output conditions.
constexpr long kSummaryHeadingLine = 5;

// Headings 0 and 1 of a summary export are the employee's code and the row's
// name: a figure's column is chosen from the third heading on.
constexpr std::size_t kFirstChoosableHeading = 2;

// Pay periods: salary months 1 to 12, bonuses 1 to 5 as periods 14 to 18.
// Period 13 exists in the numbering but no file fills it.
constexpr int kSalaryMonths = 12;
constexpr int kBonusCount = 5;
constexpr int kFirstBonusPeriod = 14;
constexpr int kLastPeriod = kFirstBonusPeriod + kBonusCount - 1;

constexpr int BonusPeriod(int bonus)
{
    return kFirstBonusPeriod + bonus - 1;
}
constexpr bool IsSalaryPeriod(int period)
{
    return period >= 1 && period <= kSalaryMonths;
}
constexpr bool IsBonusPeriod(int period)
{
    return period >= kFirstBonusPeriod && period <= kLastPeriod;
}

// The texts, in code page 932.
// The first field of the employee list's title line: 「従業員(一覧表)」.
const std::string& EmployeeListTitle();
// What a salary summary's label holds after its month: 「月度給与」.
const std::string& SalaryLabelMark();
// Whether the first field of a file's title line names an export: it holds
// the employee list's title or 「集計表」 (給与集計表, 賞与集計表). The checks
// take a summary of any title; this tells an export from a file that is
// clearly something else.
bool IsExportTitle(const std::string& field);
// A summary slot's label: 「給与 04月分」 for month 4, 「賞与 02回分」 for bonus 2.
std::string SalarySlotLabel(int month);
std::string BonusSlotLabel(int bonus);
// The slot label of a period: SalarySlotLabel for 1 to 12, BonusSlotLabel for
// 14 to 18; "" for any other.
std::string PeriodLabel(int period);

}  // namespace corvane::exportlayout
