#include "gui/qt/QtPlatform.h"

#include "platform/TextCodec.h"

namespace corvane::qt {

QtPlatform::QtPlatform(std::string commandLine, std::ostream& reply)
    : m_hostSystem(std::move(commandLine)), m_system(&m_hostSystem), m_callerWindow(reply)
{}

platform::Services QtPlatform::Services()
{
    return platform::Services{m_messageBox, m_fileDialogs, m_waitCursor,
                              m_shell,      *m_system,     m_callerWindow,
                              m_com,        m_host,        &platform::SystemTextCodec()};
}

void QtPlatform::Script()
{
    m_messageBox.SetScripted(true);
    m_fileDialogs.SetScripted(true);
    m_shell.SetScripted(true);
    m_host.SetScripted(true);
}

QStringList QtPlatform::Faults() const
{
    return m_messageBox.Faults() + m_fileDialogs.Faults() + m_host.Faults();
}

}  // namespace corvane::qt
