#pragma once

#include <string>
#include <vector>

#include "platform/Messenger.h"
#include "preflight/Finding.h"

// Two exports with the same bytes in one job are one payment handed over
// twice: a copy of a bonus file would count that bonus twice.
namespace corvane::job {

// The groups of `paths` whose files hold the same bytes, two or more paths
// each, in the order of `paths`; a file that cannot be read is in none.
std::vector<std::vector<std::string>> SameContentGroups(const std::vector<std::string>& paths);

// One finding for each file whose bytes an earlier one of `paths` holds too.
std::vector<preflight::Finding> SameContentFindings(const std::vector<std::string>& paths,
                                                    const platform::Messenger& messenger);

}  // namespace corvane::job
