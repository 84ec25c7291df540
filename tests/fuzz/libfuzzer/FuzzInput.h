#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What every libFuzzer harness shares: one input cut into the files it
// stands for, a folder to write them to, and the promise that aborts.
namespace corvane::fuzzing {

// Between the files of one input (seeds are files joined with it; the
// dictionaries hold it, so that the fuzzer makes and keeps it).
inline constexpr std::string_view kSeparator = "\n--8<--\n";

// The input cut at each separator into at most `count` parts, the last
// keeping the rest; parts the input lacks are "".
std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count);

// Aborts, naming the promise, when `promise` is false: libFuzzer keeps the
// input as a crash.
void Require(bool promise, const char* what);

// A folder of the process' own, made at the first call and removed at exit;
// each input writes its files over the last one's.
const std::string& WorkFolder();
// Writes `bytes` to `name` in the work folder; returns the path.
std::string WriteWorkFile(const std::string& name, const std::string& bytes);
// The whole file; "" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The names in `folder`, sorted; every entry, hidden ones too.
std::vector<std::string> FolderNames(const std::string& folder);

}  // namespace corvane::fuzzing
