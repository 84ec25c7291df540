#pragma once

#include <string_view>

// ASCII white space as the exports use it: space, tab, CR, LF, VT and FF.
// The full-width space is not white space.
namespace corvane::text {

bool IsAsciiSpace(char c);
std::string_view TrimRight(std::string_view s);
std::string_view TrimLeft(std::string_view s);
std::string_view Trim(std::string_view s);

}  // namespace corvane::text
