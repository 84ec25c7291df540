#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What the identification checks know of a file once they have read it:
// whether it is text, and what its first lines make it (its role by its
// title, its company, its label's month, its output conditions). A batch
// keeps it from a company's sorting until the company's turn, so that its
// job does not read the file again while it is unchanged.
struct Identification {
    std::uint64_t size = 0;  // the file as it was read
    std::int64_t modified = 0;
    bool text = false;  // CSormaFileCheck::IsTextFile
    int lines = 0;      // how many of its first five lines it has
    bool employeeListTitle = false;
    std::shared_ptr<const std::string> company;     // its title's second field; none with fewer fields
    int labelMonth = -2;                            // SalaryMonthFromLabel of line 3, when it has one
    std::shared_ptr<const std::string> conditions;  // line 5, when it has one
    std::optional<int> titleYear;                   // exportyear::TitleYear of line 1
};

// The facts of a file's first lines (without trailing white space); the
// other fields are left as they are.
void IdentifyLines(const std::vector<std::string>& lines, Identification& identification);

}  // namespace corvane
