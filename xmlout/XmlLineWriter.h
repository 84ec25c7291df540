#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "fileio/ByteSink.h"

namespace corvane {

// Appends `text` to `out` with &, <, >, " and ' replaced by their entities.
// None of the five is a trail byte of a double-byte character, so the
// replacement works on bytes.
void AppendEscapedXMLText(std::string& out, std::string_view text);

// Appends one item line without its line end: 4 x level blanks, then
// <TAG>escaped value</TAG>, or <TAG/> when the value is empty.
void AppendElementLine(std::string& out, std::string_view tag, std::string_view value, int level);

// Writes the document line by line into a sink, in large blocks, each line
// ending with CR LF. After the sink fails, everything is dropped.
//
// Why a plain buffer rather than a std::string: the document of a large
// company has millions of lines, and each append to a string checks its
// capacity and calls memcpy; a line written through a pointer into room made
// once costs a third of that.
class XmlLineWriter {
public:
    static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

    explicit XmlLineWriter(fileio::ByteSink& sink);
    XmlLineWriter(const XmlLineWriter&) = delete;
    XmlLineWriter& operator=(const XmlLineWriter&) = delete;

    // A fixed line after `indent` blanks.
    void Line(int indent, std::string_view text);
    void Element(std::string_view tag, std::string_view value, int level);

    // Pieces of a line that carries attributes; EndLine closes it.
    void Indent(int blanks);
    void Raw(std::string_view bytes);
    void Escaped(std::string_view text);
    void Number(long long value);
    void EndLine();

    // Hands the rest to the sink; false when any write failed.
    bool Finish();
    bool Failed() const { return m_failed; }

private:
    // At least `bytes` free bytes after the used ones, written through the
    // pointer and then counted by Used.
    char* Room(std::size_t bytes);
    void Used(const char* end) { m_used = static_cast<std::size_t>(end - m_buffer.get()); }
    void Flush();

    fileio::ByteSink& m_sink;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity;
    std::size_t m_used = 0;
    bool m_failed = false;
};

}  // namespace corvane
