#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "preflight/Finding.h"
#include "sormaexport/ReadView.h"

// What the checks of the year, the employment period and the figures share
// to fill a finding: the employees named as the employee list names them.
namespace corvane::preflight::parts {

// A finding with its level, file, text, outcome and fix.
Finding Make(FindingKind kind, Level level, std::string file, std::string text, std::string outcome, std::string fix);
// The employee of `record`, with the value concerned.
Affected Employee(const RecordView& record, std::int32_t nameColumn, std::string value);
// Sets the old summary fields from `affected`: the first code and the count of people.
void CountPeople(Finding& finding);
// 「1001 伊藤　彩、1002 鈴木　浩二ほか」: the first few of the employees.
std::string People(const std::vector<Affected>& affected);
// The summary files that the reader read rows from (a known period).
std::vector<const ExportFileFacts*> ReadSummaries(const ReadView& read);

}  // namespace corvane::preflight::parts
