#pragma once

#include <string>
#include <string_view>

namespace corvane::checklist {

// Helpers for writing UTF-8 HTML by hand.

// A u8 literal as the bytes of a std::string: the check list's own texts stay
// UTF-8 in a target whose plain literals are code page 932.
inline std::string_view Utf8(std::u8string_view text)
{
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// Text for an element's content or a quoted attribute: & < > " ' as
// references, and control characters other than tab and line breaks as
// U+FFFD, which no page may carry; so is every byte of the text that is not
// part of well-formed UTF-8 (a path may hold any bytes).
std::string EscapeHtml(std::string_view text);
// A relative link's path with every byte outside A-Z a-z 0-9 - . _ ~ and /
// percent-encoded.
std::string EscapeUrlPath(std::string_view path);
// A yen amount with a comma every three digits: "-1,234,567".
std::string Amount(long long value);

}  // namespace corvane::checklist
