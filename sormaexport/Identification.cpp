#include "sormaexport/Identification.h"

#include <algorithm>

#include "sormaexport/CsvLine.h"
#include "sormaexport/ExportLayout.h"
#include "sormaexport/ExportYear.h"
#include "sormaexport/SalaryLabel.h"

namespace corvane {

void IdentifyLines(const std::vector<std::string>& lines, Identification& identification)
{
    constexpr int kTitle = static_cast<int>(exportlayout::kTitleLine);
    constexpr int kLabel = static_cast<int>(exportlayout::kLabelLine);
    constexpr int kConditions = static_cast<int>(exportlayout::kSummaryHeadingLine);
    const auto at = [&lines](int number) -> const std::string& { return lines[static_cast<std::size_t>(number - 1)]; };
    identification.lines = std::min(static_cast<int>(lines.size()), kConditions);
    identification.employeeListTitle = false;
    identification.company.reset();
    identification.labelMonth = -2;
    identification.conditions.reset();
    identification.titleYear.reset();
    if (identification.lines >= kTitle) {
        const auto fields = SplitCsvLine(at(kTitle));
        if (fields.size() >= 2) {
            identification.company = std::make_shared<const std::string>(fields[1]);
            identification.employeeListTitle = fields[0] == exportlayout::EmployeeListTitle();
        }
        identification.titleYear = exportyear::TitleYear(at(kTitle));
    }
    if (identification.lines >= kLabel)
        identification.labelMonth = SalaryMonthFromLabel(at(kLabel));
    if (identification.lines >= kConditions)
        identification.conditions = std::make_shared<const std::string>(at(kConditions));
}

}  // namespace corvane
