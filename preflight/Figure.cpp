#include "preflight/Figure.h"

#include <algorithm>
#include <limits>
#include <string>

namespace corvane::preflight {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

struct Parts {
    bool valid = false;
    bool negative = false;
    std::string whole;
};

Parts Split(std::string_view value)
{
    std::string kept;
    for (const char c : value) {
        if (c != '"' && c != ',')
            kept.push_back(c);
    }
    Parts parts;
    std::string_view rest = kept;
    if (rest.empty()) {
        parts.valid = true;
        return parts;
    }
    if (rest.front() == '-' || rest.front() == '+') {
        parts.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    if (whole.empty() || !std::all_of(whole.begin(), whole.end(), IsDigit))
        return parts;
    if (point != std::string_view::npos) {
        const std::string_view fraction = rest.substr(point + 1);
        if (fraction.empty() || !std::all_of(fraction.begin(), fraction.end(), IsDigit))
            return parts;
    }
    parts.valid = true;
    parts.whole = whole;
    return parts;
}

}  // namespace

bool IsNumber(std::string_view value)
{
    return Split(value).valid;
}

std::optional<long long> WholeValue(std::string_view value)
{
    const Parts parts = Split(value);
    if (!parts.valid || parts.whole.empty())
        return std::nullopt;
    long long number = 0;
    for (const char c : parts.whole) {
        // Too long for any real figure: left out rather than wrapped into a plausible one.
        if (number > (std::numeric_limits<long long>::max() - (c - '0')) / 10)
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return parts.negative ? -number : number;
}

}  // namespace corvane::preflight
