#include "preflight/Figure.h"

#include <limits>

namespace corvane::preflight {

namespace {

// Reads a figure in one pass, skipping quotes and thousands separators:
// every value of the chosen columns goes through here, so nothing is copied.
struct Scan {
    bool valid = false;
    bool empty = true;
    bool negative = false;
    bool overflow = false;
    long long whole = 0;
};

Scan Read(std::string_view value)
{
    enum class Part { Sign, Whole, Fraction };
    Scan scan;
    Part part = Part::Sign;
    bool wholeDigits = false;
    bool fractionDigits = false;
    bool point = false;
    for (const char c : value) {
        if (c == '"' || c == ',')
            continue;
        const bool first = scan.empty;
        scan.empty = false;
        if (first && (c == '-' || c == '+')) {
            scan.negative = c == '-';
            part = Part::Whole;
            continue;
        }
        if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            if (part == Part::Fraction) {
                fractionDigits = true;
                continue;
            }
            part = Part::Whole;
            wholeDigits = true;
            if (scan.whole > (std::numeric_limits<long long>::max() - digit) / 10)
                scan.overflow = true;
            else
                scan.whole = scan.whole * 10 + digit;
            continue;
        }
        if (c == '.' && !point && wholeDigits) {
            point = true;
            part = Part::Fraction;
            continue;
        }
        return scan;  // anything else makes it no number
    }
    scan.valid = scan.empty || (wholeDigits && (!point || fractionDigits));
    return scan;
}

}  // namespace

bool IsNumber(std::string_view value)
{
    // Most figures are plain digits.
    std::size_t digits = 0;
    while (digits < value.size() && value[digits] >= '0' && value[digits] <= '9')
        ++digits;
    return (digits == value.size() && digits > 0) || Read(value).valid;
}

std::optional<long long> WholeValue(std::string_view value)
{
    // Most figures are a few plain digits: one pass, no scan for signs and separators.
    constexpr std::size_t kSafeDigits = 18;
    long long plain = 0;
    std::size_t digits = 0;
    for (; digits < value.size() && digits < kSafeDigits; ++digits) {
        const auto digit = static_cast<unsigned>(value[digits] - '0');
        if (digit > 9)
            break;
        plain = plain * 10 + static_cast<long long>(digit);
    }
    if (digits == value.size() && digits > 0)
        return plain;
    const Scan scan = Read(value);
    // Too long for any real figure: left out rather than wrapped into a plausible one.
    if (!scan.valid || scan.empty || scan.overflow)
        return std::nullopt;
    return scan.negative ? -scan.whole : scan.whole;
}

}  // namespace corvane::preflight
