#pragma once

#include <string>

#include "job/FolderExports.h"
#include "job/Job.h"
#include "platform/Messenger.h"

namespace corvane::job {

// What PlaceExports did.
struct Placement {
    std::string refusal;  // code page 932, naming the refused files; "" when every file was placed
    int months = 0;       // the salary months filled
    int bonuses = 0;      // the bonus slots filled
};

// Makes `exports` the job's files, as the employee, salary and bonus pages
// would take them: the employee list and its company, the salary files in
// the months their labels name, the bonus files in slots 1, 2, ... in their
// order. No earlier file stays beside them. When the exports make no job,
// the employee list is refused, or any salary or bonus file is refused,
// nothing of `job` changes and the refusal names the files.
Placement PlaceExports(const FolderExports& exports, Job& job, const platform::Messenger& messenger);
// The same with the job's checker (job/JobSteps.h).
Placement PlaceExports(const FolderExports& exports, Job& job, const platform::Messenger& messenger,
                       CSormaFileCheck& check);

}  // namespace corvane::job
