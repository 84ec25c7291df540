#pragma once

#include <string>

namespace corvane::platform {

// The desktop shell.
class ShellService {
public:
    virtual ~ShellService() = default;
    // Held by reference in Services; never assigned.
    ShellService& operator=(const ShellService&) = delete;
    // Opens `path` (path encoding) with its associated program, the "open"
    // verb with no parameters and a normal window. False when no program
    // could be started for it (none associated, or the file missing); the
    // caller tells the user.
    virtual bool Open(const std::string& path) = 0;
};

}  // namespace corvane::platform
