#include "convert/SortedFiles.h"

#include <cstdint>

#include "fileio/FileStatus.h"
#include "sormaexport/CSormaFileCheck.h"

namespace corvane::convert {

std::shared_ptr<const std::string> SharedLines::Shared(const std::shared_ptr<const std::string>& line)
{
    if (!line)
        return line;
    const std::lock_guard<std::mutex> lock(m_mutex);
    return *m_lines.insert(line).first;
}

SortedFiles::SortedFiles(const job::FolderExports& exports, CSormaFileCheck& check, SharedLines& lines)
    : m_company(exports.company),
      m_hasList(!exports.employees.empty()),
      m_job(exports.refusal.empty()),
      m_salary(exports.salary.size()),
      m_bonus(exports.bonus.size())
{
    if (!m_job)
        return;
    m_identified.reserve(1 + m_salary + m_bonus);
    Add(exports.employees, check, lines);
    for (const auto& path : exports.salary)
        Add(path, check, lines);
    for (const auto& path : exports.bonus)
        Add(path, check, lines);
}

void SortedFiles::Add(const std::string& path, CSormaFileCheck& check, SharedLines& lines)
{
    // The file's name alone: every export of a sorting lies in its folder.
    m_names += path.substr(fileio::LastSeparator(path) + 1);
    m_names += '\0';
    Packed packed;
    const auto identified = check.IdentificationOf(path);
    // A file that could not be queried, or of another company, is handed on unknown: its job reads it.
    if (identified && identified->company && *identified->company == m_company) {
        packed.size = identified->size;
        packed.modified = identified->modified;
        packed.conditions = lines.Shared(identified->conditions);
        packed.hasTitleYear = identified->titleYear.has_value();
        packed.titleYear = identified->titleYear.value_or(0);
        packed.labelMonth = static_cast<std::int16_t>(identified->labelMonth);
        packed.lines = static_cast<std::uint8_t>(identified->lines);
        packed.text = identified->text;
        packed.employeeListTitle = identified->employeeListTitle;
    }
    m_identified.push_back(std::move(packed));
}

job::FolderExports SortedFiles::Exports(const std::string& folder, CSormaFileCheck& check) const
{
    job::FolderExports exports;
    exports.company = m_company;
    std::vector<std::string> paths;
    std::shared_ptr<const std::string> company;
    for (std::size_t at = 0; at < m_names.size();) {
        const std::size_t end = m_names.find('\0', at);
        paths.push_back(fileio::JoinPath(folder, m_names.substr(at, end - at)));
        const Packed& packed = m_identified[paths.size() - 1];
        if (packed.modified != 0) {
            if (!company)
                company = std::make_shared<const std::string>(m_company);
            Identification identified;
            identified.size = packed.size;
            identified.modified = packed.modified;
            identified.text = packed.text;
            identified.lines = packed.lines;
            identified.employeeListTitle = packed.employeeListTitle;
            identified.company = company;
            identified.labelMonth = packed.labelMonth;
            identified.conditions = packed.conditions;
            if (packed.hasTitleYear)
                identified.titleYear = packed.titleYear;
            check.Adopt(paths.back(), identified);
        }
        at = end + 1;
    }
    exports.employees = paths.front();
    exports.salary.assign(paths.begin() + 1, paths.begin() + 1 + static_cast<std::ptrdiff_t>(m_salary));
    exports.bonus.assign(paths.begin() + 1 + static_cast<std::ptrdiff_t>(m_salary), paths.end());
    return exports;
}

void SortedFiles::Release()
{
    std::string().swap(m_names);
    std::vector<Packed>().swap(m_identified);
}

}  // namespace corvane::convert
