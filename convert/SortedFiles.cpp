#include "convert/SortedFiles.h"

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
    m_sharedCompany = std::make_shared<const std::string>(m_company);
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
    // A file that could not be queried is handed on as unknown: its job reads it.
    Identification identified = check.IdentificationOf(path).value_or(Identification{});
    if (identified.company && *identified.company == m_company)
        identified.company = m_sharedCompany;
    identified.conditions = lines.Shared(identified.conditions);
    m_identified.push_back(std::move(identified));
}

job::FolderExports SortedFiles::Exports(const std::string& folder, CSormaFileCheck& check) const
{
    job::FolderExports exports;
    exports.company = m_company;
    std::vector<std::string> paths;
    for (std::size_t at = 0; at < m_names.size();) {
        const std::size_t end = m_names.find('\0', at);
        paths.push_back(fileio::JoinPath(folder, m_names.substr(at, end - at)));
        const Identification& identified = m_identified[paths.size() - 1];
        if (identified.modified != 0)
            check.Adopt(paths.back(), identified);
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
    std::vector<Identification>().swap(m_identified);
    m_sharedCompany.reset();
}

}  // namespace corvane::convert
