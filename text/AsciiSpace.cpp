#include "text/AsciiSpace.h"

namespace corvane::text {

bool IsAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && IsAsciiSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsAsciiSpace(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s)
{
    return TrimLeft(TrimRight(s));
}

}  // namespace corvane::text
