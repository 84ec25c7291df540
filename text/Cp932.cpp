#include "text/Cp932.h"

namespace corvane::text {

bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

bool IsSingleByteChar(unsigned char c)
{
    return c <= 0x7F || (c >= 0xA1 && c <= 0xDF);
}

namespace {

// Length of the character at `i` when it is valid, 0 when the byte is illegal.
std::size_t ValidCharLength(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (IsSingleByteChar(c))
        return 1;
    if (IsLeadByte(c) && i + 1 < s.size() && IsTrailByte(static_cast<unsigned char>(s[i + 1])))
        return 2;
    return 0;
}

unsigned CodeAt(std::string_view s, std::size_t i, std::size_t len)
{
    if (len == 2)
        return (static_cast<unsigned>(static_cast<unsigned char>(s[i])) << 8) | static_cast<unsigned char>(s[i + 1]);
    return static_cast<unsigned char>(s[i]);
}

}  // namespace

ByteClass ClassAt(std::string_view s, std::size_t offset)
{
    if (offset >= s.size())
        return ByteClass::Illegal;
    std::size_t i = 0;
    while (i < offset) {
        const std::size_t len = ValidCharLength(s, i);
        if (len == 2 && i + 1 == offset)
            return ByteClass::Trail;
        i += len == 0 ? 1 : len;
    }
    const std::size_t len = ValidCharLength(s, offset);
    if (len == 1)
        return ByteClass::Single;
    if (len == 2)
        return ByteClass::Lead;
    return ByteClass::Illegal;
}

std::size_t CharLengthAt(std::string_view s, std::size_t offset)
{
    const std::size_t len = ValidCharLength(s, offset);
    return len == 0 ? 1 : len;
}

std::size_t Find(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= haystack.size() ? from : std::string_view::npos;
    std::size_t i = 0;
    while (i < haystack.size()) {
        if (i >= from && haystack.size() - i >= needle.size() && haystack.compare(i, needle.size(), needle) == 0)
            return i;
        i += CharLengthAt(haystack, i);
    }
    return std::string_view::npos;
}

bool Contains(std::string_view haystack, std::string_view needle)
{
    return Find(haystack, needle) != std::string_view::npos;
}

std::size_t FindLastSingle(std::string_view s, char c)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += CharLengthAt(s, i)) {
        if (s[i] == c && ValidCharLength(s, i) != 2)
            found = i;
    }
    return found;
}

int Compare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t la = CharLengthAt(a, i);
        const std::size_t lb = CharLengthAt(b, j);
        const unsigned ca = CodeAt(a, i, la);
        const unsigned cb = CodeAt(b, j, lb);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        i += la;
        j += lb;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        if (!from.empty() && s.size() - i >= from.size() && s.compare(i, from.size(), from) == 0) {
            out.append(to);
            i += from.size();
            continue;
        }
        const std::size_t len = CharLengthAt(s, i);
        out.append(s.substr(i, len));
        i += len;
    }
    return out;
}

std::string RemoveSingle(std::string_view s, char c)
{
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = CharLengthAt(s, i);
        if (!(len == 1 && s[i] == c))
            out.append(s.substr(i, len));
        i += len;
    }
    return out;
}

bool IsWellFormedText(std::string_view s)
{
    return FindIllFormedByte(s) == std::string_view::npos;
}

std::size_t FindIllFormedByte(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c < 0x80) {
            ++i;
            continue;
        }
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return i;
        const std::size_t len = ValidCharLength(s, i);
        if (len == 0 || (len == 2 && !IsCharacterPair(c, static_cast<unsigned char>(s[i + 1]))))
            return i;
        i += len;
    }
    return std::string_view::npos;
}

}  // namespace corvane::text
