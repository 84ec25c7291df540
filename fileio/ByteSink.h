#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::fileio {

// Where a writer puts its bytes. Tests collect them in memory; files write
// them through AtomicFile.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be written; the sink stays failed.
    virtual bool Write(const char* data, std::size_t size) = 0;
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
};

class StringSink final : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override
    {
        m_bytes.append(data, size);
        return true;
    }
    using ByteSink::Write;
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace corvane::fileio
