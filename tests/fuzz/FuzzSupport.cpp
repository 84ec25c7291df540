#include "fuzz/FuzzSupport.h"

#include <iconv.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "support/ShellCommand.h"
#include "support/TempDir.h"

namespace corvane::fuzz {

std::uint64_t Rng::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Count(int base)
{
    int scale = 100;
    if (const char* env = std::getenv("CORVANE_FUZZ_SCALE"))
        scale = std::max(1, std::atoi(env));
    return std::max(1, static_cast<int>(static_cast<long long>(base) * scale / 100));
}

namespace {

// A test that runs past this is taken for a hang: SIGALRM ends the process
// and ctest reports the test failed.
constexpr unsigned kSecondsPerTest = 300;

class Watchdog final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ::alarm(kSecondsPerTest); }
    void OnTestEnd(const ::testing::TestInfo&) override { ::alarm(0); }
};

const bool g_watchdog = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return true;
}();

}  // namespace

void ReportInputs(long n)
{
    ::testing::Test::RecordProperty("inputs", std::to_string(n));
    std::printf("inputs tried: %ld\n", n);
}

Alphabet::Alphabet()
{
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
            // Strict Shift_JIS (what libxml2 reads) and code page 932 alike.
            if (Decodes(c, "SHIFT_JIS") && Decodes(c, "CP932")) {
                m_doubleByte.push_back(c);
                if (trail < 0x80)
                    m_asciiTrail.push_back(c);
            }
        }
    }
}

const Alphabet& Alphabet::Get()
{
    static const Alphabet alphabet;
    return alphabet;
}

std::string Alphabet::Char(Rng& rng, int ascii) const
{
    static const char kMarked[] = "&<>\"'\\|,\t ";
    const std::size_t pick = rng.Below(100);
    if (pick < static_cast<std::size_t>(ascii)) {
        if (rng.OneIn(3))
            return std::string(1, kMarked[rng.Below(sizeof kMarked - 1)]);
        return std::string(1, static_cast<char>(0x20 + rng.Below(0x5F)));
    }
    if (pick < static_cast<std::size_t>(ascii) + 10)
        return std::string(1, static_cast<char>(0xA1 + rng.Below(0x3F)));  // half-width katakana
    if (pick < static_cast<std::size_t>(ascii) + 30)
        return m_asciiTrail[rng.Below(m_asciiTrail.size())];
    return m_doubleByte[rng.Below(m_doubleByte.size())];
}

std::string Alphabet::Text(Rng& rng, std::size_t maxChars, bool separators) const
{
    std::string text;
    const std::size_t n = rng.Below(maxChars + 1);
    for (std::size_t i = 0; i < n;) {
        const std::string c = Char(rng);
        if (!separators && (c == "," || c == "\""))
            continue;
        text += c;
        ++i;
    }
    return text;
}

void Mutate(Rng& rng, std::string& bytes, std::string_view donor)
{
    static const char* const kTokens[] = {",",        "\"",       "\"\"",       ",\"",      "\r",
                                          "\r\n",     "\n",       "\n\n",       "\x81",     "\x82\r\n",
                                          "\xFF",     "\x80",     "\xA0",       "\x1A",     "\x01",
                                          "\t",       "\x81\x40", "\x83\x5C",   "\x95\x5C", "従業員(一覧表)",
                                          "月度給与", "コード",   "・",         "･",        "課税支給合計",
                                          "所得税",   "-1",       "99999999999"};
    const std::size_t at = rng.Below(bytes.size() + 1);
    switch (rng.Below(9)) {
    case 0:
        if (!bytes.empty())
            bytes[rng.Below(bytes.size())] ^= static_cast<char>(1u << rng.Below(8));
        break;
    case 1:
        bytes.insert(at, 1, static_cast<char>(rng.Byte()));
        break;
    case 2:
        bytes.erase(at, rng.Below(16));
        break;
    case 3: {
        const std::size_t len = std::min<std::size_t>(rng.Below(64), bytes.size() - std::min(at, bytes.size()));
        const std::string piece = bytes.substr(at, len);
        for (std::size_t k = rng.Below(4); k > 0; --k)
            bytes.insert(at, piece);
        break;
    }
    case 4:
        if (!donor.empty()) {
            const std::size_t from = rng.Below(donor.size());
            bytes.insert(at, donor.substr(from, rng.Below(256)));
        }
        break;
    case 5:
        bytes.resize(at);
        break;
    case 6: {
        if (rng.OneIn(std::size(kTokens) + 1))
            bytes.insert(at, 1, '\0');
        else
            bytes.insert(at, kTokens[rng.Below(std::size(kTokens))]);
        break;
    }
    case 7:
        // A line longer than a 4096-byte buffer.
        bytes.insert(at, std::string(4000 + rng.Below(300), rng.OneIn(2) ? 'x' : ','));
        break;
    default:
        if (!bytes.empty())
            bytes[rng.Below(bytes.size())] = static_cast<char>(rng.Byte());
        break;
    }
}

std::string UnwritableByte(Rng& rng)
{
    switch (rng.Below(4)) {
    case 0: {
        // C0 controls but tab, LF and CR; LF would end the export's line,
        // and 0x1A its text.
        static const char kControls[] =
            "\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F\x10\x11\x12\x13\x14"
            "\x15\x16\x17\x18\x19\x1B\x1C\x1D\x1E\x1F";
        return std::string(1, kControls[rng.Below(sizeof kControls - 1)]);
    }
    case 1:
        return std::string(1, '\0');
    case 2: {
        static const unsigned char kIllegal[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
        return std::string(1, static_cast<char>(kIllegal[rng.Below(sizeof kIllegal)]));
    }
    default:
        // A lead byte followed by a byte that cannot be its trail.
        return std::string{static_cast<char>(0x81 + rng.Below(0x1F)), ' '};
    }
}

std::string Example(const std::string& name)
{
    static std::map<std::string, std::string> cache;
    auto found = cache.find(name);
    if (found == cache.end())
        found = cache.emplace(name, test::ReadFileBytes(std::string(CORVANE_EXAMPLES_DIR) + "/" + name)).first;
    return found->second;
}

std::vector<std::string> ExampleNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(CORVANE_EXAMPLES_DIR))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }();
    return names;
}

std::string ToUtf8(const std::string& bytes, const char* encoding)
{
    iconv_t cd = iconv_open("UTF-8", encoding);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string();
    std::string out(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::string();
    out.resize(out.size() - outLeft);
    return out;
}

bool Decodes(const std::string& bytes, const char* encoding)
{
    return bytes.empty() || !ToUtf8(bytes, encoding).empty();
}

std::vector<std::string> XPathStrings(const std::string& file, const std::vector<std::string>& expressions)
{
    // The values hold no LF (export lines cannot), so LF separates them.
    std::string concat = "concat(\"\"";
    for (const auto& e : expressions)
        concat += ", " + e + ", \"\n\"";
    concat += ")";
    const test::CommandResult run = test::RunCommand("xmllint --xpath '" + concat + "' '" + file + "'");
    std::vector<std::string> values;
    if (run.status != 0)
        return values;
    std::size_t start = 0;
    for (std::size_t i = 0; i < expressions.size(); ++i) {
        const std::size_t end = run.output.find('\n', start);
        if (end == std::string::npos)
            return {};
        values.push_back(run.output.substr(start, end - start));
        start = end + 1;
    }
    return values;
}

std::string AsAttribute(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    return out;
}

}  // namespace corvane::fuzz
