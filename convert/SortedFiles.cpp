#include "convert/SortedFiles.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "fileio/FileStatus.h"
#include "sormaexport/CSormaFileCheck.h"

namespace corvane::convert {

std::uint64_t SharedLines::Number(const std::shared_ptr<const std::string>& line)
{
    if (!line)
        return 0;
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_numbers.find(*line);
    if (found != m_numbers.end())
        return found->second;
    m_lines.push_back(line);
    return m_numbers.emplace(*m_lines.back(), m_lines.size()).first->second;
}

std::shared_ptr<const std::string> SharedLines::Line(std::uint64_t number) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return number == 0 || number > m_lines.size() ? nullptr : m_lines[number - 1];
}

namespace {

// A file's Identification in its record. Every file of a job has the company
// of its employee list; one that had not is handed on unknown (modified 0),
// and its job reads it.
constexpr std::uint64_t kText = 1;
constexpr std::uint64_t kEmployeeListTitle = 2;
constexpr std::uint64_t kHasTitleYear = 4;

void PutFile(RecordWriter& record, const std::string& path, const std::string& company, CSormaFileCheck& check,
             SharedLines& lines)
{
    // The file's name alone: every export of a sorting lies in its folder.
    record.Text(std::string_view(path).substr(fileio::LastSeparator(path) + 1));
    const auto identified = check.IdentificationOf(path);
    if (!identified || !identified->company || *identified->company != company) {
        record.Number(0);
        return;
    }
    record.Number(static_cast<std::uint64_t>(identified->modified));
    record.Number(identified->size);
    record.Number(static_cast<std::uint64_t>(static_cast<std::int64_t>(identified->titleYear.value_or(0))));
    record.Number(static_cast<std::uint64_t>(static_cast<std::int64_t>(identified->labelMonth)));
    record.Number(static_cast<std::uint64_t>(identified->lines));
    std::uint64_t flags = 0;
    flags |= identified->text ? kText : 0;
    flags |= identified->employeeListTitle ? kEmployeeListTitle : 0;
    flags |= identified->titleYear ? kHasTitleYear : 0;
    record.Number(flags);
    record.Number(lines.Number(identified->conditions));
}

// The next file of a record: its path in `folder`, and `check` told what the sorting knew of it.
bool TakeFile(RecordReader& record, const std::string& folder, const std::shared_ptr<const std::string>& company,
              const SharedLines& lines, CSormaFileCheck& check, std::string& path)
{
    std::string name;
    std::uint64_t modified = 0;
    if (!record.Text(name) || !record.Number(modified))
        return false;
    path = fileio::JoinPath(folder, name);
    if (modified == 0)
        return true;
    std::uint64_t size = 0, titleYear = 0, labelMonth = 0, lineCount = 0, flags = 0, conditions = 0;
    if (!(record.Number(size) && record.Number(titleYear) && record.Number(labelMonth) && record.Number(lineCount) &&
          record.Number(flags) && record.Number(conditions)))
        return false;
    Identification identified;
    identified.size = size;
    identified.modified = static_cast<std::int64_t>(modified);
    identified.text = (flags & kText) != 0;
    identified.lines = static_cast<int>(lineCount);
    identified.employeeListTitle = (flags & kEmployeeListTitle) != 0;
    identified.company = company;
    identified.labelMonth = static_cast<int>(static_cast<std::int64_t>(labelMonth));
    identified.conditions = lines.Line(conditions);
    if (flags & kHasTitleYear)
        identified.titleYear = static_cast<int>(static_cast<std::int64_t>(titleYear));
    check.Adopt(path, identified);
    return true;
}

}  // namespace

SortedFiles::SortedFiles(const job::FolderExports& exports, CSormaFileCheck& check, const std::string& said,
                         const std::string& problem, SpillFile& spill, SharedLines& lines)
    : m_company(exports.company),
      m_hasList(!exports.employees.empty()),
      m_job(exports.refusal.empty()),
      m_salary(exports.salary.size()),
      m_bonus(exports.bonus.size())
{
    RecordWriter record;
    record.Text(said);
    record.Text(problem);
    if (m_job) {
        PutFile(record, exports.employees, m_company, check, lines);
        for (const auto& path : exports.salary)
            PutFile(record, path, m_company, check, lines);
        for (const auto& path : exports.bonus)
            PutFile(record, path, m_company, check, lines);
    }
    m_place = spill.Put(record.Bytes());
}

std::optional<SortedFiles::Turn> SortedFiles::Take(const std::string& folder, CSormaFileCheck& check,
                                                   const SpillFile& spill, const SharedLines& lines) const
{
    const auto bytes = spill.Get(m_place);
    if (!bytes)
        return std::nullopt;
    RecordReader record(*bytes);
    Turn turn;
    if (!record.Text(turn.said) || !record.Text(turn.problem))
        return std::nullopt;
    if (!m_job)
        return turn;
    turn.exports.company = m_company;
    const auto company = std::make_shared<const std::string>(m_company);
    std::vector<std::string> paths(1 + m_salary + m_bonus);
    for (auto& path : paths) {
        if (!TakeFile(record, folder, company, lines, check, path))
            return std::nullopt;
    }
    turn.exports.employees = paths.front();
    turn.exports.salary.assign(paths.begin() + 1, paths.begin() + 1 + static_cast<std::ptrdiff_t>(m_salary));
    turn.exports.bonus.assign(paths.begin() + 1 + static_cast<std::ptrdiff_t>(m_salary), paths.end());
    return turn;
}

}  // namespace corvane::convert
