#pragma once

#include <string>
#include <vector>

namespace corvane::bench {

// What one finished child process cost, by the operating system's own accounting.
struct ChildRun {
    int exitCode = -1;           // -1 when it did not exit normally or could not be started
    double wallSeconds = 0;      // from just before the fork to the reaping
    long long peakRssBytes = 0;  // the child's own peak resident set (wait4), not its parent's
    double cpuSeconds = 0;       // user + system time of all its threads (wait4)
    long fsyncs = -1;            // its fsync and fdatasync calls; -1 when not counted
    std::string output;          // what it wrote on stdout and stderr
};

// Runs `argv[0]` (a path) with the arguments and waits for it. Its stdout
// and stderr go to `outputFile`, which is read back into `output`; its fsync
// calls are counted by the library CORVANE_FSYNC_COUNTER_PATH, preloaded.
ChildRun RunChild(const std::vector<std::string>& argv, const std::string& outputFile);

}  // namespace corvane::bench
