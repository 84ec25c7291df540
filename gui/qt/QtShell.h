#pragma once

#include <QStringList>

#include "platform/Shell.h"

namespace corvane::qt {

// Opens files with the desktop's default viewer. A missing file opens
// nothing (the desktop would otherwise show its own error). Scripted: the
// paths are recorded, nothing is started, and the answer is SetOpens's.
class QtShell final : public platform::ShellService {
public:
    bool Open(const std::string& path) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    void SetOpens(bool opens) { m_opens = opens; }
    const QStringList& Opened() const { return m_opened; }

private:
    bool m_scripted = false;
    bool m_opens = true;
    QStringList m_opened;
};

}  // namespace corvane::qt
