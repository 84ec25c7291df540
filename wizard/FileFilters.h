#pragma once

#include <string>

namespace corvane {

// Filters of the wizard's file dialogs, in "description|patterns|...||" form.
const std::string& ExportFileFilter();        // TXT files, then all files
const std::string& IntermediateFileFilter();  // XML files, then all files

}  // namespace corvane
