#include "FuzzInput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "support/TempDir.h"

namespace corvane::fuzzing {

std::vector<std::string> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(kSeparator, from);
        if (at == std::string_view::npos)
            break;
        parts.emplace_back(input.substr(from, at - from));
        from = at + kSeparator.size();
    }
    parts.emplace_back(input.substr(std::min(from, input.size())));
    parts.resize(count);
    return parts;
}

void Require(bool promise, const char* what)
{
    if (!promise) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

const std::string& WorkFolder()
{
    // Never destroyed before exit: the harness runs until the process ends.
    static const auto folder = std::make_unique<test::TempDir>();
    return folder->Path();
}

std::string WriteWorkFile(const std::string& name, const std::string& bytes)
{
    const std::string path = WorkFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out.flush()), "the harness wrote its input file");
    return path;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace corvane::fuzzing
