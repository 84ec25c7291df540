#include "job/SameContent.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <functional>
#include <optional>
#include <vector>

#include "fileio/FileStatus.h"
#include "fileio/OpenFile.h"

namespace corvane::job {

namespace {

std::optional<std::string> Bytes(const std::string& path)
{
    std::FILE* file = fileio::OpenForBlocks(path);
    if (!file)
        return std::nullopt;
    std::string bytes;
    std::vector<char> block(std::size_t{64} * 1024);
    // A short block is the end, or an error (told below).
    for (std::size_t n = block.size(); n == block.size();) {
        n = std::fread(block.data(), 1, block.size(), file);
        bytes.append(block.data(), n);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}

}  // namespace

std::vector<std::vector<std::string>> SameContentGroups(const std::vector<std::string>& paths)
{
    // Only files of one size can hold the same bytes: most files are read not at all.
    std::map<std::uint64_t, std::vector<std::size_t>> bySize;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const auto info = fileio::Status(paths[i]);
        if (info && info->isRegular)
            bySize[info->size].push_back(i);
    }
    // Groups by the index of their first path. Files are hashed one at a
    // time and compared two at a time, so that large exports of one size are
    // never all held at once.
    std::map<std::size_t, std::vector<std::string>> groups;
    for (const auto& [size, indexes] : bySize) {
        if (indexes.size() < 2)
            continue;
        std::map<std::size_t, std::vector<std::size_t>> firstsByHash;  // the first path of each content
        for (const std::size_t i : indexes) {
            const auto bytes = Bytes(paths[i]);
            if (!bytes)
                continue;
            auto& firsts = firstsByHash[std::hash<std::string>{}(*bytes)];
            const auto same = std::find_if(firsts.begin(), firsts.end(),
                                           [&](std::size_t first) { return Bytes(paths[first]) == bytes; });
            const std::size_t first = same == firsts.end() ? firsts.emplace_back(i) : *same;
            groups[first].push_back(paths[i]);
        }
    }
    std::vector<std::vector<std::string>> same;
    for (auto& [first, group] : groups) {
        if (group.size() > 1)
            same.push_back(std::move(group));
    }
    return same;
}

std::vector<preflight::Finding> SameContentFindings(const std::vector<std::string>& paths,
                                                    const platform::Messenger& messenger)
{
    std::vector<preflight::Finding> findings;
    for (const auto& group : SameContentGroups(paths)) {
        for (std::size_t i = 1; i < group.size(); ++i) {
            preflight::Finding finding;
            finding.kind = preflight::FindingKind::SameContent;
            finding.level = preflight::Level::MustFix;
            finding.file = group[i];
            finding.count = 1;
            finding.text = "「" + messenger.DisplayPath(group.front()) + "」と同じ内容です。";
            finding.outcome = "同じ支給が2回数えられ、この支給を受けた従業員の金額が2倍になる";
            finding.fix = "どちらか一方だけを指定してください。";
            findings.push_back(std::move(finding));
        }
    }
    return findings;
}

}  // namespace corvane::job
