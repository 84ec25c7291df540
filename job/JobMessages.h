#pragma once

#include <string>

// The fixed parts of the job's messages (code page 932). The steps in
// JobSteps put them together with paths and months; tests refer to them
// instead of writing the texts again, and JobStepsTest writes each out once.
namespace corvane::job::messages {

// Every refusal of a chosen file begins with this line.
const std::string& NotCorrectFile();
// What to choose instead: the employee list; a salary summary; a summary
// (one bonus file); a bonus summary (the conditions over every slot).
const std::string& ChooseEmployeeList();
const std::string& ChooseSalarySummary();
const std::string& ChooseSummary();
const std::string& ChooseBonusSummary();
// The headings of the refused files' sections.
const std::string& NotASummarySection();  // salary files: not a summary, another company
const std::string& NotSalarySection();    // salary files: another kind of data
const std::string& SameMonthSection();    // salary files: two files for one month
const std::string& NotSameConditionsSection();
const std::string& BonusNotASummarySection();  // one bonus file: not a summary, another company
// The line added after the first when a refused file is UTF-8 or UTF-16 text.
const std::string& Utf8Note();
const std::string& Utf16Note();

// Files that went missing before 完了, and the headings of their sections.
const std::string& MissingFilesHead();
const std::string& MissingEmployeeListSection();
const std::string& MissingSummariesSection();

// The output, the settings file and the exports must be different files.
const std::string& OutputIsAnExport();
const std::string& OutputIsTheSettings();
const std::string& ChooseAnotherOutput();
const std::string& SettingsIsAnExport();

// A conversion whose settings file could not be rewritten.
const std::string& SettingsNotSaved();

}  // namespace corvane::job::messages
