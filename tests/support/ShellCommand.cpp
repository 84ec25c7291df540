#include "support/ShellCommand.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>

namespace corvane::test {

CommandResult RunCommand(const std::string& command)
{
    CommandResult run;
#ifdef _WIN32
    (void)command;
#else
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return run;
}

std::string XmllintProblems(const std::string& file)
{
    const CommandResult run = RunCommand("xmllint --noout '" + file + "'");
    if (run.status == 0 && run.output.empty())
        return std::string();
    return "xmllint " + std::to_string(run.status) + ": " + run.output;
}

}  // namespace corvane::test
