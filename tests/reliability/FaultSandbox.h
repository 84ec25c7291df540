#pragma once

#include <cstddef>
#include <map>
#include <string>

// What the fault tests need of the machine: small file systems that can be
// made read-only or full, a user that cannot read a file, and a record of
// every byte in a folder.
namespace corvane::reliability {

// A tmpfs of `bytes` mounted at `folder` (created), in a mount namespace of
// this process alone, so that no mount outlives the test whatever happens.
// Where the machine allows no mounts (a container without the privilege),
// Mounted() is false and Why() tells why.
class SmallFilesystem {
public:
    SmallFilesystem(const std::string& folder, std::size_t bytes);
    ~SmallFilesystem();
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& Why() const { return m_why; }
    bool MakeReadOnly();
    // Fills the free space with a filler file; true when not one byte more fits.
    bool Fill();

private:
    std::string m_folder;
    bool m_mounted = false;
    std::string m_why;
};

// While it lives, files are opened with the rights of an ordinary user (the
// file-system user id of this thread), even when the tests run as root.
class OrdinaryUser {
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    int m_previous = -1;
};

// Every file under `folder` with its bytes, and every folder ("<folder>"),
// by path relative to `folder`.
using Tree = std::map<std::string, std::string>;
Tree Snapshot(const std::string& folder);
// The differences, one line each; "" when the trees are equal.
std::string Differences(const Tree& before, const Tree& after);

// Writes `bytes` to `path`, replacing it; throws when it cannot.
void WriteBytes(const std::string& path, const std::string& bytes);

// The faults a test survived, printed for the run's summary.
void ReportFaults(int n);

}  // namespace corvane::reliability
