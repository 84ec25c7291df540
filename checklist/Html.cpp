#include "checklist/Html.h"

namespace corvane::checklist {

namespace {

// The length of the well-formed UTF-8 sequence at text[at], or 0 when the
// byte starts none (the ranges of the Unicode standard's table 3-7: no
// overlong forms, no surrogates, nothing past U+10FFFF).
std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char first = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first < 0x80)
        return 1;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        low = first == 0xE0 ? 0xA0 : 0x80;
        high = first == 0xED ? 0x9F : 0xBF;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        low = first == 0xF0 ? 0x90 : 0x80;
        high = first == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        // A path from a Linux file system may hold any bytes; the page is
        // UTF-8, so what is not becomes U+FFFD, one for each byte.
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) {
            escaped += "&#xFFFD;";
            ++at;
            continue;
        }
        if (length > 1) {
            escaped.append(text.substr(at, length));
            at += length;
            continue;
        }
        ++at;
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
                escaped += "&#xFFFD;";
            else
                escaped += c;
        }
    }
    return escaped;
}

std::string EscapeUrlPath(std::string_view path)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        }
    }
    return escaped;
}

std::string Amount(long long value)
{
    const bool negative = value < 0;
    // Through unsigned: the most negative value has no positive counterpart.
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0)
            digits.insert(digits.begin(), ',');
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++count;
    } while (magnitude > 0);
    return negative ? "-" + digits : digits;
}

}  // namespace corvane::checklist
