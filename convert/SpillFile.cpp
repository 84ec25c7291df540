#include "convert/SpillFile.h"

#include <climits>
#include <cstring>
#include <limits>

namespace corvane::convert {

SpillFile::SpillFile(bool inMemory) : m_file(inMemory ? nullptr : std::tmpfile()) {}

SpillFile::~SpillFile()
{
    if (m_file)
        std::fclose(m_file);
}

SpillFile::Place SpillFile::Put(std::string_view record)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    Place place;
    place.size = static_cast<std::uint32_t>(record.size());
    // fseek takes a long, which holds 2 GiB on Windows: far more than a batch puts.
    const bool fits = record.size() <= std::numeric_limits<std::uint32_t>::max() &&
                      m_end + record.size() <= static_cast<std::uint64_t>(LONG_MAX);
    if (m_file && fits && std::fseek(m_file, static_cast<long>(m_end), SEEK_SET) == 0 &&
        std::fwrite(record.data(), 1, record.size(), m_file) == record.size()) {
        place.offset = m_end;
        m_end += record.size();
        return place;
    }
    place.inMemory = true;
    place.offset = m_memory.size();
    m_memory.append(record);
    return place;
}

std::optional<std::string> SpillFile::Get(const Place& place) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (place.inMemory) {
        if (place.offset + place.size > m_memory.size())
            return std::nullopt;
        return m_memory.substr(place.offset, place.size);
    }
    std::string record(place.size, '\0');
    if (!m_file || std::fseek(m_file, static_cast<long>(place.offset), SEEK_SET) != 0 ||
        std::fread(record.data(), 1, record.size(), m_file) != record.size())
        return std::nullopt;
    return record;
}

void RecordWriter::Number(std::uint64_t value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    m_bytes.append(bytes, sizeof bytes);
}

void RecordWriter::Text(std::string_view text)
{
    Number(text.size());
    m_bytes.append(text);
}

bool RecordReader::Number(std::uint64_t& value)
{
    value = 0;
    if (m_bytes.size() < sizeof value)
        return false;
    std::memcpy(&value, m_bytes.data(), sizeof value);
    m_bytes.remove_prefix(sizeof value);
    return true;
}

bool RecordReader::Text(std::string& text)
{
    text.clear();
    std::uint64_t size = 0;
    if (!Number(size) || size > m_bytes.size())
        return false;
    text.assign(m_bytes.substr(0, static_cast<std::size_t>(size)));
    m_bytes.remove_prefix(static_cast<std::size_t>(size));
    return true;
}

}  // namespace corvane::convert
