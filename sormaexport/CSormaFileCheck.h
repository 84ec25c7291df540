#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sormaexport/Identification.h"
#include "text/UnicodeForm.h"

namespace corvane {

// Identifies an export file before a page accepts it. Only reads files;
// shows nothing. One checker serves one page action, or a whole job: it
// reads each file once (whether it is text, and its first lines) and answers
// every later check from that, until the file's size or modification time
// changes.
class CSormaFileCheck {
public:
    // True when the file exists, is not empty and contains no byte 00.
    static bool IsTextFile(const std::string& path);
    // Whether the file is UTF-8 or UTF-16 text rather than code page 932,
    // judged by its first bytes; None when it cannot be read.
    static text::UnicodeForm UnicodeFormOf(const std::string& path);
    // IsTextFile, and the file's first `count` lines without trailing white
    // space (fewer when it ends earlier), as this checker read them.
    bool IsText(const std::string& path);
    // Takes over another reading's finding that the file at `path`, as it is
    // now, is text (a folder's sorting reads every export whole for 00 bytes
    // before the checks), so that IsText does not read it again; and its
    // first lines from `head`, the first bytes that reading read (`whole`:
    // the whole file), when they hold them.
    void NoteText(const std::string& path, std::string_view head, bool whole);
    std::vector<std::string> LeadingLines(const std::string& path, int count);
    // What this checker knows of the file at `path` as it is now, read if it
    // must be; none when the file cannot be queried.
    std::optional<Identification> IdentificationOf(const std::string& path);
    // Takes over what another checker knew of the file at `path`: while the
    // file keeps that size and modification time, the checks do not read it.
    void Adopt(const std::string& path, const Identification& identification);
    // exportyear::TitleYear of the file's first line.
    std::optional<int> TitleYear(const std::string& path);
    // True for an employee list export; then `company` receives its company name.
    bool CheckEmployeeList(const std::string& path, std::string& company);
    // 1 to 12: a salary summary of that month; -1: not acceptable; -2: not a
    // salary summary, or other output conditions than the series' first file.
    int CheckSalaryFile(const std::string& employeeList, const std::string& path, bool compare, bool first);
    // 1: acceptable bonus summary; -1: not acceptable; -2: other output conditions.
    int CheckBonusFile(const std::string& employeeList, const std::string& path, bool compare, bool first);

private:
    // What this checker read of a file. A job checks every summary against
    // the same employee list, and a folder's sorting and the placing of its
    // files check each file again: read each time, the checks cost more
    // than the conversion of a small company.
    struct Examined {
        std::optional<bool> text;
        int linesAsked = 0;  // LeadingLines read this many, or all when fewer came
        std::vector<std::string> lines;
        bool identified = false;  // `identification` holds the first lines' facts
        Identification identification;
    };
    // The file's entry, emptied when the file changed since; nullptr when it cannot be queried.
    Examined* Current(const std::string& path);
    // IsTextFile, the first `count` lines (at least up to the conditions) and
    // their facts, each read once for the entry.
    static bool TextOf(Examined& examined, const std::string& path);
    static const std::vector<std::string>& LinesOf(Examined& examined, const std::string& path, int count);
    static const Identification& IdentityOf(Examined& examined, const std::string& path);
    // The facts of a summary file whose company is the employee list's; nullptr otherwise.
    const Identification* SummaryOfListCompany(const std::string& employeeList, const std::string& path);
    // `accepted` when line 5 matches the series (or starts it); -1 without a line 5; -2 when it differs.
    int CompareConditions(const Identification& file, bool first, int accepted);

    std::string m_referenceConditions;
    std::map<std::string, Examined> m_examined;
};

}  // namespace corvane
