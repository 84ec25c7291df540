#include "fileio/StatusMemo.h"

namespace corvane::fileio {

namespace {

// The batch converts companies on several threads: each has its own memo.
thread_local StatusMemo* t_memo = nullptr;

}  // namespace

StatusMemo::StatusMemo()
{
    if (!t_memo) {
        t_memo = this;
        m_owner = true;
    }
}

StatusMemo::~StatusMemo()
{
    if (m_owner)
        t_memo = nullptr;
}

const PathStat* StatusMemo::Find(const std::string& path)
{
    if (!t_memo)
        return nullptr;
    const auto it = t_memo->m_stats.find(path);
    return it == t_memo->m_stats.end() ? nullptr : &it->second;
}

void StatusMemo::Keep(const std::string& path, const PathStat& stat)
{
    if (t_memo)
        t_memo->m_stats.insert_or_assign(path, stat);
}

const std::filesystem::path* StatusMemo::FindNormal(const std::filesystem::path& path)
{
    if (!t_memo)
        return nullptr;
    const auto it = t_memo->m_normal.find(path.native());
    return it == t_memo->m_normal.end() ? nullptr : &it->second;
}

void StatusMemo::KeepNormal(const std::filesystem::path& path, const std::filesystem::path& normal)
{
    if (t_memo)
        t_memo->m_normal.insert_or_assign(path.native(), normal);
}

}  // namespace corvane::fileio
