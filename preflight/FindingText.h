#pragma once

#include <functional>
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

// One finding as a block of lines: its kind, the file and line it concerns,
// and what was found.
std::string FindingBlock(const Finding& finding, const PathDisplay& display);

// The message asking whether to convert despite the findings: which kinds
// were found and how many, then the question.
std::string ProceedQuestion(const std::vector<Finding>& findings);
// Every finding, one block each, for the question's details.
std::string FindingDetails(const std::vector<Finding>& findings, const PathDisplay& display);

}  // namespace corvane::preflight
