#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fileio/FileStatus.h"
#include "platform/Messenger.h"

namespace corvane::convert {

// What a batch writes besides the companies' files.
struct BatchPaths {
    std::string root;                    // --batch
    std::vector<std::string> companies;  // the company folders in it (paths)
    std::string outDir;
    std::string settings;                // the settings file in use
    std::optional<std::string> summary;  // --summary
};

// Before a batch reads anything: the usage error when it would write over the
// companies' exports or into their folders (an --out-dir inside ROOT, a
// settings file or summary inside a company folder), or the summary would
// replace the settings file; "" when none does.
std::string BatchPathsMessage(const BatchPaths& paths, const platform::Messenger& messenger);

// Once the output names are chosen, before anything is written: whether the
// summary or the settings file is one of the companies' output files, their
// status asked once for all the companies.
class OutputClash {
public:
    explicit OutputClash(const BatchPaths& paths);
    // The usage error when `output` (a full path, "" for none) is the summary
    // or the settings file; "" when it is neither.
    std::string MessageFor(const std::string& output, const platform::Messenger& messenger) const;

private:
    std::optional<fileio::StatedPath> m_summary;
    fileio::StatedPath m_settings;
};

}  // namespace corvane::convert
