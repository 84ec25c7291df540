#include "preflight/PeriodDates.h"

#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ExportYear.h"
#include "text/AsciiSpace.h"
#include "text/LineReader.h"

namespace corvane::preflight {

std::optional<exportdate::DateRange> DaysOf(const ExportFileFacts& facts)
{
    using exportdate::DateRange;
    if (exportlayout::IsBonusPeriod(facts.period)) {
        // The 支給日 may stand on the label line instead of its own.
        auto paid = exportyear::PaymentDate(facts.label);
        if (!paid)
            paid = exportyear::PaymentDate(facts.dateLine);
        return paid ? std::optional<DateRange>(DateRange{*paid, *paid}) : std::nullopt;
    }
    if (const auto tally = exportyear::TallyPeriod(facts.dateLine))
        return tally;
    const auto year = exportyear::TitleYear(facts.title);
    if (!year || !exportlayout::IsSalaryPeriod(facts.period))
        return std::nullopt;
    return exportyear::MonthDays(*year, facts.period);
}

std::string StatedYear(const std::string& path)
{
    text::LineReader reader;
    std::string line;
    if (path.empty() || !reader.Open(path) || !reader.Next(line) || !exportyear::TitleYear(line))
        return std::string();
    return std::string(text::Trim(SplitCsvLine(line).back()));
}

}  // namespace corvane::preflight
