#include "platform/FileDialog.h"

#include "fileio/FileStatus.h"

namespace corvane::platform {

std::vector<FileFilter> ParseFilter(const std::string& filter)
{
    // Split at every '|'; the pairs end at the first entry without patterns.
    // Descriptions are code page 932, whose trail bytes can be 0x7C ('|'):
    // a lead byte always takes the next byte with it.
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = 0; i < filter.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(filter[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (lead && i + 1 < filter.size()) {
            current += filter[i];
            current += filter[++i];
        } else if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += filter[i];
        }
    }
    parts.push_back(current);

    std::vector<FileFilter> entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() || parts[i + 1].empty())
            break;
        entries.push_back({parts[i], parts[i + 1]});
    }
    return entries;
}

std::size_t SelectionBufferBytes(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return 1;
    if (paths.size() == 1)
        return paths.front().size() + 2;
    // The folder of the first path, then every name.
    const std::string& first = paths.front();
    const std::size_t cut = fileio::LastSeparator(first);
    const std::size_t folderLength = cut == std::string::npos ? 0 : cut;
    std::size_t bytes = folderLength + 1;
    for (const auto& p : paths) {
        const std::size_t sep = fileio::LastSeparator(p);
        bytes += (sep == std::string::npos ? p.size() : p.size() - sep - 1) + 1;
    }
    return bytes + 1;
}

}  // namespace corvane::platform
