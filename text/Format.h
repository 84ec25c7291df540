#pragma once

#include <string>

// printf-style formatting into std::string, for the fixed formats that the
// exports, the settings file and the XML use ("%04d", "(%s)%s\n" ...).
namespace corvane::text {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The leading decimal number of `s` as strtol reads it (leading white space
// skipped, optional sign), clamped to the range of int; 0 when there are no digits.
int LeadingInt(const std::string& s);

}  // namespace corvane::text
