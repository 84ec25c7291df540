#pragma once

#include <string>

#include "platform/HostSystem.h"

namespace corvane::qt {

// The host's file status, but the program's place, the date and the start
// parameter as given: the settings file and the guides then lie in a folder
// of the caller's choosing, and the default filing year is fixed.
class SandboxSystem final : public platform::SystemService {
public:
    SandboxSystem(std::string executablePath, platform::LocalDate today, std::string commandLine = std::string())
        : m_host(commandLine), m_executablePath(std::move(executablePath)), m_today(today)
    {}

    std::string ExecutablePath() const override { return m_executablePath; }
    bool FileExists(const std::string& path) const override { return m_host.FileExists(path); }
    std::optional<std::string> VolumeLabel(const std::string&) const override { return std::nullopt; }
    platform::LocalDate Today() const override { return m_today; }
    std::string CommandLine() const override { return m_host.CommandLine(); }

private:
    platform::HostSystem m_host;
    std::string m_executablePath;
    platform::LocalDate m_today;
};

}  // namespace corvane::qt
