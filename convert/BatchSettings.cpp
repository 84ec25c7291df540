#include "convert/BatchSettings.h"

#include "fileio/FileLock.h"

namespace corvane::convert {

BatchSettings::BatchSettings(const std::string& path) : m_items(path)
{
    {
        // Read under the lock that the savers hold: on Windows a file open for
        // reading cannot be replaced, and a file being replaced cannot be opened.
        fileio::FileLock lock(path + ".lock");
        lock.Acquire();
        m_items.LoadSettings();
    }
    fileio::SetInterruptAction([this] { Save(); });
}

BatchSettings::~BatchSettings()
{
    fileio::SetInterruptAction({});
}

std::optional<CSormaItemCheck::Line> BatchSettings::LineFor(const std::string& company) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (const CSormaItemCheck::Line* line = m_items.StoredLineFor(company))
        return *line;
    return std::nullopt;
}

void BatchSettings::Keep(const std::vector<CSormaItemCheck::Line>& lines)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& line : lines)
        m_items.StoreCompanyLine(line);
}

fileio::WriteError BatchSettings::Save()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_items.UnsavedLines().empty())
        return fileio::WriteError::None;
    return m_items.SaveSettings();
}

}  // namespace corvane::convert
