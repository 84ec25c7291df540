#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::convert {

// Records that a batch writes for every company at once and reads back one
// at a time, at the company's turn: kept in an unnamed temporary file, so
// that the batch's memory does not grow with the number of companies. The
// system removes such a file when the process ends, however it ends. When no
// temporary file can be made or written, the records stay in memory. Safe to
// use from several threads.
class SpillFile {
public:
    // Where a record was put.
    struct Place {
        std::uint64_t offset = 0;
        std::uint32_t size = 0;
        bool inMemory = false;
    };

    // With `inMemory`, no temporary file is made.
    explicit SpillFile(bool inMemory = false);
    ~SpillFile();
    SpillFile(const SpillFile&) = delete;
    SpillFile& operator=(const SpillFile&) = delete;

    Place Put(std::string_view record);
    // The record put at `place`; none when it could not be read back.
    std::optional<std::string> Get(const Place& place) const;

private:
    mutable std::mutex m_mutex;
    std::FILE* m_file = nullptr;
    std::uint64_t m_end = 0;  // of the records in the file
    std::string m_memory;
};

// The pieces of a record, appended in turn and read back in the same order.
class RecordWriter {
public:
    void Number(std::uint64_t value);
    void Text(std::string_view text);
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : m_bytes(bytes) {}
    // False, and 0 or "", once the record had no more bytes.
    bool Number(std::uint64_t& value);
    bool Text(std::string& text);

private:
    std::string_view m_bytes;
};

}  // namespace corvane::convert
