#pragma once

#include <string>
#include <vector>

namespace corvane::bench {

// The least that any conversion of these files must cost: reading every
// input once and writing an output of the same size the way the writer does.
struct FloorRun {
    bool ok = false;
    double readSeconds = 0;
    double writeSeconds = 0;
    long long bytesRead = 0;
    double Seconds() const { return readSeconds + writeSeconds; }
};

// Reads every file whole in 64 KiB blocks (as the reader does), then writes
// `outputBytes` bytes to a new temporary file next to `target` in 64 KiB
// blocks, flushes, fsyncs, closes and renames it over `target` (as the
// writer's atomic file does).
FloorRun MeasureIoFloor(const std::vector<std::string>& inputs, const std::string& target, long long outputBytes);

}  // namespace corvane::bench
