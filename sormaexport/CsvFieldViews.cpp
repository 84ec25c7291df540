#include "sormaexport/CsvFieldViews.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// A BytesEqualTo mask as one bit per byte: bit k for byte k.
unsigned ByteBits(std::uint64_t mask)
{
    return static_cast<unsigned>(((mask >> 7) * 0x0102040810204080ULL) >> 56);
}

// The set bits of a byte, by table: without a library call where the
// processor has no population count instruction.
constexpr auto kBitsSet = [] {
    std::array<unsigned char, 256> bits{};
    for (std::size_t b = 1; b < bits.size(); ++b)
        bits[b] = static_cast<unsigned char>(bits[b / 2] + (b & 1));
    return bits;
}();

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The walk over a line, block by block: the field being walked, the next
// wanted one, and whether a quote is open.
class FieldWalk {
public:
    FieldWalk(std::string_view line, const std::vector<std::size_t>& positions, std::vector<std::string_view>& out,
              bool wholeLine)
        : m_line(line),
          m_positions(positions),
          m_out(out),
          m_wholeLine(wholeLine),
          m_next(positions.empty() ? kNone : positions[0])
    {}

    // One block of up to 16 bytes from `base`, as bit k for byte base + k:
    // its quotes and its commas. False once every wanted field is found and
    // the rest of the line is not needed.
    bool Block(unsigned quotes, unsigned commas, std::size_t base)
    {
        if (quotes != 0 || m_insideQuotes) {
            // Each bit becomes whether an odd number of quotes came up to its
            // byte (a comma is no quote, so "up to" is "before"): the commas
            // inside quotes drop out at once.
            unsigned inside = quotes;
            inside ^= inside << 1;
            inside ^= inside << 2;
            inside ^= inside << 4;
            inside ^= inside << 8;
            if (m_insideQuotes)
                inside = ~inside;
            commas &= ~inside;
            m_insideQuotes = (inside >> 15) & 1;
        }
        // Skip the block when none of the fields that end in it is wanted.
        const std::size_t ended = kBitsSet[commas & 0xFF] + kBitsSet[commas >> 8];
        if (m_field + ended <= m_next) {
            if (ended != 0) {
                m_field += ended;
                // Only the start of a wanted field is ever used.
                if (m_field == m_next)
                    m_start = base + static_cast<std::size_t>(31 - std::countl_zero(commas)) + 1;
            }
            return true;
        }
        for (; commas; commas &= commas - 1) {
            if (!FieldEnds(base + static_cast<std::size_t>(std::countr_zero(commas))))
                return false;
        }
        return true;
    }

    // One byte at `at`, for the end of the line.
    bool Byte(std::size_t at)
    {
        const char c = m_line[at];
        if (c == '"')
            m_insideQuotes = !m_insideQuotes;
        else if (c == ',' && !m_insideQuotes)
            return FieldEnds(at);
        return true;
    }

    void Finish(CsvRowShape* shape)
    {
        if (m_field == m_next)
            m_out[m_want] = m_line.substr(m_start);
        if (shape) {
            shape->fields = m_field + 1;
            shape->quotesPaired = !m_insideQuotes;
        }
    }

private:
    bool FieldEnds(std::size_t at)
    {
        if (m_field == m_next) {
            m_out[m_want++] = m_line.substr(m_start, at - m_start);
            if (m_want == m_positions.size() && !m_wholeLine)
                return false;
            // Once every wanted field is found, a shape still needs the rest
            // of the line counted: no field is wanted any more.
            m_next = m_want == m_positions.size() ? kNone : m_positions[m_want];
        }
        ++m_field;
        m_start = at + 1;
        return true;
    }

    std::string_view m_line;
    const std::vector<std::size_t>& m_positions;
    std::vector<std::string_view>& m_out;
    bool m_wholeLine;
    std::size_t m_want = 0;  // the next entry of `positions` to fill
    std::size_t m_next;
    std::size_t m_field = 0;  // the field being walked; `m_start` is its start once it is wanted
    std::size_t m_start = 0;
    bool m_insideQuotes = false;
};

}  // namespace

void PickCsvFields(std::string_view line, const std::vector<std::size_t>& positions, std::vector<std::string_view>& out,
                   CsvRowShape* shape)
{
    out.assign(positions.size(), std::string_view());
    if (positions.empty() && !shape)
        return;
    line = text::Trim(line);
    // A code page 932 trail byte is 0x40 or above, so a '"' or ',' byte is
    // always a character of its own: the bytes can be examined one by one,
    // or sixteen or eight at a time.
    const char* const bytes = line.data();
    const std::size_t size = line.size();
    FieldWalk walk(line, positions, out, shape != nullptr);
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i comma = _mm_set1_epi8(',');
    for (; i + 16 <= size; i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        const auto quotes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, quote)));
        const auto commas = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, comma)));
        if (!walk.Block(quotes, commas, i))
            return;
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= size; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, sizeof word);
            if (!walk.Block(ByteBits(BytesEqualTo(word, '"')), ByteBits(BytesEqualTo(word, ',')), i))
                return;
        }
    }
    for (; i < size; ++i) {
        if (!walk.Byte(i))
            return;
    }
    walk.Finish(shape);
}

}  // namespace corvane
