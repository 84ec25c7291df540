#pragma once

#include <string_view>

// Tells a Unicode text file from a code page 932 one by its first bytes, so
// that a refusal can say why such a file cannot be read.
namespace corvane::text {

enum class UnicodeForm {
    None,   // code page 932 text, or nothing recognisable
    Utf8,   // a UTF-8 byte-order mark, or UTF-8 with multi-byte characters that is not code page 932
    Utf16,  // a UTF-16 byte-order mark, or the NUL bytes of UTF-16 in every other place
};

// `head` is the start of a file; a character cut off at its end is not held against it.
UnicodeForm DetectUnicodeForm(std::string_view head);

}  // namespace corvane::text
