#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "preflight/Finding.h"

namespace corvane::preflight {

// Shows an export's path inside a message (code page 932).
using PathDisplay = std::function<std::string(const std::string& path)>;

// Every kind of finding, in the order of the enumeration.
const std::vector<FindingKind>& AllFindingKinds();
// The short name of a kind of finding, code page 932.
const std::string& KindTitle(FindingKind kind);
// What a kind of finding is about, in English (the converter's --help).
const char* KindDescription(FindingKind kind);
// A level's name as the clerk reads it (要修正, 要確認), code page 932.
const std::string& LevelTitle(Level level);

// The findings with every 要修正 before every 要確認, each level in the order given.
std::vector<Finding> ByLevel(std::vector<Finding> findings);

// One finding as a block of lines: its level and kind, the file and line,
// the column, what was found, what the output will hold, the employees
// concerned (the first `shown`, then 「ほか N人」 and `restNote`), and the fix.
std::string FindingBlock(const Finding& finding, const PathDisplay& display,
                         std::size_t shown = std::numeric_limits<std::size_t>::max(),
                         const std::string& restNote = std::string());

// The levels found with the people (or files) of each: 「要修正 2人、要確認 1人」.
std::string LevelCounts(const std::vector<Finding>& findings);
// The last message of a conversion that wrote its file despite findings,
// given their LevelCounts.
std::string CompletedWithFindingsMessage(const std::string& levelCounts);

// The message asking whether to convert despite the findings: the kinds
// found under each level, 要修正 first, with the people or files each
// concerns, then the question.
std::string ProceedQuestion(const std::vector<Finding>& findings);
// Every finding, 要修正 first, one block each with every employee, for the question's details.
std::string FindingDetails(const std::vector<Finding>& findings, const PathDisplay& display);

}  // namespace corvane::preflight
