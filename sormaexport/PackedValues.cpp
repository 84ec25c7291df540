#include "sormaexport/PackedValues.h"

#include <algorithm>
#include <limits>

namespace corvane {

namespace {

constexpr std::size_t kMaxBytes = std::numeric_limits<std::uint32_t>::max();

template <typename T>
void MakeRoom(std::vector<T>& v, std::size_t needed, std::size_t spare)
{
    if (needed > v.capacity())
        v.reserve(needed + spare);
}

}  // namespace

std::string_view PackedValues::At(std::size_t index) const
{
    const std::size_t begin = Begin(index);
    return std::string_view(m_bytes.data() + begin, m_ends[index] - begin);
}

void PackedValues::Clear()
{
    m_bytes.clear();
    m_ends.clear();
}

void PackedValues::Append(std::string_view value)
{
    if (value.size() <= kMaxBytes - m_bytes.size())
        m_bytes.insert(m_bytes.end(), value.begin(), value.end());
    m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

void PackedValues::AppendWithoutQuotesAndCommas(std::string_view value)
{
    if (value.size() <= kMaxBytes - m_bytes.size()) {
        for (const char c : value) {
            if (c != '"' && c != ',')
                m_bytes.push_back(c);
        }
    }
    m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

void PackedValues::Replace(std::size_t first, std::size_t count, const PackedValues& with, std::size_t spareValues,
                           std::size_t spareBytes)
{
    const std::size_t begin = Begin(first);
    const std::size_t end = count == 0 ? begin : m_ends[first + count - 1];
    const std::size_t removed = end - begin;
    const std::size_t added = with.m_bytes.size();
    if (m_bytes.size() - removed > kMaxBytes - added)
        return;  // past 4 GiB: the record keeps what it had

    MakeRoom(m_bytes, m_bytes.size() - removed + added, spareBytes);
    if (added >= removed) {
        m_bytes.insert(m_bytes.begin() + static_cast<std::ptrdiff_t>(end), added - removed, '\0');
    } else {
        m_bytes.erase(m_bytes.begin() + static_cast<std::ptrdiff_t>(begin + added),
                      m_bytes.begin() + static_cast<std::ptrdiff_t>(end));
    }
    std::copy(with.m_bytes.begin(), with.m_bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(begin));

    const std::size_t newCount = with.m_ends.size();
    MakeRoom(m_ends, m_ends.size() - count + newCount, spareValues);
    const auto at = m_ends.begin() + static_cast<std::ptrdiff_t>(first);
    if (newCount >= count) {
        m_ends.insert(at + static_cast<std::ptrdiff_t>(count), newCount - count, 0);
    } else {
        m_ends.erase(at + static_cast<std::ptrdiff_t>(newCount), at + static_cast<std::ptrdiff_t>(count));
    }
    for (std::size_t i = 0; i < newCount; ++i)
        m_ends[first + i] = static_cast<std::uint32_t>(begin + with.m_ends[i]);
    // The values after the replaced ones moved by the difference in bytes.
    for (std::size_t i = first + newCount; i < m_ends.size(); ++i)
        m_ends[i] = static_cast<std::uint32_t>(m_ends[i] - removed + added);
}

}  // namespace corvane
