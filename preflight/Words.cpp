#include "preflight/Words.h"

#include "preflight/Figure.h"
#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"

namespace corvane::preflight {

namespace {

constexpr std::size_t kNameBytes = 40;

}  // namespace

std::string PeriodWords(int period)
{
    if (exportlayout::IsSalaryPeriod(period))
        return std::to_string(period) + "月の給与";
    if (exportlayout::IsBonusPeriod(period))
        return std::to_string(period - exportlayout::kFirstBonusPeriod + 1) + "回目の賞与";
    return "給与・賞与";
}

std::string Yen(std::string_view value)
{
    const auto whole = WholeValue(value);
    if (!whole)
        return "「" + std::string(value) + "」";
    const std::string digits = std::to_string(*whole < 0 ? -*whole : *whole);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    return (*whole < 0 ? "-" : "") + grouped + "円";
}

std::string ShortName(std::string_view name)
{
    if (name.size() <= kNameBytes)
        return std::string(name);
    std::size_t end = kNameBytes;
    if (text::ClassAt(name, end) == text::ByteClass::Trail)
        --end;
    return std::string(name.substr(0, end)) + "…";
}

std::string PersonLabel(const std::string& code, std::string_view name)
{
    if (name.empty())
        return code;
    if (code.empty())
        return std::string(name);
    return code + " " + std::string(name);
}

std::string PersonLabel(const Affected& person)
{
    return PersonLabel(person.code, person.name);
}

}  // namespace corvane::preflight
