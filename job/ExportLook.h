#pragma once

#include <string>

namespace corvane::job {

// What one of a folder's files is, told from its bytes before the
// identification checks: an export that the checks may take or that cannot
// be read as one, a table this program wrote, or something else.
struct ExportLook {
    enum class Kind {
        Other,      // clearly no export: no export's title on line 1, or no plain file
        OwnOutput,  // the reconciliation table or the batch summary
        Export,     // an export's title on line 1, or a file that cannot be read
    };
    Kind kind = Kind::Other;
    bool employeeListTitle = false;  // the title is the employee list's
    // Why the export cannot be read as one (code page 932, one sentence or
    // two); "" when nothing is wrong with its bytes.
    std::string damage;
    // An export without damage: its first block as read, and whether that
    // is the whole file, for the checks' first lines (CSormaFileCheck::NoteText).
    std::string head;
    bool headWhole = false;
};

// Reads the file's first block, and the rest of an export's bytes for NUL
// bytes; the line ends are judged up to the heading line.
ExportLook LookAtFile(const std::string& path);

}  // namespace corvane::job
