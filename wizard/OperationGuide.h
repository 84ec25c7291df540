#pragma once

#include <string>
#include <vector>

#include "platform/Messenger.h"
#include "platform/Services.h"

namespace corvane {

// The operation guides next to the program.
const std::string& EmployeeListGuideName();  // "OperationGuide1.PDF"
const std::string& SummaryGuideName();       // "OperationGuide2.PDF"

// The guide's path: the executable's folder with its separator, then `name`
// (just `name` when the executable's path has no separator).
std::string OperationGuidePath(const std::string& executablePath, const std::string& name);

// Where the guide is looked for, in order: next to the program, then (not on
// Windows) the data folder of an installed program, <prefix>/share/corvane/.
std::vector<std::string> OperationGuideCandidates(const std::string& executablePath, const std::string& name);

// The warning when no program opened the guide at `path`.
std::string GuideNotOpenedMessage(const std::string& path, const platform::Messenger& messenger);

// Opens the first guide found with the shell; when there is none, a warning
// names the file that is missing next to the program, and when no program
// opens it, a warning names the guide.
void OpenOperationGuide(const platform::Services& services, const platform::Messenger& messenger,
                        const std::string& name);

}  // namespace corvane
