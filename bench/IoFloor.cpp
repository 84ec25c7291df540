#include "bench/IoFloor.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "bench/Clock.h"

namespace corvane::bench {

namespace {

constexpr std::size_t kBlock = 64 * 1024;

bool ReadWhole(const std::string& path, std::vector<char>& block, long long& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::size_t n = 0;
    while ((n = std::fread(block.data(), 1, block.size(), file)) > 0)
        bytes += static_cast<long long>(n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteReplacing(const std::string& target, long long size, const std::vector<char>& block)
{
    const std::string temp = target + ".floor.tmp";
    std::remove(temp.c_str());  // left by a run that was stopped
    std::FILE* file = std::fopen(temp.c_str(), "wbx");
    if (!file)
        return false;
    bool ok = true;
    for (long long left = size; ok && left > 0;) {
        const std::size_t n =
            left < static_cast<long long>(block.size()) ? static_cast<std::size_t>(left) : block.size();
        ok = std::fwrite(block.data(), 1, n, file) == n;
        left -= static_cast<long long>(n);
    }
    ok = ok && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

}  // namespace

FloorRun MeasureIoFloor(const std::vector<std::string>& inputs, const std::string& target, long long outputBytes)
{
    FloorRun run;
    std::vector<char> block(kBlock, ' ');
    double start = MonotonicSeconds();
    for (const auto& path : inputs) {
        if (!ReadWhole(path, block, run.bytesRead))
            return run;
    }
    run.readSeconds = MonotonicSeconds() - start;

    // XML-like bytes: blanks and a line end now and then, as the document has.
    for (std::size_t i = 79; i < block.size(); i += 80)
        block[i] = '\n';
    start = MonotonicSeconds();
    run.ok = WriteReplacing(target, outputBytes, block);
    run.writeSeconds = MonotonicSeconds() - start;
    return run;
}

}  // namespace corvane::bench
