#pragma once

#include <vector>

#include "preflight/Finding.h"
#include "sormaexport/ReadView.h"

namespace corvane {

class CSormaItemCheck;

namespace preflight {

// Figures in a salary month that lies wholly after the employee's 退職年月日
// or wholly before the 入社年月日, and bonuses paid then: often the pay of
// someone else under a reused code. A month's days come from its 集計期間
// line, else from its label and the file's year; a bonus's from its 支給日.
void CheckEmploymentPeriods(const ReadView& read, const CSormaItemCheck& items, std::vector<Finding>& findings);

}  // namespace preflight
}  // namespace corvane
