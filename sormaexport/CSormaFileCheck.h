#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/UnicodeForm.h"

namespace corvane {

// Identifies an export file before a page accepts it. Only reads files;
// shows nothing. One checker serves one page action.
class CSormaFileCheck {
public:
    // True when the file exists, is not empty and contains no byte 00.
    static bool IsTextFile(const std::string& path);
    // Whether the file is UTF-8 or UTF-16 text rather than code page 932,
    // judged by its first bytes; None when it cannot be read.
    static text::UnicodeForm UnicodeFormOf(const std::string& path);
    // True for an employee list export; then `company` receives its company name.
    bool CheckEmployeeList(const std::string& path, std::string& company);
    // 1 to 12: a salary summary of that month; -1: not acceptable; -2: not a
    // salary summary, or other output conditions than the series' first file.
    int CheckSalaryFile(const std::string& employeeList, const std::string& path, bool compare, bool first);
    // 1: acceptable bonus summary; -1: not acceptable; -2: other output conditions.
    int CheckBonusFile(const std::string& employeeList, const std::string& path, bool compare, bool first);

private:
    // CheckEmployeeList, remembering its answer for the checker's life: a page
    // action checks every summary file against the same employee list, and
    // each check would read the whole list again (at 50,000 employees a
    // tenth of the batch converter's time). A list whose size or
    // modification time changed is checked again.
    bool CheckedEmployeeList(const std::string& path, std::string& company);
    // Reads the first `lineCount` lines of a summary file whose company is the employee list's; false otherwise.
    bool ReadSummaryOfListCompany(const std::string& employeeList, const std::string& path, int lineCount,
                                  std::vector<std::string>& lines);
    // `accepted` when line 5 matches the series (or starts it); -1 without a line 5; -2 when it differs.
    int CompareConditions(const std::vector<std::string>& lines, bool first, int accepted);

    struct ListVerdict {
        std::string path;
        std::uint64_t size = 0;
        std::int64_t modified = 0;
        bool accepted = false;
        std::string company;
    };

    std::string m_referenceConditions;
    std::optional<ListVerdict> m_list;
};

}  // namespace corvane
