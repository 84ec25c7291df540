#include "reliability/FaultSandbox.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/TempDir.h"

namespace corvane::reliability {

namespace {

// Once per process: a private mount namespace.
bool OwnMountNamespace(std::string& why)
{
    static std::string failure;
    static const bool entered = [] {
        if (::unshare(CLONE_NEWNS) != 0) {
            failure = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
            return false;
        }
        // Mounts made here must not reach the rest of the machine.
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            failure = std::string("making / private: ") + std::strerror(errno);
            return false;
        }
        return true;
    }();
    why = failure;
    return entered;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

SmallFilesystem::SmallFilesystem(const std::string& folder, std::size_t bytes) : m_folder(folder)
{
    std::filesystem::create_directories(folder);
    if (!OwnMountNamespace(m_why))
        return;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (::mount("corvane-test", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        m_why = std::string("mount -t tmpfs: ") + std::strerror(errno);
        return;
    }
    m_mounted = true;
}

SmallFilesystem::~SmallFilesystem()
{
    if (m_mounted)
        ::umount2(m_folder.c_str(), MNT_DETACH);
}

bool SmallFilesystem::MakeReadOnly()
{
    return m_mounted && ::mount("corvane-test", m_folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool SmallFilesystem::Fill()
{
    if (!m_mounted)
        return false;
    const std::string filler = m_folder + "/filler.bin";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const std::string block(4096, 'f');
    while (WriteAll(fd, block.data(), block.size())) {
    }
    // The last page may still take a few bytes.
    while (WriteAll(fd, "f", 1)) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

OrdinaryUser::OrdinaryUser()
{
    // Root reads any file; with a file-system user id other than 0 the
    // kernel drops that right for this thread.
    if (::geteuid() == 0)
        m_previous = ::setfsuid(65534);
}

OrdinaryUser::~OrdinaryUser()
{
    if (m_previous >= 0)
        ::setfsuid(static_cast<uid_t>(m_previous));
}

Tree Snapshot(const std::string& folder)
{
    Tree tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = std::filesystem::relative(entry.path(), folder).string();
        tree[relative] = entry.is_directory() ? std::string("<folder>") : test::ReadFileBytes(entry.path().string());
    }
    return tree;
}

std::string Differences(const Tree& before, const Tree& after)
{
    std::string report;
    for (const auto& [path, bytes] : before) {
        const auto found = after.find(path);
        if (found == after.end())
            report += "lost: " + path + "\n";
        else if (found->second != bytes)
            report += "changed: " + path + " (" + std::to_string(bytes.size()) + " -> " +
                      std::to_string(found->second.size()) + " bytes)\n";
    }
    for (const auto& entry : after) {
        if (!before.count(entry.first))
            report += "new: " + entry.first + "\n";
    }
    return report;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void ReportFaults(int n)
{
    ::testing::Test::RecordProperty("faults", std::to_string(n));
    std::printf("faults survived: %d\n", n);
}

}  // namespace corvane::reliability
