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
    // verb with no parameters and a normal window. Failures are ignored:
    // nothing is shown when the file or a viewer is missing.
    virtual void Open(const std::string& path) = 0;
};

}  // namespace corvane::platform
