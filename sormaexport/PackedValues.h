#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

// A list of byte strings kept back to back in one buffer: a record of many
// short values costs their bytes and four bytes each, not a string object each.
class PackedValues {
public:
    std::size_t Count() const { return m_ends.size(); }
    std::size_t Bytes() const { return m_bytes.size(); }
    // The value at `index` (< Count()); valid until the list changes.
    std::string_view At(std::size_t index) const;

    // Asks the processor to fetch the ends of the buffers, about to be
    // written: rows are read for one record after the other, each record's
    // buffers far from the last one's.
    void Prefetch() const
    {
#if defined(__GNUC__)
        if (!m_ends.empty()) {
            __builtin_prefetch(&m_ends.back(), 1);
            __builtin_prefetch(m_bytes.data() + m_bytes.size(), 1);
        }
#endif
    }

    void Clear();
    // Adds a value at the end. A list holds at most 4 GiB of bytes; a value
    // that would pass that is added empty.
    void Append(std::string_view value);
    // The same without the value's '"' and ',' bytes (an amount as "1,234").
    void AppendWithoutQuotesAndCommas(std::string_view value);

    // Replaces the `count` values from `first` on with all of `with`. When the
    // buffers must grow, room for `spareValues` more values and `spareBytes`
    // more bytes is made at once, so that a record filled row by row does not
    // end up with twice the room it needs.
    void Replace(std::size_t first, std::size_t count, const PackedValues& with, std::size_t spareValues = 0,
                 std::size_t spareBytes = 0);

private:
    std::size_t Begin(std::size_t index) const
    {
        return index == 0 ? 0 : m_ends[index - 1];
    }

    std::vector<char> m_bytes;
    std::vector<std::uint32_t> m_ends;  // end of each value in m_bytes; it starts where the one before ends
};

}  // namespace corvane
