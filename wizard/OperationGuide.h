#pragma once

#include <string>

#include "platform/Services.h"

namespace corvane {

// The operation guides next to the program.
const std::string& EmployeeListGuideName();  // "OperationGuide1.PDF"
const std::string& SummaryGuideName();       // "OperationGuide2.PDF"

// The guide's path: the executable's folder with its separator, then `name`
// (just `name` when the executable's path has no separator).
std::string OperationGuidePath(const std::string& executablePath, const std::string& name);

// Opens the guide with the shell; nothing is shown when that fails.
void OpenOperationGuide(const platform::Services& services, const std::string& name);

}  // namespace corvane
