#pragma once

#include <string>

#include "job/CSyuukeiDataFile.h"
#include "platform/Messenger.h"

namespace corvane::job {

// What a step asked a file to be.
enum class Wanted { EmployeeList, Salary, Bonus };

// What a file that the identification checks refused is, in one sentence
// (code page 932): held by another slot, no export, an export that cannot be
// read, another kind of export, another company's, a month that no label
// names. "" when its bytes tell nothing more than the refusal. `employeeList`
// and `slots` are the job's; `slot` is the slot the file was asked for (-1:
// the employee list, or none).
std::string WhatRefusedFileIs(const std::string& path, Wanted wanted, const std::string& employeeList,
                              const SummarySlots& slots, int slot);

// The refused file's lines of a message: its display path, then `note`
// indented on a line of its own when there is one; each line ends in "\n".
std::string RefusedFileLines(const std::string& path, const std::string& note, const platform::Messenger& messenger);

}  // namespace corvane::job
