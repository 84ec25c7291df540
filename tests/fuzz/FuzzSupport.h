#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Seeded inputs for the property and fuzz tests. Every run tries the same
// inputs: the seeds are fixed and the counts bounded.
namespace corvane::fuzz {

// splitmix64: the same numbers on every platform and standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next();
    // 0 to n - 1; 0 when n is 0.
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    unsigned char Byte() { return static_cast<unsigned char>(Next()); }

private:
    std::uint64_t m_state;
};

// `base` scaled by CORVANE_FUZZ_SCALE (a percentage, 100 when unset), at least 1.
int Count(int base);

// Tells how many inputs the running test tried (printed, and recorded as
// the test's "inputs" property in the XML report).
void ReportInputs(long n);

// Characters that every Shift_JIS decoder reads: ASCII (the five that XML
// escapes among them), half-width katakana and the JIS X 0208 double-byte
// characters, including those whose second byte is an ASCII value such as
// a backslash.
class Alphabet {
public:
    static const Alphabet& Get();
    // One character; `ascii` in 100 come from ASCII.
    std::string Char(Rng& rng, int ascii = 40) const;
    // 0 to maxChars characters, never a comma or a double quote unless `separators`.
    std::string Text(Rng& rng, std::size_t maxChars, bool separators = true) const;
    std::size_t DoubleByteCount() const { return m_doubleByte.size(); }

private:
    Alphabet();
    std::vector<std::string> m_doubleByte;
    std::vector<std::string> m_asciiTrail;  // double-byte characters whose second byte is ASCII
};

// One random change of `bytes`: flipped, inserted, removed or repeated
// bytes, a spliced piece of `donor`, a cut, or a token an export may hold
// (commas, quotes, CR, NUL, lone lead bytes, long runs).
void Mutate(Rng& rng, std::string& bytes, std::string_view donor);

// Bytes no XML document may carry, one at a time: control characters other
// than tab, LF and CR, and bytes that are no character of code page 932.
std::string UnwritableByte(Rng& rng);

// The committed sample exports (examples/), read whole.
std::string Example(const std::string& name);
std::vector<std::string> ExampleNames();

// True when `bytes` decodes without error from `encoding` (iconv's name).
bool Decodes(const std::string& bytes, const char* encoding);
// The UTF-8 form of `bytes` in `encoding`; "" on error.
std::string ToUtf8(const std::string& bytes, const char* encoding);

// The UTF-8 string values of the XPath expressions (ASCII, no single quote),
// read by xmllint in one run; empty when xmllint fails.
std::vector<std::string> XPathStrings(const std::string& file, const std::vector<std::string>& expressions);
// What an XML reader makes of a value in an attribute: tab, CR and LF
// become blanks.
std::string AsAttribute(const std::string& value);

}  // namespace corvane::fuzz
