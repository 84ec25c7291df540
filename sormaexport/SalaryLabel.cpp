#include "sormaexport/SalaryLabel.h"

#include <climits>
#include <string_view>

#include "sormaexport/ExportLayout.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"

namespace corvane {

namespace {

// The leading ASCII digits of `s` as a number; 0 when there are none. Long
// runs of digits are clamped instead of overflowing (the result is then out
// of the month range anyway).
int LeadingDigits(std::string_view s)
{
    long long value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

}  // namespace

int SalaryMonthFromLabel(const std::string& line)
{
    const std::string& salaryMark = exportlayout::SalaryLabelMark();
    const std::string text = text::RemoveSingle(text::RemoveSingle(text::TrimRight(line), '"'), ' ');
    if (!text::Contains(text, salaryMark))
        return -2;
    const int month = LeadingDigits(text::ReplaceAll(text, salaryMark, ""));
    return exportlayout::IsSalaryPeriod(month) ? month : -1;
}

}  // namespace corvane
