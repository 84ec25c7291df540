#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sormaexport/ExportDate.h"

// The year a summary export belongs to and the days its figures cover, as
// its first lines tell them (code page 932).
namespace corvane::exportyear {

// The 年分 that the title line of a summary export ends with (「給与集計表,
// 会社,令和 6年分」), as a Western year; nullopt when the line has none.
std::optional<int> TitleYear(std::string_view titleLine);
// A salary summary's 「集計期間：令和 6年 4月 1日～令和 6年 4月30日」.
std::optional<exportdate::DateRange> TallyPeriod(std::string_view line);
// A bonus summary's 「支給日：令和 6年 7月10日」, wherever it stands in the line.
std::optional<exportdate::Date> PaymentDate(std::string_view line);
// Every day of a month.
exportdate::DateRange MonthDays(int year, int month);

// The filing year (申告年度) is a year of 令和: 1 for 2019.
int FilingYearOf(int year);
int YearOfFilingYear(int filingYear);
// The year of a filing year as typed (「6」 gives 2024); nullopt when the
// text does not begin with a filing year whose year has one to four digits,
// as no title's year has more.
std::optional<int> TypedFilingYear(const std::string& typed);

}  // namespace corvane::exportyear
