#pragma once

#include <string>

// Linux tools run from the tests (xmllint); on Windows nothing runs and the
// tests that need them skip.
namespace corvane::test {

struct CommandResult {
    int status = -1;  // the exit status; -1 when it did not run or exit
    std::string output;
};
// Runs a shell command, standard error joined to the output.
CommandResult RunCommand(const std::string& command);

// xmllint's verdict on the file: "" when it is well-formed, else its output.
std::string XmllintProblems(const std::string& file);

}  // namespace corvane::test
