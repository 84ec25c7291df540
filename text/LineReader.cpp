#include "text/LineReader.h"

#include <cstring>

#include "fileio/OpenFile.h"

namespace corvane::text {

namespace {
constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
constexpr char kEndOfFileMark = '\x1A';
}  // namespace

LineReader::~LineReader()
{
    Close();
}

bool LineReader::Open(const std::string& path)
{
    Close();
    m_file = fileio::OpenForBlocks(path);
    if (!m_file)
        return false;
    m_buffer.resize(kBlockSize);
    m_pos = m_end = 0;
    m_lineNumber = 0;
    m_eof = false;
    m_failed = false;
    m_lineEnded = true;
    return true;
}

void LineReader::Close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool LineReader::Refill()
{
    if (!m_file || m_eof)
        return false;
    m_pos = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    // A short block is the end, or an error: asking again would cost one more read.
    if (m_end < m_buffer.size()) {
        m_eof = true;
        m_failed = std::ferror(m_file) != 0;
    }
    if (const void* mark = std::memchr(m_buffer.data(), kEndOfFileMark, m_end)) {
        // Text mode ends the file at this byte on some platforms: it does so on every one.
        m_end = static_cast<std::size_t>(static_cast<const char*>(mark) - m_buffer.data());
        m_eof = true;
        return m_end != 0;
    }
    return m_end != 0;
}

bool LineReader::Next(std::string& line)
{
    line.clear();
    bool gotAny = false;
    for (;;) {
        if (m_pos >= m_end && !Refill())
            break;
        gotAny = true;
        const char* start = m_buffer.data() + m_pos;
        const std::size_t avail = m_end - m_pos;
        const void* nl = std::memchr(start, '\n', avail);
        if (nl) {
            const auto len = static_cast<std::size_t>(static_cast<const char*>(nl) - start);
            line.append(start, len);
            m_pos += len + 1;
            ++m_lineNumber;
            m_lineEnded = true;
            return true;
        }
        line.append(start, avail);
        m_pos = m_end;
    }
    if (gotAny && !m_failed) {
        // A last line without a line feed still counts.
        ++m_lineNumber;
        m_lineEnded = false;
        return true;
    }
    return false;
}

}  // namespace corvane::text
