// The check list's page and the batch's index with outside texts in every
// place that shows one (names, codes, paths, findings, headings). Each page is
// well-formed UTF-8 whose tags open and close in pairs, with no script, no
// raw markup character outside the page's own tags and only the references
// the escaping writes; each text reads back from the page's text as it was
// given (what no page may carry as U+FFFD), and a link's address decodes
// back to the file name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "checklist/CheckListPage.h"

using namespace corvane;
using fuzzing::Require;

namespace {

// The given text as the page must show it: each byte that starts no
// well-formed UTF-8 character, and each control character but tab and line
// breaks, as U+FFFD. Decodes the code point and checks its range, where the
// escaping checks the bytes' ranges.
std::string Shown(std::string_view text)
{
    static const std::string kReplacement = "\xEF\xBF\xBD";
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        if (length == 0 || at + length > text.size())
            length = 0;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next >> 6) != 0x2) {
                length = 0;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        static const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (length == 0 || code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            shown += kReplacement;
            ++at;
            continue;
        }
        if ((code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0x7F)
            shown += kReplacement;
        else
            shown.append(text.substr(at, length));
        at += length;
    }
    return shown;
}

bool IsWellFormedUtf8(std::string_view text)
{
    // Shown() keeps well-formed text as it is, controls aside.
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            return false;
    }
    return Shown(text) == text;
}

// The references the escaping writes, and what they stand for.
struct Reference {
    std::string_view written;
    std::string_view meaning;
};
constexpr Reference kReferences[] = {{"&amp;", "&"},   {"&lt;", "<"},  {"&gt;", ">"},
                                     {"&quot;", "\""}, {"&#39;", "'"}, {"&#xFFFD;", "\xEF\xBF\xBD"}};

// Appends `raw` with its references resolved; false at an '&' that starts none
// of them, or at a raw character the escaping replaces.
bool Unescape(std::string_view raw, std::string& out)
{
    for (std::size_t at = 0; at < raw.size();) {
        const char c = raw[at];
        if (c == '<' || c == '>' || c == '"')
            return false;
        if (c != '&') {
            out += c;
            ++at;
            continue;
        }
        bool known = false;
        for (const auto& reference : kReferences) {
            if (raw.substr(at, reference.written.size()) == reference.written) {
                out += reference.meaning;
                at += reference.written.size();
                known = true;
                break;
            }
        }
        if (!known)
            return false;
    }
    return true;
}

bool IsPageTag(std::string_view name)
{
    static constexpr std::string_view kTags[] = {"html", "head", "meta",    "title", "style", "body",  "header",
                                                 "h1",   "h2",   "h3",      "table", "thead", "tbody", "tr",
                                                 "th",   "td",   "section", "p",     "span",  "div",   "a"};
    for (const auto tag : kTags) {
        if (tag == name)
            return true;
    }
    return false;
}

bool IsNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// What a page holds: its text (a 0x01 at every tag, so that a text cannot
// run from one element into the next) and its links' addresses.
struct Parsed {
    std::string text;
    std::vector<std::string> links;
};

// Reads the page strictly, aborting where it is not as the page writer makes
// every page: its tags the known ones, opened and closed in pairs (meta
// alone), their attributes name="value".
Parsed ParsePage(const std::string& page)
{
    Require(IsWellFormedUtf8(page), "the page is well-formed UTF-8");
    constexpr std::string_view kDoctype = "<!DOCTYPE html>\n";
    Require(page.compare(0, kDoctype.size(), kDoctype) == 0, "the page starts with its doctype");
    Parsed parsed;
    std::vector<std::string> open;
    std::size_t at = kDoctype.size();
    while (at < page.size()) {
        const std::size_t tag = page.find('<', at);
        const std::size_t textEnd = tag == std::string::npos ? page.size() : tag;
        Require(Unescape(std::string_view(page).substr(at, textEnd - at), parsed.text),
                "text outside tags holds no raw markup character and only known references");
        if (tag == std::string::npos)
            break;
        parsed.text += '\x01';
        at = tag + 1;
        const bool closing = at < page.size() && page[at] == '/';
        if (closing)
            ++at;
        const std::size_t nameStart = at;
        while (at < page.size() && IsNameCharacter(page[at]))
            ++at;
        const std::string name = page.substr(nameStart, at - nameStart);
        Require(IsPageTag(name), "every tag is one the page writer writes (no script)");
        if (closing) {
            Require(at < page.size() && page[at] == '>', "a closing tag is </name>");
            Require(!open.empty() && open.back() == name, "a closing tag closes the last open element");
            open.pop_back();
            ++at;
            continue;
        }
        while (at < page.size() && page[at] == ' ') {
            ++at;
            const std::size_t attributeStart = at;
            while (at < page.size() && IsNameCharacter(page[at]))
                ++at;
            const std::string attribute = page.substr(attributeStart, at - attributeStart);
            Require(!attribute.empty() && page.compare(at, 2, "=\"") == 0, "an attribute is name=\"value\"");
            at += 2;
            const std::size_t valueEnd = page.find('"', at);
            Require(valueEnd != std::string::npos, "an attribute's value is closed");
            std::string value;
            Require(Unescape(std::string_view(page).substr(at, valueEnd - at), value),
                    "an attribute's value holds no raw markup character");
            if (name == "a" && attribute == "href")
                parsed.links.push_back(value);
            at = valueEnd + 1;
        }
        Require(at < page.size() && page[at] == '>', "a tag ends at its attributes");
        ++at;
        if (name == "meta")
            continue;
        if (name == "style") {
            // The style's own text: none of it comes from outside.
            const std::size_t end = page.find("</style>", at);
            Require(end != std::string::npos, "the style is closed");
            at = end + 8;
            continue;
        }
        open.push_back(name);
    }
    Require(open.empty(), "every element opened is closed");
    return parsed;
}

void RequireShown(const Parsed& parsed, const std::string& given)
{
    if (given.empty())
        return;
    const std::string shown = Shown(given);
    Require(parsed.text.find(shown) != std::string::npos, "each text reads back from the page's text");
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The address decoded; aborts at a character a relative path's percent
// encoding does not leave as it is (':' above all, which would make a scheme).
std::string PercentDecoded(const std::string& address)
{
    std::string decoded;
    for (std::size_t at = 0; at < address.size(); ++at) {
        const char c = address[at];
        if (c == '%') {
            Require(at + 2 < address.size() && HexValue(address[at + 1]) >= 0 && HexValue(address[at + 2]) >= 0,
                    "a percent sign starts two upper-case hex digits");
            decoded += static_cast<char>(HexValue(address[at + 1]) * 16 + HexValue(address[at + 2]));
            at += 2;
            continue;
        }
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/';
        Require(plain, "a link's address holds only unreserved characters, '/' and percent signs");
        decoded += c;
    }
    return decoded;
}

// Fields of the input, in order after the first part's flags.
enum Field : std::size_t {
    kFlags,
    kCompany,
    kExportYear,
    kFilingYear,
    kMode,
    kConvertedAt,
    kVersion,
    kOutputPath,
    kOutputHash,
    kKind,
    kFindingFile,
    kColumn,
    kText,
    kOutcome,
    kFix,
    kPersonCode,
    kPersonName,
    kPersonValue,
    kPersonOutcome,
    kPaidOn,
    kPaymentFile,
    kEmployeeCode,
    kEmployeeName,
    kRetiredOn,
    kDependants,
    kTarget,
    kHeading,
    kRole,
    kInputPath,
    kInputHash,
    kIndexCompany,
    kIndexFolder,
    kReason,
    kLink,
    kMadeAt,
    kFieldCount
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> in = fuzzing::SplitInput(data, size, kFieldCount);
    const unsigned flags = in[kFlags].empty() ? 0 : static_cast<unsigned char>(in[kFlags][0]);
    const bool mustFix = (flags & 1) != 0;
    const bool retired = (flags & 2) != 0;
    const bool bonus = (flags & 4) != 0;
    const bool written = (flags & 8) != 0;
    const bool converted = (flags & 16) != 0;

    checklist::CheckList list;
    list.company = in[kCompany];
    list.exportYear = in[kExportYear];
    list.filingYear = in[kFilingYear];
    list.mode = in[kMode];
    list.convertedAt = in[kConvertedAt];
    list.version = in[kVersion];
    list.outputPath = in[kOutputPath];
    if (written)
        list.output = checklist::FileFacts{in[kOutputPath], size, in[kOutputHash], 0};
    checklist::FindingEntry finding{mustFix,     in[kKind], in[kFindingFile], static_cast<long>(flags),
                                    in[kColumn], in[kText], in[kOutcome],     in[kFix],
                                    {}};
    finding.affected.push_back({in[kPersonCode], in[kPersonName], 3, in[kPersonValue], in[kPersonOutcome]});
    list.findings.push_back(finding);
    list.payments.push_back({bonus, bonus ? 2 : 12, in[kPaidOn], in[kPaymentFile], 1, {300000, -45000, 1200}});
    checklist::EmployeeRow employee;
    employee.code = in[kEmployeeCode];
    employee.name = in[kEmployeeName];
    employee.retired = retired;
    employee.retiredOn = in[kRetiredOn];
    employee.months = {4, 5, 6, 12};
    employee.bonuses = {1};
    employee.dependants = in[kDependants];
    employee.flagged = mustFix;
    list.employees.push_back(employee);
    list.items.push_back({in[kTarget], in[kHeading], in[kHeading].empty() ? -1 : 7});
    list.inputs.push_back({in[kRole], {in[kInputPath], 1234, in[kInputHash], 12}});

    const Parsed page = ParsePage(checklist::CheckListHtml(list));
    for (const Field field :
         {kCompany,    kExportYear,  kFilingYear,    kMode,   kConvertedAt, kVersion,      kOutputPath,
          kKind,       kFindingFile, kColumn,        kText,   kOutcome,     kFix,          kPersonCode,
          kPersonName, kPersonValue, kPersonOutcome, kPaidOn, kPaymentFile, kEmployeeCode, kEmployeeName,
          kDependants, kTarget,      kHeading,       kRole,   kInputPath,   kInputHash})
        RequireShown(page, in[field]);
    if (written)
        RequireShown(page, in[kOutputHash]);
    if (retired)
        RequireShown(page, in[kRetiredOn]);
    Require(page.links.empty(), "the check list links nowhere");

    std::vector<checklist::IndexEntry> entries(2);
    entries[0] = {in[kIndexCompany],      in[kIndexFolder], converted,  checklist::CountLevels(list.findings), 1,
                  {300000, -45000, 1200}, in[kLink],        in[kReason]};
    entries[1] = {in[kCompany], in[kFindingFile], false, {}, 0, {}, "", in[kText]};
    const Parsed index = ParsePage(checklist::BatchIndexHtml(entries, in[kMadeAt], in[kVersion]));
    for (const Field field : {kIndexCompany, kIndexFolder, kMadeAt, kVersion, kCompany, kFindingFile, kText})
        RequireShown(index, in[field]);
    if (!converted || in[kLink].empty())
        RequireShown(index, in[kReason]);
    const bool linked = converted && !in[kLink].empty();
    Require(index.links.size() == (linked ? 1U : 0U), "a converted company's written check list is linked");
    if (linked)
        Require(PercentDecoded(index.links[0]) == in[kLink], "the link's address decodes to the file name");
    return 0;
}
