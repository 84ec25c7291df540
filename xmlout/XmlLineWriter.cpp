#include "xmlout/XmlLineWriter.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace corvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The entity that replaces a byte, or nullptr for a byte written as it is.
const char* EntityOf(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\'':
        return "&apos;";
    default:
        return nullptr;
    }
}

// The longest entity: every byte of a text takes at most this many.
constexpr std::size_t kLongestEntity = 6;

template <typename Word>
void CopyOverlapping(char* to, const char* from, std::size_t n)
{
    Word first;
    Word last;
    std::memcpy(&first, from, sizeof first);
    std::memcpy(&last, from + n - sizeof last, sizeof last);
    std::memcpy(to, &first, sizeof first);
    std::memcpy(to + n - sizeof last, &last, sizeof last);
}

char* Copy(char* to, std::string_view bytes)
{
    // Tags and most values are a few bytes: two moves of a fixed size that
    // overlap instead of a call to memcpy.
    const char* from = bytes.data();
    const std::size_t n = bytes.size();
    if (n >= 8 && n <= 16)
        CopyOverlapping<std::uint64_t>(to, from, n);
    else if (n >= 4 && n < 8)
        CopyOverlapping<std::uint32_t>(to, from, n);
    else if (n < 4)
        for (std::size_t i = 0; i < n; ++i)
            to[i] = from[i];
    else
        std::memcpy(to, from, n);
    return to + n;
}

// Whether a byte is one of the five: one load per byte instead of the switch.
constexpr auto kEscaped = [] {
    std::array<bool, 256> escaped{};
    for (const unsigned char c : {'&', '<', '>', '"', '\''})
        escaped[c] = true;
    return escaped;
}();

char* Blanks(char* to, std::size_t n)
{
    static constexpr std::string_view kBlanks = "                ";
    if (n > kBlanks.size()) {
        std::memset(to, ' ', n);
        return to + n;
    }
    return Copy(to, kBlanks.substr(0, n));
}

char* CopyEscaped(char* to, std::string_view text)
{
    for (const char c : text) {
        if (!kEscaped[static_cast<unsigned char>(c)]) {
            *to++ = c;
            continue;
        }
        for (const char* entity = EntityOf(c); *entity;)
            *to++ = *entity++;
    }
    return to;
}

}  // namespace

void AppendEscapedXMLText(std::string& out, std::string_view text)
{
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* entity = EntityOf(text[i]);
        if (!entity)
            continue;
        out.append(text.substr(plain, i - plain));
        out.append(entity);
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

void AppendElementLine(std::string& out, std::string_view tag, std::string_view value, int level)
{
    if (level > 0)
        out.append(static_cast<std::size_t>(level) * 4, ' ');
    out += '<';
    out.append(tag);
    if (value.empty()) {
        out.append("/>");
        return;
    }
    out += '>';
    AppendEscapedXMLText(out, value);
    out.append("</");
    out.append(tag);
    out += '>';
}

XmlLineWriter::XmlLineWriter(fileio::ByteSink& sink)
    : m_sink(sink),
      // Room for the longest usual line past the block size.
      m_capacity(kBlockSize + 4096)
{
    m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
}

char* XmlLineWriter::Room(std::size_t bytes)
{
    if (m_capacity - m_used < bytes) {
        Flush();
        if (m_capacity < bytes) {
            m_capacity = bytes;
            m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
        }
    }
    return m_buffer.get() + m_used;
}

void XmlLineWriter::Line(int indent, std::string_view text)
{
    Indent(indent);
    Raw(text);
    EndLine();
}

void XmlLineWriter::Element(std::string_view tag, std::string_view value, int level)
{
    const std::size_t blanks = level > 0 ? static_cast<std::size_t>(level) * 4 : 0;
    char* to = Blanks(Room(blanks + 2 * tag.size() + value.size() * kLongestEntity + 8), blanks);
    *to++ = '<';
    to = Copy(to, tag);
    if (value.empty()) {
        *to++ = '/';
        *to++ = '>';
    } else {
        *to++ = '>';
        to = CopyEscaped(to, value);
        *to++ = '<';
        *to++ = '/';
        to = Copy(to, tag);
        *to++ = '>';
    }
    Used(to);
    EndLine();
}

void XmlLineWriter::Indent(int blanks)
{
    if (blanks <= 0)
        return;
    Used(Blanks(Room(static_cast<std::size_t>(blanks)), static_cast<std::size_t>(blanks)));
}

void XmlLineWriter::Raw(std::string_view bytes)
{
    Used(Copy(Room(bytes.size()), bytes));
}

void XmlLineWriter::Escaped(std::string_view text)
{
    Used(CopyEscaped(Room(text.size() * kLongestEntity), text));
}

void XmlLineWriter::Number(long long value)
{
    char* to = Room(24);
    Used(std::to_chars(to, to + 24, value).ptr);
}

void XmlLineWriter::EndLine()
{
    Used(Copy(Room(kLineEnd.size()), kLineEnd));
    if (m_used >= kBlockSize)
        Flush();
}

bool XmlLineWriter::Finish()
{
    Flush();
    return !m_failed;
}

void XmlLineWriter::Flush()
{
    if (!m_failed && m_used != 0 && !m_sink.Write(m_buffer.get(), m_used))
        m_failed = true;
    m_used = 0;
}

}  // namespace corvane
