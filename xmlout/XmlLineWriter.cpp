#include "xmlout/XmlLineWriter.h"

#include <charconv>

namespace corvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void AppendEscapedXMLText(std::string& out, std::string_view text)
{
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            entity = "&quot;";
            break;
        case '\'':
            entity = "&apos;";
            break;
        default:
            continue;
        }
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

XmlLineWriter::XmlLineWriter(fileio::ByteSink& sink) : m_sink(sink)
{
    // Room for the longest line past the block size, so that the block is
    // never reallocated.
    m_block.reserve(kBlockSize + 4096);
}

void XmlLineWriter::Line(int indent, std::string_view text)
{
    Indent(indent);
    m_block.append(text);
    EndLine();
}

void XmlLineWriter::Element(std::string_view tag, std::string_view value, int level)
{
    AppendElementLine(m_block, tag, value, level);
    EndLine();
}

void XmlLineWriter::Indent(int blanks)
{
    if (blanks > 0)
        m_block.append(static_cast<std::size_t>(blanks), ' ');
}

void XmlLineWriter::Number(long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_block.append(digits, result.ptr);
}

void XmlLineWriter::EndLine()
{
    m_block.append(kLineEnd);
    if (m_block.size() >= kBlockSize)
        Flush();
}

bool XmlLineWriter::Finish()
{
    Flush();
    return !m_failed;
}

void XmlLineWriter::Flush()
{
    if (!m_failed && !m_block.empty() && !m_sink.Write(m_block.data(), m_block.size()))
        m_failed = true;
    m_block.clear();
}

}  // namespace corvane
