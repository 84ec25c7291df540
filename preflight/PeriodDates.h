#pragma once

#include <string>
#include <string_view>

#include "sormaexport/ExportFileFacts.h"

namespace corvane::preflight {

// The dates a summary export states of itself, as yyyymmdd numbers (0 when
// unknown): the days its period covers, from its 集計期間 (salary) or its
// 支給日 (bonus, first and last alike); without that line, a salary month's
// days from the label's month and the title's 年分.
struct PeriodDates {
    int year = 0;  // the Western year of its 年分; 0 when it states none
    long first = 0;
    long last = 0;
};

PeriodDates DatesOf(const ExportFileFacts& facts);

// The Western year of a 年分 label (「令和 6年分」, 「2024年分」); 0 for anything else.
int YearOfLabel(std::string_view label);

// The 年分 that an export's title line states (its third field, 「令和 6年分」),
// as it states it; "" when it states none or cannot be read.
std::string StatedYear(const std::string& path);

// An employee list date (「1975年 4月 3日」, 「令和 6年 3月31日」) as yyyymmdd; 0 when it is none.
long DateNumber(std::string_view text);

}  // namespace corvane::preflight
