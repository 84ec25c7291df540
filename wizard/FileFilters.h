#pragma once

#include <string>

namespace corvane {

// Filters of the wizard's file dialogs, in "description|patterns|...||" form.
const std::string& ExportFileFilter();        // TXT files, then all files
const std::string& IntermediateFileFilter();  // XML files, then all files
// The type that a file dialog's detail view shows for a folder.
const std::string& FolderTypeName();

}  // namespace corvane
