#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace corvane::fileio {

// What one stat of a path said, as the status functions need it.
struct PathStat {
    bool there = false;
    bool missing = false;  // not there, and no error but its absence
    bool isDirectory = false;
    bool isRegular = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::uint64_t device = 0;
    std::uint64_t file = 0;
};

// While one lives on a thread, every status function asks the system about a
// path once on that thread and answers again from that. The checks of one
// company's files, made within a moment, ask the same files hundreds of
// times; each call costs a path walk in the kernel. The same holds for a
// path made absolute and normal, a walk of its folders. Only for stretches
// that write no file and change no folder: what the memo holds is never
// brought up to date. A memo made while another lives on the thread does
// nothing. Statuses only on POSIX: on Windows they are asked each time.
class StatusMemo {
public:
    StatusMemo();
    ~StatusMemo();
    StatusMemo(const StatusMemo&) = delete;
    StatusMemo& operator=(const StatusMemo&) = delete;

    // The remembered stat of `path`, or nullptr when none lives or it holds none.
    static const PathStat* Find(const std::string& path);
    // Keeps `stat` for `path` in the thread's living memo, if any.
    static void Keep(const std::string& path, const PathStat& stat);
    // The same for a path made absolute and normal.
    static const std::filesystem::path* FindNormal(const std::filesystem::path& path);
    static void KeepNormal(const std::filesystem::path& path, const std::filesystem::path& normal);

private:
    bool m_owner = false;
    std::map<std::string, PathStat> m_stats;
    std::map<std::filesystem::path::string_type, std::filesystem::path> m_normal;
};

}  // namespace corvane::fileio
