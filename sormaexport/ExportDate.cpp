#include "sormaexport/ExportDate.h"

#include <array>

#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane::exportdate {

namespace {

struct Era {
    std::string_view name;
    int before;  // the Western year before the era's first year
};

constexpr std::array<Era, 5> kEras = {{
    {"明治", 1867},
    {"大正", 1911},
    {"昭和", 1925},
    {"平成", 1988},
    {"令和", 2018},
}};

const std::string_view kFullWidthSpace = "　";

// Walks a code page 932 text a character or a literal at a time, so that it
// always stands at a character boundary.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }
    std::size_t Position() const { return m_at; }

    void SkipBlanks()
    {
        for (;;) {
            if (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t'))
                ++m_at;
            else if (m_text.substr(m_at).starts_with(kFullWidthSpace))
                m_at += kFullWidthSpace.size();
            else
                return;
        }
    }

    bool Take(std::string_view literal)
    {
        if (!m_text.substr(m_at).starts_with(literal))
            return false;
        m_at += literal.size();
        return true;
    }

    bool AtDigit() const
    {
        Cursor probe = *this;
        int digits = 0;
        probe.Number(1, digits);
        return digits > 0;
    }

    // A number of one to `most` half-width digits; -1 when there is none or
    // it runs longer. Full-width digits are no date the payroll product or a
    // spreadsheet writes.
    int Number(int most, int& digits)
    {
        int value = 0;
        digits = 0;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            if (++digits > most)
                return -1;
            value = value * 10 + (m_text[m_at] - '0');
            ++m_at;
        }
        return digits == 0 ? -1 : value;
    }
    int Number(int most)
    {
        int digits = 0;
        return Number(most, digits);
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

// An era's year (「昭和50」, 「令和元」) as a Western year, or a Western year
// of four digits; -1 when neither stands at the cursor.
int YearAt(Cursor& at)
{
    for (const Era& era : kEras) {
        if (!at.Take(era.name))
            continue;
        at.SkipBlanks();
        const int year = at.Take("元") ? 1 : at.Number(2);
        return year >= 1 ? era.before + year : -1;
    }
    int digits = 0;
    const int year = at.Number(4, digits);
    return digits == 4 ? year : -1;
}

// 「年 4月 3日」 after the year, blanks anywhere between.
std::optional<Date> JapaneseMonthAndDay(Cursor& at, int year)
{
    Date date{year, 0, 0};
    at.SkipBlanks();
    if (!at.Take("年"))
        return std::nullopt;
    at.SkipBlanks();
    date.month = at.Number(2);
    at.SkipBlanks();
    if (date.month < 0 || !at.Take("月"))
        return std::nullopt;
    at.SkipBlanks();
    date.day = at.Number(2);
    at.SkipBlanks();
    if (date.day < 0 || !at.Take("日"))
        return std::nullopt;
    return date;
}

// A date at the cursor; the cursor stands after it.
std::optional<Date> DateAt(Cursor& at)
{
    const bool era = !at.AtDigit();
    const int year = YearAt(at);
    if (year < 0)
        return std::nullopt;
    std::optional<Date> date;
    if (era) {
        date = JapaneseMonthAndDay(at, year);
    } else {
        Cursor japanese = at;
        date = JapaneseMonthAndDay(japanese, year);
        if (date) {
            at = japanese;
        } else {
            // 1975/4/3, 1975-04-03, 1975.4.3: one separator, the same twice.
            for (const std::string_view separator : {"/", "-", "."}) {
                if (!at.Take(separator))
                    continue;
                const int month = at.Number(2);
                if (month < 0 || !at.Take(separator))
                    return std::nullopt;
                const int day = at.Number(2);
                if (day < 0)
                    return std::nullopt;
                date = Date{year, month, day};
                break;
            }
        }
    }
    if (!date || !IsValid(*date))
        return std::nullopt;
    return date;
}

// The cursor after `mark` and a colon, or nullopt when `line` lacks the mark.
std::optional<Cursor> AfterMark(std::string_view line, std::string_view mark)
{
    const std::size_t found = text::Find(line, mark);
    if (found == std::string_view::npos)
        return std::nullopt;
    Cursor at(line.substr(found + mark.size()));
    at.SkipBlanks();
    if (!at.Take("："))
        at.Take(":");
    at.SkipBlanks();
    return at;
}

std::string_view Unquoted(std::string_view text)
{
    Cursor at(text);
    at.SkipBlanks();
    text.remove_prefix(at.Position());
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (text.ends_with(kFullWidthSpace) &&
           text::ClassAt(text, text.size() - kFullWidthSpace.size()) != text::ByteClass::Trail)
        text.remove_suffix(kFullWidthSpace.size());
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

bool IsValid(const Date& date)
{
    return date.year >= 1 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

std::string EightDigits(const Date& date)
{
    // Every employee's dates come here: digits by hand rather than through printf.
    std::string digits(8, '0');
    int value = date.year * 10000 + date.month * 100 + date.day;
    for (std::size_t i = digits.size(); i-- > 0 && value > 0; value /= 10)
        digits[i] = static_cast<char>('0' + value % 10);
    return digits;
}

std::optional<Date> ParseDate(std::string_view text)
{
    Cursor at(Unquoted(text));
    const auto date = DateAt(at);
    at.SkipBlanks();
    return date && at.AtEnd() ? date : std::nullopt;
}

std::optional<int> ParseYear(std::string_view text, std::string_view suffix)
{
    Cursor at(Unquoted(text));
    const int year = YearAt(at);
    at.SkipBlanks();
    if (year < 0 || !at.Take(suffix))
        return std::nullopt;
    at.SkipBlanks();
    return at.AtEnd() ? std::optional<int>(year) : std::nullopt;
}

std::optional<Date> DateAfter(std::string_view line, std::string_view mark)
{
    auto at = AfterMark(line, mark);
    return at ? DateAt(*at) : std::nullopt;
}

std::optional<DateRange> RangeAfter(std::string_view line, std::string_view mark)
{
    auto at = AfterMark(line, mark);
    if (!at)
        return std::nullopt;
    const auto first = DateAt(*at);
    at->SkipBlanks();
    if (!first || !(at->Take("～") || at->Take("~")))
        return std::nullopt;
    at->SkipBlanks();
    const auto last = DateAt(*at);
    if (!last || *last < *first)
        return std::nullopt;
    return DateRange{*first, *last};
}

std::string EraYearText(int year)
{
    for (auto era = kEras.rbegin(); era != kEras.rend(); ++era) {
        if (year > era->before)
            return text::Format("%s%2d年", std::string(era->name).c_str(), year - era->before);
    }
    return text::Format("%d年", year);
}

std::string DateText(const Date& date)
{
    return EraYearText(date.year) + text::Format("%2d月%2d日", date.month, date.day);
}

}  // namespace corvane::exportdate
