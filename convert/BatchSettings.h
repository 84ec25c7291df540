#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "fileio/AtomicFile.h"
#include "items/CSormaItemCheck.h"

namespace corvane::convert {

// The settings file of a batch, shared by its companies' threads: read once
// under the savers' lock, each converted company's line kept in memory (the
// later companies see it, as if read from the file), and written once by
// Save: under the lock, the file read again, every kept line merged and the
// file replaced atomically. An interrupt saves what is kept too, so that the
// companies finished by then keep their lines.
class BatchSettings {
public:
    explicit BatchSettings(const std::string& path);
    ~BatchSettings();
    BatchSettings(const BatchSettings&) = delete;
    BatchSettings& operator=(const BatchSettings&) = delete;

    const std::string& Path() const { return m_items.SettingsPath(); }
    // The company's stored line as the batch knows it now; none when none.
    std::optional<CSormaItemCheck::Line> LineFor(const std::string& company) const;
    // A converted company's lines, written by the next Save.
    void Keep(const std::vector<CSormaItemCheck::Line>& lines);
    // Writes the kept lines not written yet; WriteError::None when there were none.
    fileio::WriteError Save();

private:
    mutable std::mutex m_mutex;
    CSormaItemCheck m_items;
};

}  // namespace corvane::convert
