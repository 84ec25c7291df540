#pragma once

#include <QStringList>

#include "platform/Shell.h"

namespace corvane::qt {

// Opens files with the desktop's default viewer. A missing file opens
// nothing (the desktop would otherwise show its own error). Scripted: the
// paths are recorded and nothing is started.
class QtShell final : public platform::ShellService {
public:
    void Open(const std::string& path) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    const QStringList& Opened() const { return m_opened; }

private:
    bool m_scripted = false;
    QStringList m_opened;
};

}  // namespace corvane::qt
