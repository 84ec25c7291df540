#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Reads an export or settings file line by line, as text: each line is
// returned without its line feed, however long it is. Lines are numbered
// from 1, every physical line counting. A byte 0x1A (the end-of-file mark)
// ends the text: nothing after it is read.
namespace corvane::text {

class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens the file in the operating system's path encoding; false when it cannot be opened.
    bool Open(const std::string& path);
    bool IsOpen() const { return m_file != nullptr; }

    // The next physical line, without "\n" (a "\r" before it is kept; callers
    // trim trailing white space). False at the end of the file or on a read error.
    bool Next(std::string& line);

    // Number of the line that the last successful Next returned (1-based).
    long LineNumber() const { return m_lineNumber; }

    // True when reading stopped because of an I/O error rather than the end.
    bool Failed() const { return m_failed; }

    // False when the line that the last successful Next returned ended the
    // file without a line feed (a file cut off part-way often does).
    bool LineEnded() const { return m_lineEnded; }

    void Close();

private:
    bool Refill();

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    long m_lineNumber = 0;
    bool m_eof = false;
    bool m_failed = false;
    bool m_lineEnded = true;
};

}  // namespace corvane::text
