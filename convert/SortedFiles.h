#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/SpillFile.h"
#include "job/FolderExports.h"

namespace corvane {
class CSormaFileCheck;
}

namespace corvane::convert {

// One copy of each distinct line for a whole batch, by number: the companies'
// exports mostly share their output conditions (a summary's heading line, a
// kilobyte each), the longest of the lines the identification keeps. So a
// company's record holds a number for each. Safe to use from several threads.
class SharedLines {
public:
    // 0 for no line; equal lines get the same number.
    std::uint64_t Number(const std::shared_ptr<const std::string>& line);
    // The line of a number that Number gave; none for 0 or another number.
    std::shared_ptr<const std::string> Line(std::uint64_t number) const;

private:
    mutable std::mutex m_mutex;
    std::map<std::string_view, std::uint64_t> m_numbers;  // views into m_lines
    std::vector<std::shared_ptr<const std::string>> m_lines;
};

// What a company's sorting found, kept until the company's turn. A batch
// holds it for every company at once: in memory only what the summary shows
// (the company's name and its files' counts), the rest (the files' names,
// what the sorting's checker knew of each, and what the sorting said) in the
// batch's SpillFile. So the company's job identifies no file a second time,
// and the batch's memory does not grow with thousands of companies.
class SortedFiles {
public:
    SortedFiles() = default;
    // `said`: the sorting's messages; `problem`: the last of them that was no information.
    SortedFiles(const job::FolderExports& exports, CSormaFileCheck& check, const std::string& said,
                const std::string& problem, SpillFile& spill, SharedLines& lines);

    const std::string& Company() const { return m_company; }
    bool HasList() const { return m_hasList; }
    bool MakesJob() const { return m_job; }
    std::size_t Salary() const { return m_salary; }
    std::size_t Bonus() const { return m_bonus; }

    // The company's turn: what the sorting said, and, when MakesJob, the
    // exports again, their paths in `folder`, with `check` told what the
    // sorting knew of them. None when the spill file could not give it back.
    struct Turn {
        std::string said;
        std::string problem;
        job::FolderExports exports;
    };
    std::optional<Turn> Take(const std::string& folder, CSormaFileCheck& check, const SpillFile& spill,
                             const SharedLines& lines) const;

private:
    std::string m_company;
    SpillFile::Place m_place;
    bool m_hasList = false;
    bool m_job = false;
    std::size_t m_salary = 0;
    std::size_t m_bonus = 0;
};

}  // namespace corvane::convert
