#pragma once

#include <cstddef>
#include <string>

namespace corvane::convert {

// `text` (code page 932) with every line wider than `columns` broken so that
// it fits a console of `columns` + 1: a full-width character takes two
// columns, an ASCII or half-width katakana one. A line breaks at its last
// blank that fits, else before the double-byte character that would not fit
// (never before 、。）」), and goes on at the indent of its text: the help
// column for an option's line, the line's own leading blanks otherwise.
std::string WrapToColumns(const std::string& text, std::size_t columns, std::size_t optionIndent);

// The columns `text` (one line, code page 932) takes on a console.
std::size_t ConsoleWidth(const std::string& text);

}  // namespace corvane::convert
