#include "preflight/PeriodDates.h"

#include <algorithm>

#include "engine/CExchangeFromSormaToVeld.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/CsvLine.h"
#include "text/AsciiSpace.h"
#include "text/LineReader.h"

namespace corvane::preflight {

namespace {

struct EraStart {
    std::string_view name;
    int yearBefore;  // the Western year before the era's first year
};

const EraStart kEraStarts[] = {{"明治", 1867}, {"大正", 1911}, {"昭和", 1925}, {"平成", 1988}, {"令和", 2018}};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number at the start of `text` after blanks; -1 when there is none.
int LeadingNumber(std::string_view& text)
{
    text = text::Trim(text);
    std::size_t digits = 0;
    while (digits < text.size() && digits < 4 && IsDigit(text[digits]))
        ++digits;
    if (digits == 0)
        return -1;
    int number = 0;
    for (std::size_t i = 0; i < digits; ++i)
        number = number * 10 + (text[i] - '0');
    text.remove_prefix(digits);
    return number;
}

// What follows `mark` in `line`; "" when it lacks the mark.
std::string_view After(std::string_view line, std::string_view mark)
{
    const std::size_t at = line.find(mark);
    return at == std::string_view::npos ? std::string_view() : line.substr(at + mark.size());
}

}  // namespace

int YearOfLabel(std::string_view label)
{
    label = text::Trim(label);
    int yearBefore = 0;
    for (const EraStart& era : kEraStarts) {
        if (label.starts_with(era.name)) {
            yearBefore = era.yearBefore;
            label.remove_prefix(era.name.size());
            break;
        }
    }
    const int year = LeadingNumber(label);
    if (year <= 0 || !text::Trim(label).starts_with("年"))
        return 0;
    if (yearBefore == 0)
        return year >= 1900 ? year : 0;
    return yearBefore + year;
}

std::string StatedYear(const std::string& path)
{
    text::LineReader reader;
    std::string line;
    if (path.empty() || !reader.Open(path) || !reader.Next(line))
        return std::string();
    const auto fields = SplitCsvLine(line);
    return fields.size() > 2 && YearOfLabel(fields[2]) != 0 ? std::string(text::Trim(fields[2])) : std::string();
}

long DateNumber(std::string_view text)
{
    const std::string date = CExchangeFromSormaToVeld::ConvertDate(std::string(text::Trim(text)));
    if (date.size() != 8 || !std::all_of(date.begin(), date.end(), IsDigit))
        return 0;
    return std::stol(date);
}

PeriodDates DatesOf(const ExportFileFacts& facts)
{
    PeriodDates dates;
    dates.year = YearOfLabel(facts.yearLabel);
    // 「集計期間：令和 6年 4月 1日～令和 6年 4月30日」, 「支給日：令和 6年 7月10日」
    const std::string_view span = After(facts.periodLine, "集計期間：");
    if (!span.empty()) {
        const std::size_t tilde = span.find("～");
        if (tilde != std::string_view::npos) {
            dates.first = DateNumber(span.substr(0, tilde));
            dates.last = DateNumber(span.substr(tilde + std::string_view("～").size()));
        }
    }
    const std::string_view paid = After(facts.periodLine, "支給日：");
    if (!paid.empty())
        dates.first = dates.last = DateNumber(paid);
    if (dates.first == 0 && dates.year != 0 && exportlayout::IsSalaryPeriod(facts.period)) {
        const long month = dates.year * 10000L + facts.period * 100L;
        dates.first = month + 1;
        dates.last = month + 31;
    }
    return dates;
}

}  // namespace corvane::preflight
