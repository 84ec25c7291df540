#include "items/CSormaItemCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "fileio/FileLock.h"
#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/CsvLine.h"
#include "text/AsciiSpace.h"
#include "text/Format.h"
#include "text/LineReader.h"

namespace corvane {

namespace {

const char* const kSettingsFileName = "Corvane.ENV";
const char* const kSettingsHeader = "会社名,総支給金額,,社会保険料等の控除額,,扶養親族等の数,,算出税額";
const char* const kLineEnd = "\r\n";

struct EntryDefinition {
    const char* targetItem;
    const char* defaultPayrollItem;
};

const EntryDefinition kEntries[] = {
    {"総支給金額", "課税支給合計"},
    {"社会保険料等の控除額", "社会保険料計"},
    {"扶養親族等の数", "扶養人数"},
    {"算出税額", "所得税"},
};

// Field 2i+1 of a company line holds entry i's item, field 2i+2 its position.
std::size_t NameField(std::size_t entry)
{
    return 2 * entry + 1;
}
std::size_t PositionField(std::size_t entry)
{
    return 2 * entry + 2;
}

// Whether the regular file at `path` holds exactly `bytes`.
bool HoldsBytes(const std::string& path, const std::string& bytes)
{
    const auto info = fileio::Status(path);
    if (!info || !info->isRegular || info->size != bytes.size())
        return false;
    std::FILE* file = fileio::OpenFile(path, "rb");
    if (!file)
        return false;
    std::string held(bytes.size() + 1, '\0');
    const std::size_t read = std::fread(held.data(), 1, held.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed && read == bytes.size() && held.compare(0, read, bytes) == 0;
}

}  // namespace

CSormaItemCheck::CSormaItemCheck(std::string settingsPath) : m_settingsPath(std::move(settingsPath))
{
    std::int32_t position = 0;
    for (const auto& definition : kEntries) {
        ITEMMACHTABLE entry;
        entry.targetItem = definition.targetItem;
        entry.defaultPayrollItem = definition.defaultPayrollItem;
        entry.defaultPosition = position++;
        m_entryIndex[entry.defaultPayrollItem] = m_entries.size();
        m_entries.push_back(std::move(entry));
    }
}

std::string CSormaItemCheck::DefaultSettingsPath(const std::string& executablePath)
{
    if (fileio::LastSeparator(executablePath) == std::string::npos)
        return kSettingsFileName;
    const std::string folder = fileio::DirectoryOf(executablePath);
#ifdef __linux__
    // Under /usr/bin nobody may write next to the program; a build tree or a
    // copy in the user's own folder keeps the file beside it.
    if (!folder.empty() && fileio::Status(folder) && !fileio::FolderWritable(folder)) {
        std::string user = UserSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
        if (!user.empty()) {
            fileio::MakeFolders(fileio::DirectoryOf(user));
            return user;
        }
    }
#endif
    return folder + fileio::PathSeparator() + kSettingsFileName;
}

std::string CSormaItemCheck::UserSettingsPath(const char* xdgConfigHome, const char* home)
{
    const auto folder = [](std::string path) {
        while (!path.empty() && path.back() == '/')
            path.pop_back();
        return path;
    };
    std::string config;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        config = folder(xdgConfigHome);
    else if (home && home[0] == '/')
        config = folder(home) + "/.config";
    else
        return std::string();
    return config + "/corvane/" + kSettingsFileName;
}

void CSormaItemCheck::LoadSettings()
{
    m_storedLines.clear();
    m_lineIndex.clear();
    m_settingsUnread = false;
    // Opening a FIFO would wait for a writer, and a device may never end.
    const auto info = fileio::Status(m_settingsPath);
    if (!info)
        return;
    text::LineReader reader;
    if (!info->isRegular || info->size > kMaxSettingsBytes || !reader.Open(m_settingsPath)) {
        m_settingsUnread = true;
        return;
    }
    std::string line;
    // Whole lines, however long: a line read in pieces would be written back
    // as several lines at the next save.
    while (reader.Next(line)) {
        if (reader.LineNumber() == 1)
            continue;  // the header
        Line fields = SplitCsvLine(line);
        m_lineIndex[fields.front()] = m_storedLines.size();
        m_storedLines.push_back(std::move(fields));
    }
    m_settingsUnread = reader.Failed();
}

void CSormaItemCheck::Choose(ITEMMACHTABLE& entry, const std::string& heading, std::int32_t position)
{
    if (&entry.chosenPayrollItem != &heading)
        entry.chosenPayrollItem = heading;
    entry.chosenPosition = position;
}

void CSormaItemCheck::Clear(ITEMMACHTABLE& entry)
{
    entry.chosenPayrollItem.clear();
    entry.chosenPosition = -1;
}

void CSormaItemCheck::ClearChoices()
{
    for (auto& entry : m_entries)
        Clear(entry);
}

void CSormaItemCheck::SetDefaults()
{
    for (auto& entry : m_entries)
        Choose(entry, entry.defaultPayrollItem, entry.defaultPosition);
}

std::int32_t CSormaItemCheck::ChosenPositionFor(const std::string& item) const
{
    const auto found = m_entryIndex.find(item);
    return found == m_entryIndex.end() ? -1 : m_entries[found->second].chosenPosition;
}

namespace {

// A settings line is read with its leading white space trimmed, so a company
// is known there by its name without it: a name that starts with a blank
// (" 商事" from a title's ", 商事") would otherwise never find its line again.
std::string SettingsName(const std::string& company)
{
    return std::string(text::TrimLeft(company));
}

}  // namespace

const CSormaItemCheck::Line* CSormaItemCheck::StoredLineFor(const std::string& company) const
{
    const auto found = m_lineIndex.find(SettingsName(company));
    return found == m_lineIndex.end() ? nullptr : &m_storedLines[found->second];
}

void CSormaItemCheck::ReadHeadings(const std::string& path, std::vector<std::string>& out) const
{
    text::LineReader reader;
    if (!reader.Open(path))
        return;
    std::string line;
    while (reader.Next(line)) {
        if (reader.LineNumber() == exportlayout::kSummaryHeadingLine) {
            out.clear();
            SplitCsvLine(text::TrimRight(line), out);
            return;
        }
    }
}

bool CSormaItemCheck::HeadingsMatchStandardLayout(const std::string& path) const
{
    std::vector<std::string> headings;
    ReadHeadings(path, headings);
    for (const auto& entry : m_entries) {
        const auto position = static_cast<std::size_t>(entry.defaultPosition);
        if (position >= headings.size() || headings[position] != entry.defaultPayrollItem)
            return false;
    }
    return true;
}

bool CSormaItemCheck::PrepareChoices(const std::string& referencePath, const std::string& company)
{
    bool chosenBefore = false;
    for (const auto& entry : m_entries)
        chosenBefore = chosenBefore || !entry.chosenPayrollItem.empty();
    if (chosenBefore) {
        if (HeadingsMatchStandardLayout(referencePath)) {
            SetDefaults();
            return true;
        }
        // The summary files may have changed since: a position kept from
        // other files would read another column under the same name.
        std::vector<std::string> headings;
        ReadHeadings(referencePath, headings);
        for (auto& entry : m_entries) {
            if (!entry.chosenPayrollItem.empty())
                ChooseByName(entry, entry.chosenPayrollItem, entry.chosenPosition, headings);
        }
        return false;
    }

    ClearChoices();
    if (HeadingsMatchStandardLayout(referencePath)) {
        SetDefaults();
        return true;
    }

    std::vector<std::string> headings;
    ReadHeadings(referencePath, headings);
    if (const Line* stored = StoredLineFor(company)) {
        // Each stored pair, where its heading still is or has moved to.
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (PositionField(i) >= stored->size())
                continue;
            const std::string& name = (*stored)[NameField(i)];
            if (!name.empty())
                ChooseByName(m_entries[i], name, text::LeadingInt((*stored)[PositionField(i)]), headings);
        }
    }

    // Entries still without a column take their usual heading when it is unambiguous.
    for (auto& entry : m_entries) {
        if (entry.chosenPosition < 0)
            ChooseByName(entry, entry.defaultPayrollItem, -1, headings);
    }
    return false;
}

void CSormaItemCheck::ChooseByName(ITEMMACHTABLE& entry, const std::string& name, std::int32_t position,
                                   const std::vector<std::string>& headings)
{
    // `name` may be the entry's own chosen item: it is read before the entry changes.
    std::int32_t chosen = -1;
    if (position >= 0 && static_cast<std::size_t>(position) < headings.size() &&
        headings[static_cast<std::size_t>(position)] == name) {
        chosen = position;
    } else {
        std::size_t matches = 0;
        for (std::size_t p = 0; p < headings.size(); ++p) {
            if (headings[p] == name) {
                ++matches;
                chosen = static_cast<std::int32_t>(p);
            }
        }
        if (matches != 1)
            chosen = -1;
    }
    if (chosen < 0)
        Clear(entry);
    else
        Choose(entry, name, chosen);
}

bool CSormaItemCheck::IsStandardLine(const Line& line) const
{
    if (line.size() != 2 * m_entries.size() + 1)
        return false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (line[NameField(i)] != m_entries[i].defaultPayrollItem ||
            text::LeadingInt(line[PositionField(i)]) != m_entries[i].defaultPosition)
            return false;
    }
    return true;
}

void CSormaItemCheck::StoreCompanyLine(const Line& line)
{
    if (line.empty())
        return;
    // A later line of the same company, no shorter, merges to what it alone
    // would: a batch of one company's folders keeps one line, not thousands.
    const auto earlier = std::find_if(m_newLines.begin(), m_newLines.end(),
                                      [&](const Line& kept) { return kept.front() == line.front(); });
    if (earlier != m_newLines.end() && earlier->size() <= line.size())
        *earlier = line;
    else
        m_newLines.push_back(line);
    MergeLine(line);
}

void CSormaItemCheck::UseStoredLine(const Line& line)
{
    if (!line.empty())
        MergeLine(line);
}

void CSormaItemCheck::MergeLine(const Line& line)
{
    const auto found = m_lineIndex.find(line.front());
    if (found == m_lineIndex.end()) {
        m_lineIndex[line.front()] = m_storedLines.size();
        m_storedLines.push_back(line);
        return;
    }
    Line& stored = m_storedLines[found->second];
    // A short (hand-edited or damaged) stored line is lengthened, so that none
    // of the new choices is lost; fields beyond the new line are kept.
    if (stored.size() < line.size())
        stored.resize(line.size());
    for (std::size_t i = 1; i < line.size(); ++i)
        stored[i] = line[i];
}

CSormaItemCheck::Line CSormaItemCheck::CompanyLine(const std::string& company) const
{
    Line line;
    line.reserve(2 * m_entries.size() + 1);
    line.push_back(SettingsName(company));
    for (const auto& entry : m_entries) {
        line.push_back(entry.chosenPayrollItem);
        line.push_back(text::Format("%d", entry.chosenPosition));
    }
    return line;
}

fileio::WriteError CSormaItemCheck::SaveSettings()
{
    if (m_storedLines.empty() && m_newLines.empty())
        return fileio::WriteError::None;
    // Rewriting a file that could not be read whole would drop the lines of
    // every other company in it; one that failed once is left alone.
    if (m_settingsUnread)
        return fileio::WriteError::Create;
    fileio::FileLock lock(m_settingsPath + ".lock");
    if (!lock.Acquire())
        return fileio::WriteError::Create;
    // Another run may have saved since the file was read: merge into what is there now.
    LoadSettings();
    if (m_settingsUnread)
        return fileio::WriteError::Create;
    for (const Line& line : m_newLines)
        MergeLine(line);
    if (m_storedLines.empty())
        return fileio::WriteError::None;
    std::string bytes = kSettingsHeader;
    bytes += kLineEnd;
    for (const auto& line : m_storedLines) {
        if (IsStandardLine(line))
            continue;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i != 0)
                bytes += ',';
            bytes += line[i];
        }
        bytes += kLineEnd;
    }
    // Most runs choose what the file holds already: rewriting and syncing
    // it would cost each conversion a second wait for the disk.
    if (HoldsBytes(m_settingsPath, bytes)) {
        m_newLines.clear();
        return fileio::WriteError::None;
    }
    fileio::AtomicFile file(m_settingsPath);
    if (file.Open() && file.Write(bytes) && file.Commit())
        m_newLines.clear();
    return file.Error();
}

}  // namespace corvane
