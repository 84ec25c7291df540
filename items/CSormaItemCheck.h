#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fileio/AtomicFile.h"
#include "items/ITEMMACHTABLE.h"

namespace corvane {

// The item correspondence of the four pay figures, and its per-company
// persistence in the settings file next to the program.
class CSormaItemCheck {
public:
    using Line = std::vector<std::string>;

    // Builds the four entries; no file access. `settingsPath` is the full
    // path of the settings file (see DefaultSettingsPath).
    explicit CSormaItemCheck(std::string settingsPath);

    // The settings file next to the executable at `executablePath`. On Linux,
    // when that folder exists but is not writable (an installed program), the
    // user's one instead (UserSettingsPath), its folder made when missing.
    static std::string DefaultSettingsPath(const std::string& executablePath);

    // $XDG_CONFIG_HOME/corvane/Corvane.ENV, or $HOME/.config/corvane/Corvane.ENV
    // when that variable is unset, empty or relative; "" when neither helps.
    static std::string UserSettingsPath(const char* xdgConfigHome, const char* home);

    // Reads the settings file into the stored lines; a missing or unreadable
    // file leaves none. Only a regular file of at most kMaxSettingsBytes is
    // read: anything else (a device, a FIFO, a huge file) counts as unreadable.
    void LoadSettings();
    static constexpr std::uint64_t kMaxSettingsBytes = 16u << 20;

    std::vector<ITEMMACHTABLE>& Entries() { return m_entries; }
    const std::vector<ITEMMACHTABLE>& Entries() const { return m_entries; }

    void ClearChoices();
    // Gives `entry` the column `heading`, which stands at `position` of the
    // heading line; `heading` may be the entry's own chosen item.
    static void Choose(ITEMMACHTABLE& entry, const std::string& heading, std::int32_t position);
    // Leaves `entry` without a column: none of its figures is read.
    static void Clear(ITEMMACHTABLE& entry);
    // The chosen position of the entry whose default payroll item is `item`; -1 when none.
    std::int32_t ChosenPositionFor(const std::string& item) const;
    // The stored line of the company; nullptr when none.
    const Line* StoredLineFor(const std::string& company) const;

    // The fields of the file's summary heading line (exportlayout::kSummaryHeadingLine);
    // `out` unchanged when there is none.
    void ReadHeadings(const std::string& path, std::vector<std::string>& out) const;
    bool HeadingsMatchStandardLayout(const std::string& path) const;
    // True when the caller is to pass over the correspondence page.
    bool PrepareChoices(const std::string& referencePath, const std::string& company);
    bool IsStandardLine(const Line& line) const;
    // Records the line for its company; SaveSettings writes it.
    void StoreCompanyLine(const Line& line);
    // The lines given to StoreCompanyLine that SaveSettings has not written yet.
    const std::vector<Line>& UnsavedLines() const { return m_newLines; }
    // Takes a company's line as LoadSettings would have read it from the
    // file: a batch reads the file once for all of its companies.
    void UseStoredLine(const Line& line);
    // The nine-field company line of the current choices.
    Line CompanyLine(const std::string& company) const;

    // Rewrites the settings file, atomically, under a lock that other
    // processes saving the same file respect: the file is read again under
    // the lock and the lines given to StoreCompanyLine are merged into what
    // it holds now, so that runs saving at the same time keep each other's
    // lines. Returns WriteError::None on success and when there is nothing to
    // write; on an error the earlier file is left whole. A file that cannot
    // be read whole is never replaced (WriteError::Create). A file that
    // already holds those very bytes is left as it is.
    fileio::WriteError SaveSettings();

    const std::string& SettingsPath() const { return m_settingsPath; }
    const std::vector<Line>& StoredLines() const { return m_storedLines; }

private:
    void SetDefaults();
    void MergeLine(const Line& line);
    // Gives `entry` the heading `name`: at `position` when it is still there,
    // else at the one other place it stands; no choice when neither.
    static void ChooseByName(ITEMMACHTABLE& entry, const std::string& name, std::int32_t position,
                             const std::vector<std::string>& headings);

    std::vector<ITEMMACHTABLE> m_entries;
    std::map<std::string, std::size_t> m_entryIndex;  // defaultPayrollItem -> entry
    std::vector<Line> m_storedLines;
    std::map<std::string, std::size_t> m_lineIndex;  // company name -> stored line (the later wins)
    std::vector<Line> m_newLines;                    // given to StoreCompanyLine since the file was read
    std::string m_settingsPath;
    bool m_settingsUnread = false;  // the file is there but could not be read whole
};

}  // namespace corvane
