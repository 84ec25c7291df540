#include "sormaexport/ExportYear.h"

#include "sormaexport/CsvLine.h"
#include "text/Format.h"

namespace corvane::exportyear {

namespace {

constexpr int kYearBeforeFilingYears = 2018;
constexpr int kLastYear = 9999;
// The title's fields: the title, the company, then the year.
constexpr std::size_t kYearField = 2;

}  // namespace

std::optional<int> TitleYear(std::string_view titleLine)
{
    const auto fields = SplitCsvLine(titleLine);
    if (fields.size() <= kYearField)
        return std::nullopt;
    return exportdate::ParseYear(fields.back(), "年分");
}

std::optional<exportdate::DateRange> TallyPeriod(std::string_view line)
{
    return exportdate::RangeAfter(line, "集計期間");
}

std::optional<exportdate::Date> PaymentDate(std::string_view line)
{
    return exportdate::DateAfter(line, "支給日");
}

exportdate::DateRange MonthDays(int year, int month)
{
    return {{year, month, 1}, {year, month, exportdate::DaysInMonth(year, month)}};
}

int FilingYearOf(int year)
{
    return year - kYearBeforeFilingYears;
}

int YearOfFilingYear(int filingYear)
{
    return filingYear + kYearBeforeFilingYears;
}

std::optional<int> TypedFilingYear(const std::string& typed)
{
    // LeadingInt clamps a long run of digits; the year is compared before it is added to.
    const int filing = text::LeadingInt(typed);
    if (filing < 1 || filing > FilingYearOf(kLastYear))
        return std::nullopt;
    return YearOfFilingYear(filing);
}

}  // namespace corvane::exportyear
