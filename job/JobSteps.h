#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fileio/AtomicFile.h"
#include "platform/Messenger.h"
#include "platform/SystemService.h"
#include "preflight/Finding.h"
#include "job/CSyuukeiDataFile.h"

namespace corvane {

class CExportXMLVeld;
class CSormaItemCheck;

// The checks and finish steps that the wizard pages and the batch converter
// share. Message texts are code page 932 and name paths in their display
// form; "" means nothing to report.
namespace job {

// Employee-file page: the message for a refused employee list.
const std::string& EmployeeListRefusedMessage();
// The same for the file at `path`, with a line on its character code when
// it is UTF-8 or UTF-16 text.
std::string EmployeeListRefusedMessage(const std::string& path);

// `message` with that line after its first line, when one of the refused
// files at `paths` (the first such one) is UTF-8 or UTF-16 text.
std::string WithCharacterCodeNote(const std::string& message, const std::vector<std::string>& paths);

// The slot other than `except` (0-based; -1: none) whose path names the
// same file as `path`; -1 when there is none.
int SlotHoldingFile(const SummarySlots& slots, const std::string& path, int except);

// Salary files page, one 参照 action: sorts `paths`, checks each without
// comparing conditions, places accepted files in their month slots and
// refuses two files for one month, and a file that a bonus slot (or another
// month) already holds. Returns the message to show, "" when all were accepted.
std::string PlaceSalaryFiles(const std::string& employeeList, std::vector<std::string> paths, SummarySlots& slots,
                             const platform::Messenger& messenger);

// Salary files page, 次へ: the output conditions of the salary slots.
std::string CheckSalaryConditions(const std::string& employeeList, const SummarySlots& slots,
                                  const platform::Messenger& messenger);

// Bonus files page, a chosen file for slot `slot` (0-based, 12 to 16): true
// when the bonus check accepts it and no other slot holds the same file.
bool AcceptBonusFile(const std::string& employeeList, const std::string& path, const SummarySlots& slots, int slot);
const std::string& BonusFileRefusedMessage();
// The same for the file at `path`, with the character code line when it
// applies, naming the file: a bonus refused without a row to show it (from a
// folder, a symlink to a file that another slot holds) is told by its name.
std::string BonusFileRefusedMessage(const std::string& path, const platform::Messenger& messenger);

// Bonus files page, next: the output conditions over all seventeen slots.
std::string CheckAllConditions(const std::string& employeeList, const SummarySlots& slots,
                               const platform::Messenger& messenger);

// The first slot in slot order with a path; "" when none.
std::string ReferenceFile(const SummarySlots& slots);

// Output page, 完了 step 1: "以下のファイルが存在しません。..." or "".
std::string MissingFilesMessage(const std::string& employeeList, const SummarySlots& slots,
                                const std::function<bool(const std::string&)>& fileExists,
                                const platform::Messenger& messenger);

// The exports of the job: the employee list and the slots' paths.
std::vector<std::string> ExportPaths(const std::string& employeeList, const SummarySlots& slots);

// Before anything is read or written: the message when the output file, the
// settings file and the exports are not all different files (the same path
// or the same file on disk); "" when they are.
std::string SameFileMessage(const std::string& outputPath, const std::vector<std::string>& exports,
                            const std::string& settingsPath, const platform::Messenger& messenger);

// Output page, 完了 step 3: a leading number from 1 to 98.
bool IsValidFilingYear(const std::string& text);
const std::string& FilingYearRefusedMessage();
// The default filing year: the year of the era of the local date, as
// decimal text (令和 from 1 May 2019, 平成 before).
std::string DefaultFilingYear(const platform::LocalDate& today);

// After a successful conversion whose settings file could not be rewritten:
// the message naming the settings file.
std::string SettingsNotSavedMessage(const std::string& settingsPath, const platform::Messenger& messenger);

// Decides, once the exports are read and converted and before anything is
// written, whether the job writes the file: given what the check of the
// exports found (often nothing) and the converted employees.
using ReviewFindings =
    std::function<bool(const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store)>;

// The wizard's review: no question without findings; with findings, the
// question whether to go on, with every finding as details. True to go on.
bool ConfirmFindings(const std::vector<preflight::Finding>& findings, const platform::Messenger& messenger);

// Output page, 完了 steps 5 to 8: runs the engine and, on success, stores the
// company line and rewrites the settings file. Without `review` the job goes
// on whatever the check of the exports found.
struct ConversionOutcome {
    bool converted = false;
    bool declined = false;  // the review stopped the job; nothing was written
    fileio::WriteError settingsError = fileio::WriteError::None;
};
ConversionOutcome RunConversion(const platform::Messenger& messenger, const std::string& employeeList,
                                const SummarySlots& slots, const std::string& outputPath, int standardModeFlag,
                                int functionId, CSormaItemCheck& items, const std::string& filingYear,
                                const std::string& companyName, const ReviewFindings& review = {});

}  // namespace job
}  // namespace corvane
