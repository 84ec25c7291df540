#pragma once

#include <string>
#include <vector>

namespace corvane::bench {

// What one finished child process cost, by the operating system's own accounting.
struct ChildRun {
    int exitCode = -1;           // -1 when it did not exit normally or could not be started
    double wallSeconds = 0;      // from just before the fork to the reaping
    long long peakRssBytes = 0;  // the child's own peak resident set (wait4), not its parent's
    std::string output;          // what it wrote on stdout and stderr
};

// Runs `argv[0]` (a path) with the arguments and waits for it. Its stdout
// and stderr go to `outputFile`, which is read back into `output`.
ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputFile);

}  // namespace corvane::bench
