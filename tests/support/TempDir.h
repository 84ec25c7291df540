#pragma once

#include <string>

namespace corvane::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of `name` inside the folder.
    std::string File(const std::string& name) const;
    // Writes `bytes` exactly as given to `name` and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    // Names of the entries of the folder, sorted.
    std::string Listing() const;

private:
    std::string m_path;
};

std::string ReadFileBytes(const std::string& path);

}  // namespace corvane::test
