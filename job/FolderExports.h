#pragma once

#include <string>
#include <vector>

#include "platform/Messenger.h"

namespace corvane {
class CSormaFileCheck;
}

namespace corvane::job {

// A folder's exports sorted into a job: which file is the employee list,
// which salary file serves which month, the bonus files in payment order.
struct FolderExports {
    std::string employees;             // path
    std::string company;               // the employee list's company name (code page 932)
    std::vector<std::string> salary;   // paths, in month order
    std::vector<std::string> bonus;    // paths, in payment date order
    std::vector<std::string> ignored;  // paths of files that are no export
    // Paths of the reconciliation tables and batch summaries this program
    // wrote, left out as no export.
    std::vector<std::string> ownOutputs;
    // The paths in `bonus` without a payment date: after the dated ones, by file name.
    std::vector<std::string> undatedBonus;
    std::string refusal;  // the message when the folder makes no job (code page 932); "" otherwise
};

// Where the files come from, for the refusals' wording.
enum class ExportsSource { Folder, DroppedFiles };

// Sorts the files at `paths` (the whole content of one folder, or files the
// user handed over together) with the identification checks: the one
// employee list, the salary files by the month their label names, the bonus
// files by the payment date in their label lines (by file name when a file
// has none). Refuses, naming the files, a folder without or with two employee
// lists, two files for one month, more than five bonus files, exports of
// another company, two exports with the same bytes, and a file that cannot be
// read or that has an export's title (ExportLook) but cannot be read as one.
// Only files that are clearly no export, and this program's own tables, are
// left out.
FolderExports SortExports(const std::vector<std::string>& paths, const platform::Messenger& messenger,
                          ExportsSource source = ExportsSource::Folder);
// The same with the job's checker, which keeps what it read for the job's later checks.
FolderExports SortExports(const std::vector<std::string>& paths, const platform::Messenger& messenger,
                          ExportsSource source, CSormaFileCheck& check);

// SortExports over the regular files of `folder` (not its subfolders, no
// hidden files); a refusal when the folder cannot be read.
FolderExports SortFolder(const std::string& folder, const platform::Messenger& messenger);
FolderExports SortFolder(const std::string& folder, const platform::Messenger& messenger, CSormaFileCheck& check);

// The note that the bonus files without a payment date were put after the
// dated ones by file name, naming them; "" when there is one bonus file or
// every one has a date.
std::string UndatedBonusNote(const FolderExports& exports, const platform::Messenger& messenger);

// The payment date that a bonus summary's label lines name
// ("支給日：令和 6年 7月10日"), as year * 10000 + month * 100 + day of the
// Western calendar; 0 when they name none.
int BonusPaymentDate(const std::string& path);
int BonusPaymentDate(const std::string& path, CSormaFileCheck& check);

// `paths` of bonus summaries in payment order: by BonusPaymentDate, files
// without a date after those with one, by file name.
std::vector<std::string> InPaymentOrder(const std::vector<std::string>& paths);
std::vector<std::string> InPaymentOrder(const std::vector<std::string>& paths, CSormaFileCheck& check);

}  // namespace corvane::job
