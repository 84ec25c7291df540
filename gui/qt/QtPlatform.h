#pragma once

#include <QStringList>
#include <ostream>
#include <string>

#include "gui/qt/QtFileDialogs.h"
#include "gui/qt/QtMessageBox.h"
#include "gui/qt/QtShell.h"
#include "gui/qt/QtWaitCursor.h"
#include "gui/qt/QtWizardHost.h"
#include "platform/Com.h"
#include "platform/HostSystem.h"
#include "platform/Services.h"
#include "platform/StreamCallerWindow.h"

namespace corvane::qt {

// The platform of the desktop program: Qt's windows and dialogs, the host's
// system services, and the reply to the caller as a line on `reply` (the
// desktop has no window handles to post to).
class QtPlatform {
public:
    // `commandLine`: the start parameter, as the system passed it.
    QtPlatform(std::string commandLine, std::ostream& reply);

    // For CCorvaneApp; keep the value for as long as the application runs.
    platform::Services Services();

    // Tests and the screenshot tool: a system of their own (where the
    // program lies, today's date), and scripted answers for every dialog.
    void UseSystem(platform::SystemService& system) { m_system = &system; }
    void Script();

    QtMessageBox& MessageBoxes() { return m_messageBox; }
    QtFileDialogs& FileDialogs() { return m_fileDialogs; }
    QtShell& Shell() { return m_shell; }
    QtWaitCursor& WaitCursor() { return m_waitCursor; }
    QtWizardHost& Host() { return m_host; }
    // The faults of every scripted seam.
    QStringList Faults() const;

private:
    QtMessageBox m_messageBox;
    QtFileDialogs m_fileDialogs;
    QtWaitCursor m_waitCursor;
    QtShell m_shell;
    platform::HostSystem m_hostSystem;
    platform::SystemService* m_system;
    platform::StreamCallerWindow m_callerWindow;
    platform::NoComService m_com;
    QtWizardHost m_host;
};

}  // namespace corvane::qt
