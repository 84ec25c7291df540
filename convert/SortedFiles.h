#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "job/FolderExports.h"
#include "sormaexport/Identification.h"

namespace corvane {
class CSormaFileCheck;
}

namespace corvane::convert {

// One copy of each distinct line for a whole batch: the companies' exports
// mostly share their output conditions, which are the longest of the lines
// the identification keeps. Safe to use from several threads.
class SharedLines {
public:
    std::shared_ptr<const std::string> Shared(const std::shared_ptr<const std::string>& line);

private:
    struct ByText {
        using is_transparent = void;
        bool operator()(const std::shared_ptr<const std::string>& a, const std::shared_ptr<const std::string>& b) const
        {
            return *a < *b;
        }
    };
    std::mutex m_mutex;
    std::set<std::shared_ptr<const std::string>, ByText> m_lines;
};

// What a company's sorting found, kept until the company's turn in a few
// bytes a file: a batch holds it for every company at once, and its memory
// should not grow with thousands of them. With the files' names goes what
// the sorting's checker knew of each, so that the company's job identifies
// no file a second time.
class SortedFiles {
public:
    SortedFiles() = default;
    SortedFiles(const job::FolderExports& exports, CSormaFileCheck& check, SharedLines& lines);

    const std::string& Company() const { return m_company; }
    bool HasList() const { return m_hasList; }
    bool MakesJob() const { return m_job; }
    std::size_t Salary() const { return m_salary; }
    std::size_t Bonus() const { return m_bonus; }

    // The exports again, their paths in `folder`, and `check` told what the
    // sorting knew of them; only when MakesJob.
    job::FolderExports Exports(const std::string& folder, CSormaFileCheck& check) const;

    // Drops the files once the company's job has run.
    void Release();

private:
    void Add(const std::string& path, CSormaFileCheck& check, SharedLines& lines);

    // A file's Identification in half its size. Every file of a job has the
    // company of its employee list; one that had not is handed on unknown.
    struct Packed {
        std::uint64_t size = 0;
        std::int64_t modified = 0;  // 0: unknown, the job reads the file
        std::shared_ptr<const std::string> conditions;
        std::int32_t titleYear = 0;
        std::int16_t labelMonth = -2;
        std::uint8_t lines = 0;
        bool text = false;
        bool employeeListTitle = false;
        bool hasTitleYear = false;
    };

    std::string m_company;
    std::string m_names;  // the employee list's, the salary files' and the bonus files' names, each ended by a 0 byte
    std::vector<Packed> m_identified;  // in the order of the names
    bool m_hasList = false;
    bool m_job = false;
    std::size_t m_salary = 0;
    std::size_t m_bonus = 0;
};

}  // namespace corvane::convert
