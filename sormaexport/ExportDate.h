#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// Dates as the exports and the employee list write them, in code page 932:
// the payroll product's own forms (「1975年 4月 3日」, 「昭和50年 4月 3日」)
// and the clear forms a spreadsheet leaves after saving them again
// (「1975/4/3」, 「1975-04-03」, 「1975年4月3日」, 「昭和50年4月3日」).
// One place for the rule: the conversion writes what this reads, and the
// check before writing names what it cannot read.
namespace corvane::exportdate {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const Date&) const = default;
};

struct DateRange {
    Date first;
    Date last;
};

int DaysInMonth(int year, int month);
// A day that exists in the calendar.
bool IsValid(const Date& date);
// yyyymmdd.
std::string EightDigits(const Date& date);

// The whole text as one date (blanks and a pair of double quotes around it
// allowed); nullopt for anything else, an impossible day or an order that
// could be read two ways (「2/10/62」) included.
std::optional<Date> ParseDate(std::string_view text);
// The whole text as a year, of an era (「令和 6」, 「令和元」) or Western
// (「2024」), followed by `suffix`; nullopt otherwise.
std::optional<int> ParseYear(std::string_view text, std::string_view suffix);
// The date that follows `mark` (and a colon) in `line`; nullopt when the
// mark is missing or no date follows it.
std::optional<Date> DateAfter(std::string_view line, std::string_view mark);
// Two dates joined by 「～」 after `mark`.
std::optional<DateRange> RangeAfter(std::string_view line, std::string_view mark);

// A year for messages: 「令和 6年」 from 2019 on, 「平成30年」 before.
std::string EraYearText(int year);
// A date for messages: 「令和 6年 4月 1日」.
std::string DateText(const Date& date);

}  // namespace corvane::exportdate
