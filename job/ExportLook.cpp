#include "job/ExportLook.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "job/OwnOutputs.h"
#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"
#include "text/UnicodeForm.h"

namespace corvane::job {

namespace {

constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
// Where a Unicode file's title is looked for: its first line, give or take.
constexpr std::size_t kUnicodeTitleBytes = 1024;
constexpr char kEndOfTextMark = '\x1A';

// 「集計表」 and 「一覧表」 in UTF-8, UTF-16LE and UTF-16BE: an export that an
// editor saved again in Unicode still shows its title.
const std::array<std::string_view, 6> kUnicodeTitleMarks = {
    std::string_view("\xE9\x9B\x86\xE8\xA8\x88\xE8\xA1\xA8"),
    std::string_view("\xE4\xB8\x80\xE8\xA6\xA7\xE8\xA1\xA8"),
    std::string_view("\xC6\x96\x08\x8A\x68\x88"),
    std::string_view("\x00\x4E\xA7\x89\x68\x88", 6),
    std::string_view("\x96\xC6\x8A\x08\x88\x68"),
    std::string_view("\x4E\x00\x89\xA7\x88\x68", 6),
};

bool HasUnicodeTitle(std::string_view head)
{
    const std::string_view start = head.substr(0, kUnicodeTitleBytes);
    for (const auto mark : kUnicodeTitleMarks) {
        if (start.find(mark) != std::string_view::npos)
            return true;
    }
    return false;
}

// Whether one of the first `lines` lines ends in a CR alone. The reader
// splits at line feeds only, so such a line runs into the next and every
// line after it moves up: the label and the heading are read from the wrong
// lines. `complete`: `head` is the whole file, so a CR at its end ends it.
bool LoneCrInLeadingLines(std::string_view head, long lines, bool complete)
{
    long ended = 0;
    for (std::size_t i = 0; i < head.size() && ended < lines; ++i) {
        if (head[i] == '\n')
            ++ended;
        else if (head[i] == '\r' && (i + 1 < head.size() ? head[i + 1] != '\n' : complete))
            return true;
    }
    return false;
}

ExportLook Damaged(bool employeeListTitle, const std::string& damage)
{
    ExportLook look;
    look.kind = ExportLook::Kind::Export;
    look.employeeListTitle = employeeListTitle;
    look.damage = damage;
    return look;
}

ExportLook Unreadable()
{
    return Damaged(
        false, "ファイルを読み取れません。読み取りの権限があるか、ほかのプログラムで開いていないか確認してください。");
}

}  // namespace

ExportLook LookAtFile(const std::string& path)
{
    const auto info = fileio::Status(path);
    if (!info || !info->isRegular)
        return ExportLook{};
    std::FILE* file = fileio::OpenForBlocks(path);
    if (!file)
        return Unreadable();
    std::vector<char> block(kBlockSize);
    std::size_t read = std::fread(block.data(), 1, block.size(), file);
    std::string head(block.data(), read);
    bool failed = std::ferror(file) != 0;
    const bool complete = read < block.size();

    // Line 1 as the line reader would see it, were it not for 0x1A bytes before it.
    const std::size_t start = std::min(head.find_first_not_of(kEndOfTextMark), head.size());
    const std::size_t end = head.find_first_of(std::string_view("\r\n\0", 3), start);
    const auto title = SplitCsvLine(std::string_view(head).substr(start, end - start));
    const text::UnicodeForm form = text::DetectUnicodeForm(head);
    const bool exportTitle =
        form == text::UnicodeForm::None ? exportlayout::IsExportTitle(title.front()) : HasUnicodeTitle(head);
    if (!failed && !exportTitle) {
        std::fclose(file);
        ExportLook look;
        look.kind = IsOwnOutputHeading(title) ? ExportLook::Kind::OwnOutput : ExportLook::Kind::Other;
        return look;
    }

    // An export: its NUL bytes make it no text for the checks, up to an
    // end-of-file mark 0x1A, where the line reader stops (NUL padding may follow).
    const std::size_t mark = head.find(kEndOfTextMark, start);
    bool ended = mark != std::string::npos;
    bool nul = std::string_view(head).substr(0, ended ? mark : head.size()).find('\0') != std::string_view::npos;
    while (!failed && !nul && !ended && read == block.size()) {
        read = std::fread(block.data(), 1, block.size(), file);
        const void* found = std::memchr(block.data(), kEndOfTextMark, read);
        ended = found != nullptr;
        const std::size_t text =
            ended ? static_cast<std::size_t>(static_cast<const char*>(found) - block.data()) : read;
        nul = std::memchr(block.data(), '\0', text) != nullptr;
        failed = std::ferror(file) != 0;
    }
    std::fclose(file);
    if (failed)
        return Unreadable();

    const bool listTitle = text::Contains(title.front(), exportlayout::EmployeeListTitle());
    if (form == text::UnicodeForm::Utf8)
        return Damaged(listTitle, "文字コードがUTF-8です。Shift_JISのエクスポートファイルを使ってください。");
    if (form == text::UnicodeForm::Utf16)
        return Damaged(listTitle, "文字コードがUTF-16です。Shift_JISのエクスポートファイルを使ってください。");
    if (start > 0)
        return Damaged(listTitle, "ファイルの先頭に、ファイルの終わりを示す文字（1A）があるため、何も読み取れません。");
    if (nul)
        return Damaged(listTitle, "テキストファイルにはない文字（00）が含まれています。");
    const long leadingLines = listTitle ? exportlayout::kEmployeeHeadingLine : exportlayout::kSummaryHeadingLine;
    if (LoneCrInLeadingLines(head, leadingLines, complete))
        return Damaged(listTitle, "改行がCRだけの行があるため、行の区切りを正しく読み取れません。");
    return ExportLook{ExportLook::Kind::Export, listTitle, std::string(), std::move(head), complete};
}

}  // namespace corvane::job
