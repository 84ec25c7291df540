#pragma once

#include <string>
#include <utility>

#include "platform/SystemService.h"

namespace corvane::platform {

// The system services from the standard library (and, on Windows, the volume
// label from the system). Volume labels are unknown elsewhere.
class HostSystem final : public SystemService {
public:
    explicit HostSystem(std::string commandLine) : m_commandLine(std::move(commandLine)) {}

    std::string ExecutablePath() const override;
    bool FileExists(const std::string& path) const override;
    std::optional<std::string> VolumeLabel(const std::string& drive) const override;
    LocalDate Today() const override;
    std::string CommandLine() const override { return m_commandLine; }

private:
    std::string m_commandLine;
};

// The arguments after the program's name joined by single blanks, the form
// in which a Windows program receives its command line.
std::string JoinArguments(int argc, const char* const* argv);

}  // namespace corvane::platform
