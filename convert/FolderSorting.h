#pragma once

#include "job/FolderExports.h"
#include "platform/Messenger.h"

namespace corvane::convert {

// Lists the files that are left out and the bonus files placed by name, and
// shows the refusal, if any; false when the folder makes no job.
bool ReportSorting(const job::FolderExports& sorted, const platform::Messenger& messenger);

}  // namespace corvane::convert
