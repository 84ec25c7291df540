#include "sormaexport/CSormaFileCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "sormaexport/ExportLayout.h"
#include "text/AsciiSpace.h"
#include "text/LineReader.h"

namespace corvane {

namespace {

constexpr int kTitleLine = exportlayout::kTitleLine;
constexpr char kEndOfTextMark = '\x1A';
constexpr int kLabelLine = exportlayout::kLabelLine;
// The output conditions of a summary export are its heading line.
constexpr int kConditionsLine = exportlayout::kSummaryHeadingLine;

// The first `count` lines of a file, each without trailing white space. A
// file that ends earlier gives fewer lines; one that cannot be opened none.
std::vector<std::string> ReadLeadingLines(const std::string& path, int count)
{
    std::vector<std::string> lines;
    text::LineReader reader;
    if (!reader.Open(path))
        return lines;
    std::string line;
    while (static_cast<int>(lines.size()) < count && reader.Next(line))
        lines.emplace_back(text::TrimRight(line));
    return lines;
}

// The first `count` lines of a file whose first bytes are `head`, as
// ReadLeadingLines reads them; none when `head` stops before they end.
std::optional<std::vector<std::string>> LeadingLinesOf(std::string_view head, bool whole, int count)
{
    // The text ends at an end-of-file mark, as the line reader's does.
    if (const std::size_t mark = head.find(kEndOfTextMark); mark != std::string_view::npos) {
        head = head.substr(0, mark);
        whole = true;
    }
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (static_cast<int>(lines.size()) < count) {
        const std::size_t end = head.find('\n', from);
        if (end == std::string_view::npos) {
            if (!whole)
                return std::nullopt;
            // A last line without a line feed still counts.
            if (from < head.size())
                lines.emplace_back(text::TrimRight(head.substr(from)));
            break;
        }
        lines.emplace_back(text::TrimRight(head.substr(from, end - from)));
        from = end + 1;
    }
    return lines;
}

// Whether the first `length` bytes of `file` hold an end-of-file mark; reads
// from the start again, through `block`.
bool MarkWithin(std::FILE* file, std::size_t length, std::vector<char>& block)
{
    if (length == 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    while (length > 0) {
        const std::size_t n = std::fread(block.data(), 1, std::min(length, block.size()), file);
        if (n == 0)
            return false;
        if (std::memchr(block.data(), kEndOfTextMark, n))
            return true;
        length -= n;
    }
    return false;
}

}  // namespace

bool CSormaFileCheck::IsTextFile(const std::string& path)
{
    const auto info = fileio::Status(path);
    if (!info || info->isDirectory || info->size == 0)
        return false;
    std::FILE* file = fileio::OpenForBlocks(path);
    if (!file)
        return false;
    // Every check reads the whole employee list again, so the scan is memchr
    // over large blocks: a byte-by-byte loop made the checks cost more than the conversion.
    // The text ends at an end-of-file mark 0x1A, as the line reader's does:
    // NUL bytes of padding after it are no part of it. The mark is rare, so
    // it is looked for only before a NUL byte found.
    std::vector<char> block(std::size_t{64} * 1024);
    bool text = true;
    std::size_t offset = 0;  // of the block in the file
    for (;;) {
        const std::size_t n = std::fread(block.data(), 1, block.size(), file);
        if (const void* nul = std::memchr(block.data(), '\0', n)) {
            const auto before = static_cast<std::size_t>(static_cast<const char*>(nul) - block.data());
            text = std::memchr(block.data(), kEndOfTextMark, before) != nullptr || MarkWithin(file, offset, block);
            break;
        }
        if (n < block.size())
            break;
        offset += n;
    }
    if (std::ferror(file))
        text = false;
    std::fclose(file);
    return text;
}

text::UnicodeForm CSormaFileCheck::UnicodeFormOf(const std::string& path)
{
    std::FILE* file = fileio::OpenForBlocks(path);
    if (!file)
        return text::UnicodeForm::None;
    // The title line alone tells: every export begins with Japanese text.
    std::string head(std::size_t{16} * 1024, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file));
    std::fclose(file);
    return text::DetectUnicodeForm(head);
}

CSormaFileCheck::Examined* CSormaFileCheck::Current(const std::string& path)
{
    const auto info = fileio::Status(path);
    if (!info) {
        m_examined.erase(path);
        return nullptr;
    }
    Examined& examined = m_examined[path];
    // Without a modification time a change could not be seen: read again.
    if (examined.identification.size != info->size || examined.identification.modified != info->modified ||
        info->modified == 0) {
        examined = Examined{};
        examined.identification.size = info->size;
        examined.identification.modified = info->modified;
    }
    return &examined;
}

bool CSormaFileCheck::TextOf(Examined& examined, const std::string& path)
{
    if (!examined.text)
        examined.text = IsTextFile(path);
    return *examined.text;
}

const std::vector<std::string>& CSormaFileCheck::LinesOf(Examined& examined, const std::string& path, int count)
{
    const bool ended = static_cast<int>(examined.lines.size()) < examined.linesAsked;
    if (examined.linesAsked < count && !ended) {
        // The checks need the first lines up to the conditions: one reading serves them all.
        const int reading = std::max(count, kConditionsLine);
        examined.lines = ReadLeadingLines(path, reading);
        examined.linesAsked = reading;
    }
    return examined.lines;
}

const Identification& CSormaFileCheck::IdentityOf(Examined& examined, const std::string& path)
{
    if (!examined.identified) {
        IdentifyLines(LinesOf(examined, path, kConditionsLine), examined.identification);
        examined.identified = true;
    }
    return examined.identification;
}

bool CSormaFileCheck::IsText(const std::string& path)
{
    Examined* examined = Current(path);
    return examined && TextOf(*examined, path);
}

void CSormaFileCheck::NoteText(const std::string& path, std::string_view head, bool whole)
{
    Examined* examined = Current(path);
    if (!examined || examined->identification.size == 0)
        return;
    examined->text = true;
    if (examined->linesAsked == 0) {
        if (auto lines = LeadingLinesOf(head, whole, kConditionsLine)) {
            examined->lines = std::move(*lines);
            examined->linesAsked = kConditionsLine;
        }
    }
}

std::vector<std::string> CSormaFileCheck::LeadingLines(const std::string& path, int count)
{
    Examined* examined = Current(path);
    if (!examined)
        return ReadLeadingLines(path, count);
    const auto& lines = LinesOf(*examined, path, count);
    const auto kept = std::min(lines.size(), static_cast<std::size_t>(count));
    return std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept));
}

std::optional<Identification> CSormaFileCheck::IdentificationOf(const std::string& path)
{
    Examined* examined = Current(path);
    if (!examined)
        return std::nullopt;
    const bool text = TextOf(*examined, path);
    Identification identification = IdentityOf(*examined, path);
    identification.text = text;
    return identification;
}

void CSormaFileCheck::Adopt(const std::string& path, const Identification& identification)
{
    Examined& examined = m_examined[path];
    examined = Examined{};
    examined.text = identification.text;
    examined.identified = true;
    examined.identification = identification;
}

std::optional<int> CSormaFileCheck::TitleYear(const std::string& path)
{
    Examined* examined = Current(path);
    return examined ? IdentityOf(*examined, path).titleYear : std::nullopt;
}

bool CSormaFileCheck::CheckEmployeeList(const std::string& path, std::string& company)
{
    Examined* examined = Current(path);
    if (!examined || !TextOf(*examined, path))
        return false;
    const Identification& list = IdentityOf(*examined, path);
    if (list.lines < kTitleLine || !list.employeeListTitle)
        return false;
    company = *list.company;
    return true;
}

const Identification* CSormaFileCheck::SummaryOfListCompany(const std::string& employeeList, const std::string& path)
{
    std::string listCompany;
    if (!CheckEmployeeList(employeeList, listCompany))
        return nullptr;
    Examined* examined = Current(path);
    if (!examined || !TextOf(*examined, path))
        return nullptr;
    const Identification& file = IdentityOf(*examined, path);
    return file.lines >= kTitleLine && file.company && *file.company == listCompany ? &file : nullptr;
}

int CSormaFileCheck::CompareConditions(const Identification& file, bool first, int accepted)
{
    if (file.lines < kConditionsLine)
        return -1;
    const std::string& conditions = *file.conditions;
    if (first) {
        m_referenceConditions = conditions;
        return accepted;
    }
    return conditions == m_referenceConditions ? accepted : -2;
}

int CSormaFileCheck::CheckSalaryFile(const std::string& employeeList, const std::string& path, bool compare, bool first)
{
    if (first)
        m_referenceConditions.clear();
    const Identification* file = SummaryOfListCompany(employeeList, path);
    if (!file)
        return -1;
    // A file that stops before its label line is no summary export at all.
    if (file->lines < kLabelLine)
        return -1;
    const int month = file->labelMonth;
    if (month == -2)
        return -2;
    const int result = exportlayout::IsSalaryPeriod(month) ? month : -1;
    return compare ? CompareConditions(*file, first, result) : result;
}

int CSormaFileCheck::CheckBonusFile(const std::string& employeeList, const std::string& path, bool compare, bool first)
{
    if (first)
        m_referenceConditions.clear();
    const Identification* file = SummaryOfListCompany(employeeList, path);
    if (!file)
        return -1;
    const int result = compare ? CompareConditions(*file, first, 1) : 1;
    // A salary summary in a bonus slot would count that month's pay twice.
    if (result >= 0 && file->lines >= kLabelLine && file->labelMonth != -2)
        return -2;
    return result;
}

}  // namespace corvane
