#include "sormaexport/CsvFieldViews.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "text/AsciiSpace.h"

namespace corvane {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t kLowSeven = 0x7F7F7F7F7F7F7F7FULL;

// The high bit of every byte of `word` that equals `c`, and no other bit.
std::uint64_t BytesEqualTo(std::uint64_t word, unsigned char c)
{
    const std::uint64_t x = word ^ (kEveryByte * c);
    return ~(((x & kLowSeven) + kLowSeven) | x | kLowSeven);
}

// The number of bytes marked in a BytesEqualTo mask (without a library call
// where the processor has no population count instruction).
std::size_t MarkedBytes(std::uint64_t mask)
{
    return static_cast<std::size_t>(((mask >> 7) * kEveryByte) >> 56);
}

}  // namespace

void PickCsvFields(std::string_view line, const std::vector<std::size_t>& positions, std::vector<std::string_view>& out,
                   CsvRowShape* shape)
{
    out.assign(positions.size(), std::string_view());
    if (positions.empty() && !shape)
        return;
    line = text::Trim(line);
    // Once every wanted field is found, a shape still needs the rest of the
    // line counted: no field is wanted any more.
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    // A code page 932 trail byte is 0x40 or above, so a '"' or ',' byte is
    // always a character of its own: the bytes can be examined one by one,
    // or eight at a time.
    const char* const bytes = line.data();
    const std::size_t size = line.size();
    const std::size_t wanted = positions.size();
    std::size_t want = 0;  // the next entry of `positions` to fill
    std::size_t next = positions.empty() ? kNone : positions[0];
    std::size_t field = 0;  // the field being walked; `start` is its start once it is wanted
    std::size_t start = 0;
    bool insideQuotes = false;
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            const std::uint64_t quotes = BytesEqualTo(word, '"');
            const std::uint64_t commas = BytesEqualTo(word, ',');
            if (quotes == 0 && !insideQuotes) {
                // Skip the word when none of the fields that end in it is wanted.
                const std::size_t ended = MarkedBytes(commas);
                if (field + ended <= next) {
                    if (ended != 0) {
                        field += ended;
                        // Only the start of a wanted field is ever used.
                        if (field == next)
                            start = i + static_cast<std::size_t>(63 - std::countl_zero(commas)) / 8 + 1;
                    }
                    continue;
                }
            }
            for (std::uint64_t found = quotes | commas; found; found &= found - 1) {
                const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(found)) / 8;
                if (bytes[at] == '"') {
                    insideQuotes = !insideQuotes;
                } else if (!insideQuotes) {
                    if (field == next) {
                        out[want++] = line.substr(start, at - start);
                        if (want == wanted && !shape)
                            return;
                        next = want == wanted ? kNone : positions[want];
                    }
                    ++field;
                    start = at + 1;
                }
            }
        }
    }
    for (; i < size; ++i) {
        if (bytes[i] == '"') {
            insideQuotes = !insideQuotes;
        } else if (bytes[i] == ',' && !insideQuotes) {
            if (field == next) {
                out[want++] = line.substr(start, i - start);
                if (want == wanted && !shape)
                    return;
                next = want == wanted ? kNone : positions[want];
            }
            ++field;
            start = i + 1;
        }
    }
    if (field == next)
        out[want] = line.substr(start);
    if (shape) {
        shape->fields = field + 1;
        shape->quotesPaired = !insideQuotes;
    }
}

}  // namespace corvane
