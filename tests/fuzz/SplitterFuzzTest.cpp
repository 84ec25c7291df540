// The line splitter on random and mutated lines, against its definition, and
// the reader's field picker against the splitter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "sormaexport/CsvFieldViews.h"
#include "sormaexport/CsvLine.h"
#include "text/AsciiSpace.h"
#include "text/Cp932.h"

namespace corvane::fuzz {
namespace {

// Lines of every kind: random characters with separators, random bytes, and
// lines of the sample exports mutated.
class Lines {
public:
    explicit Lines(std::uint64_t seed) : m_rng(seed)
    {
        for (const auto& name : ExampleNames()) {
            const std::string file = Example(name);
            std::size_t start = 0;
            for (std::size_t end = file.find('\n'); end != std::string::npos; end = file.find('\n', start)) {
                m_samples.push_back(file.substr(start, end - start));
                start = end + 1;
            }
        }
    }

    std::string Next()
    {
        switch (m_rng.Below(3)) {
        case 0:
            return Alphabet::Get().Text(m_rng, 80);
        case 1: {
            std::string bytes(m_rng.Below(64), '\0');
            for (auto& c : bytes)
                c = static_cast<char>(m_rng.Byte());
            return bytes;
        }
        default: {
            std::string line = m_samples[m_rng.Below(m_samples.size())];
            for (std::size_t k = 1 + m_rng.Below(4); k > 0; --k)
                Mutate(m_rng, line, m_samples[m_rng.Below(m_samples.size())]);
            return line;
        }
        }
    }

    Rng& Random() { return m_rng; }

private:
    Rng m_rng;
    std::vector<std::string> m_samples;
};

std::string Join(const std::vector<std::string>& fields)
{
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i)
        joined += (i == 0 ? "" : ",") + fields[i];
    return joined;
}

TEST(SplitterFuzz, FieldsRejoinToTheTrimmedLineAndSplitOnlyAtEvenQuotes)
{
    Lines lines(0x5EED0001);
    std::vector<std::string> reused{"left over", "from", "an earlier", "longer line", "x"};
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        const std::string line = lines.Next();
        const auto fields = SplitCsvLine(line);
        ASSERT_FALSE(fields.empty());
        const std::string_view trimmed = text::Trim(line);
        ASSERT_EQ(Join(fields), trimmed) << "line " << n;

        // Walk the trimmed line by characters: every comma outside quotes
        // must end a field, and no other byte may.
        std::size_t field = 0;
        std::size_t inField = 0;
        unsigned quotes = 0;
        for (std::size_t i = 0; i < trimmed.size();) {
            const std::size_t len = text::CharLengthAt(trimmed, i);
            const bool separator = len == 1 && trimmed[i] == ',' && quotes % 2 == 0;
            if (len == 1 && trimmed[i] == '"')
                ++quotes;
            if (separator) {
                ASSERT_EQ(inField, fields[field].size()) << "line " << n << " field " << field;
                ++field;
                inField = 0;
            } else {
                inField += len;
            }
            i += len;
        }
        ASSERT_EQ(field + 1, fields.size()) << "line " << n;

        SplitCsvLine(line, reused);
        ASSERT_EQ(reused, fields) << "line " << n;
    }
    ReportInputs(count);
}

TEST(SplitterFuzz, PickedFieldsAreTheSplittersFields)
{
    Lines lines(0x5EED0002);
    std::vector<std::string_view> picked;
    const int count = Count(20000);
    for (int n = 0; n < count; ++n) {
        const std::string line = lines.Next();
        const auto fields = SplitCsvLine(line);
        std::vector<std::size_t> positions;
        for (std::size_t p = lines.Random().Below(3); p < fields.size() + 3; p += 1 + lines.Random().Below(4))
            positions.push_back(p);
        PickCsvFields(line, positions, picked);
        ASSERT_EQ(picked.size(), positions.size());
        for (std::size_t k = 0; k < positions.size(); ++k) {
            const std::string expected = positions[k] < fields.size() ? fields[positions[k]] : std::string();
            ASSERT_EQ(std::string(picked[k]), expected) << "line " << n << " position " << positions[k];
        }
    }
    ReportInputs(count);
}

}  // namespace
}  // namespace corvane::fuzz
