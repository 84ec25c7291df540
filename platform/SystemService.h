#pragma once

#include <optional>
#include <string>

// Process and system services that the wizard asks for. Paths are in the
// operating system's path encoding.
namespace corvane::platform {

struct LocalDate {
    int year = 0;   // e.g. 2014
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
};

class SystemService {
public:
    virtual ~SystemService() = default;
    // Held by reference in Services; never assigned.
    SystemService& operator=(const SystemService&) = delete;
    // The full path of the running program's own executable; "" when unknown.
    virtual std::string ExecutablePath() const = 0;
    // True when a regular file is at `path` (its status can be read).
    virtual bool FileExists(const std::string& path) const = 0;
    // The volume label of `drive` ("C:"); none when it cannot be read.
    // Path encoding.
    virtual std::optional<std::string> VolumeLabel(const std::string& drive) const = 0;
    virtual LocalDate Today() const = 0;
    // The command line after the program's name (the start parameter), as
    // the system passes it; "" when there is none.
    virtual std::string CommandLine() const = 0;
};

}  // namespace corvane::platform
