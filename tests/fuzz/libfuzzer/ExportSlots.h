#pragma once

#include <string>
#include <vector>

#include "sormaexport/CSormaFileCheck.h"

namespace corvane::fuzzing {

// Where the wizard would put the summary file at `summary` for the employee
// list at `list`: the salary month its check names, the first bonus slot, or
// -1 when neither check accepts it. Slots count from 0 (salary months 0 to
// 11, bonuses 12 to 16).
int SlotOf(CSormaFileCheck& check, const std::string& list, const std::string& summary);

// The reader's path list: the seventeen slots ("" where empty), then the
// employee list.
std::vector<std::string> ReaderPaths(const std::string& list, int slot, const std::string& summary);

// Slots for several summaries: each one's own (`fallback` when its checks
// refuse it), or the next free slot after it when an earlier one took it.
std::vector<int> FreeSlots(CSormaFileCheck& check, const std::string& list, const std::vector<std::string>& summaries,
                           int fallback);

}  // namespace corvane::fuzzing
