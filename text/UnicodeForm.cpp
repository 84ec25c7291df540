#include "text/UnicodeForm.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "text/Cp932.h"

namespace corvane::text {

namespace {

unsigned char At(std::string_view s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

// NULs in one of the two byte places and hardly any in the other: UTF-16
// text, whose characters below U+0100 (digits, commas, line ends) carry a 00.
bool HasUtf16Nuls(std::string_view s)
{
    if (s.empty())
        return false;
    // memchr: most heads hold no NUL at all, and every export's head is looked at.
    std::size_t nuls[2] = {0, 0};
    const char* const begin = s.data();
    const char* const end = begin + s.size();
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\0', static_cast<std::size_t>(end - at)))); ++at)
        ++nuls[static_cast<std::size_t>(at - begin) % 2];
    const std::size_t places = s.size() / 2;
    const std::size_t more = std::max(nuls[0], nuls[1]);
    const std::size_t fewer = std::min(nuls[0], nuls[1]);
    return places > 0 && more * 4 >= places && fewer * 10 <= more;
}

// Length of the UTF-8 sequence at `i`: 0 when it is not one, npos when it is
// cut off by the end of `s`.
std::size_t Utf8Length(std::string_view s, std::size_t i)
{
    const unsigned char c = At(s, i);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // range of the second byte, narrowed against overlong forms and surrogates
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        else if (c == 0xED)
            high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        else if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= s.size())
            return std::string_view::npos;
        const unsigned char next = At(s, i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

// Valid UTF-8 holding at least one multi-byte character.
bool IsMultiByteUtf8(std::string_view s)
{
    bool multiByte = false;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = Utf8Length(s, i);
        if (length == std::string_view::npos)
            break;
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}

bool IsCp932(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = At(s, i);
        if (IsSingleByteChar(c)) {
            ++i;
        } else if (IsLeadByte(c) && (i + 1 == s.size() || IsTrailByte(At(s, i + 1)))) {
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

UnicodeForm DetectUnicodeForm(std::string_view head)
{
    if (head.starts_with("\xEF\xBB\xBF"))
        return UnicodeForm::Utf8;
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
        return UnicodeForm::Utf16;
    if (HasUtf16Nuls(head))
        return UnicodeForm::Utf16;
    // Short runs of UTF-8 can be code page 932 too (half-width katakana
    // pairs): only text that code page 932 cannot be counts.
    if (IsMultiByteUtf8(head) && !IsCp932(head))
        return UnicodeForm::Utf8;
    return UnicodeForm::None;
}

}  // namespace corvane::text
