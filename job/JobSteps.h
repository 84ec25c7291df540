#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/CExchangeFromSormaToVeld.h"
#include "fileio/AtomicFile.h"
#include "job/Job.h"
#include "platform/Messenger.h"
#include "platform/SystemService.h"
#include "preflight/Finding.h"

namespace corvane {

class CExportXMLVeld;
class CSormaFileCheck;
class CSormaItemCheck;

// The checks and finish steps of a job, shared by the wizard's pages and the
// converter. Message texts are code page 932 and name paths in their display
// form; "" means nothing to report. The steps that identify files take the
// job's CSormaFileCheck when given one (the converter: each file read once
// for the whole job), else use one of their own (a page action).
//
// Both take a job through the same steps in the same order (the converter's
// single job in one function, convert/Convert.cpp's RunJob):
//  1. the employee list (EmployeeListCompany), then the exports in their slots:
//     PlaceSalaryFiles and AcceptBonusFile one by one, PlaceExports
//     (job/PlaceExports.h) for a whole folder or the converter's files;
//  2. PrepareItemChoices: the output conditions over every slot, then the
//     item choices for the company;
//  3. CheckBeforeConversion (files gone missing, the output clashing with an
//     export or the settings), then IsValidFilingYear;
//  4. RunConversion, and SettingsNotSavedMessage when the settings could not
//     be rewritten.
namespace job {

// A step's refusal: the message, and the icon that it is shown with.
struct Refusal {
    std::string message;  // "" when the step let the job go on
    platform::Icon icon = platform::Icon::Warning;
    explicit operator bool() const { return !message.empty(); }
};

// The company name (code page 932) of the employee list at `path`; none when
// the identification check refuses it.
std::optional<std::string> EmployeeListCompany(const std::string& path);
std::optional<std::string> EmployeeListCompany(const std::string& path, CSormaFileCheck& check);

// Employee-file page: the message for a refused employee list.
const std::string& EmployeeListRefusedMessage();
// The same for the file at `path`, with a line on its character code when
// it is UTF-8 or UTF-16 text, naming the file and what it is.
std::string EmployeeListRefusedMessage(const std::string& path, const platform::Messenger& messenger);

// `message` with that line after its first line, when one of the refused
// files at `paths` (the first such one) is UTF-8 or UTF-16 text.
std::string WithCharacterCodeNote(const std::string& message, const std::vector<std::string>& paths);

// The slot other than `except` (0-based; -1: none) whose path names the
// same file as `path`; -1 when there is none.
int SlotHoldingFile(const SummarySlots& slots, const std::string& path, int except);

// Salary files page, one 参照 action: sorts `paths`, checks each without
// comparing conditions, places accepted files in their month slots and
// refuses two files for one month, and a file that a bonus slot (or another
// month) already holds. A refused file changes no slot. Returns the message
// to show, each refused file named with what it is; "" when all were accepted.
std::string PlaceSalaryFiles(const std::string& employeeList, std::vector<std::string> paths, SummarySlots& slots,
                             const platform::Messenger& messenger);
std::string PlaceSalaryFiles(const std::string& employeeList, std::vector<std::string> paths, SummarySlots& slots,
                             const platform::Messenger& messenger, CSormaFileCheck& check);

// Salary files page, 次へ: the output conditions of the salary slots.
std::string CheckSalaryConditions(const std::string& employeeList, const SummarySlots& slots,
                                  const platform::Messenger& messenger);

// Bonus files page, a chosen file for slot `slot` (0-based, 12 to 16): true
// when the bonus check accepts it and no other slot holds the same file.
bool AcceptBonusFile(const std::string& employeeList, const std::string& path, const SummarySlots& slots, int slot);
bool AcceptBonusFile(const std::string& employeeList, const std::string& path, const SummarySlots& slots, int slot,
                     CSormaFileCheck& check);
const std::string& BonusFileRefusedMessage();
// A bonus file refused for the slot `slot` (0-based; -1 for none).
struct RefusedBonus {
    std::string path;
    int slot = -1;
};
// The same for a refused file, with the character code line when it
// applies, naming the file and what it is: a bonus refused without a row to
// show it (from a folder, a symlink to a file that another slot holds) is
// told by its name. `employeeList` and `slots` are the job's.
std::string BonusFileRefusedMessage(const RefusedBonus& refused, const std::string& employeeList,
                                    const SummarySlots& slots, const platform::Messenger& messenger);
// The same naming every refused file, one after the other.
std::string BonusFilesRefusedMessage(const std::vector<RefusedBonus>& refused, const std::string& employeeList,
                                     const SummarySlots& slots, const platform::Messenger& messenger);

// Bonus files page, next: the output conditions over all seventeen slots.
std::string CheckAllConditions(const std::string& employeeList, const SummarySlots& slots,
                               const platform::Messenger& messenger);
std::string CheckAllConditions(const std::string& employeeList, const SummarySlots& slots,
                               const platform::Messenger& messenger, CSormaFileCheck& check);

// The first slot in slot order with a path; "" when none.
std::string ReferenceFile(const SummarySlots& slots);

// Bonus files page's 次へ, and the converter once the files are placed: with
// summary files, the output conditions over every slot, then the item
// choices prepared from the first summary for the job's company.
struct PreparedChoices {
    Refusal refusal;       // the conditions' message; none when they hold
    bool passOver = true;  // the correspondence page has nothing to ask
};
PreparedChoices PrepareItemChoices(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger);
PreparedChoices PrepareItemChoices(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger,
                                   CSormaFileCheck& check);

// Output page, 完了 step 1: "以下のファイルが存在しません。..." or "".
std::string MissingFilesMessage(const std::string& employeeList, const SummarySlots& slots,
                                const std::function<bool(const std::string&)>& fileExists,
                                const platform::Messenger& messenger);

// The exports of the job: the employee list and the slots' paths.
std::vector<std::string> ExportPaths(const Job& job);

// Before anything is read or written: the message when the output file, the
// settings file and the exports are not all different files (the same path
// or the same file on disk); "" when they are.
std::string SameFileMessage(const std::string& outputPath, const std::vector<std::string>& exports,
                            const std::string& settingsPath, const platform::Messenger& messenger);

// Output page, 完了, and the converter before converting: MissingFilesMessage
// (shown without an icon), then SameFileMessage over the job's files.
Refusal CheckBeforeConversion(const Job& job, const std::string& settingsPath,
                              const std::function<bool(const std::string&)>& fileExists,
                              const platform::Messenger& messenger);

// Output page, 完了 step 3: a leading number from 1 to 98.
bool IsValidFilingYear(const std::string& text);
const std::string& FilingYearRefusedMessage();
// The default filing year: the year of the era of the local date, as
// decimal text (令和 from 1 May 2019, 平成 before).
std::string DefaultFilingYear(const platform::LocalDate& today);
// The year (年分, a Western year) on the title line of every summary file of
// the slots that has one; none when no file has one or they differ.
std::optional<int> SummariesYear(const SummarySlots& slots);
std::optional<int> SummariesYear(const SummarySlots& slots, CSormaFileCheck& check);
// The default filing year of a job with these summaries: their year when
// they agree on one, else the year of today's era as above.
std::string DefaultFilingYear(const SummarySlots& slots, const platform::LocalDate& today);
std::string DefaultFilingYear(const SummarySlots& slots, const platform::LocalDate& today, CSormaFileCheck& check);
// The filing year as typed, its full-width digits made half-width (an IME
// left on types 「６」).
std::string HalfWidthDigits(const std::string& text);

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
// `showCheckList`, when given, is the box's 確認表を表示.
bool ConfirmFindings(const std::vector<preflight::Finding>& findings, const platform::Messenger& messenger,
                     std::function<void()> showCheckList = {});

// Output page, 完了 steps 5 to 8: runs the engine and, on success, stores the
// company line and rewrites the settings file (SettingsSaving::ByCaller: the
// line stays in `items`, unsaved, for a batch that writes the file once).
// Without `review` the job goes on whatever the check of the exports found.
struct ConversionOutcome {
    bool converted = false;
    bool declined = false;  // the review stopped the job; nothing was written
    fileio::WriteError settingsError = fileio::WriteError::None;
};
// After the file is written whole and before the completion message: the
// findings that the review saw (none without a review or `after`) and the
// store that was written; it returns a note for the completion message.
using AfterConversion = std::function<CExchangeFromSormaToVeld::AfterWriteNote(
    const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store)>;
enum class SettingsSaving { Now, ByCaller };
ConversionOutcome RunConversion(const Job& job, CSormaItemCheck& items, const platform::Messenger& messenger,
                                const ReviewFindings& review = {}, const AfterConversion& after = {},
                                SettingsSaving saving = SettingsSaving::Now);

}  // namespace job
}  // namespace corvane
