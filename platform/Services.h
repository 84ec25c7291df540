#pragma once

#include "platform/CallerWindow.h"
#include "platform/Com.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/SystemService.h"
#include "platform/TextCodec.h"
#include "platform/WaitCursor.h"
#include "platform/WizardHost.h"

namespace corvane::platform {

// Everything the wizard application uses of its platform, handed to it by the
// front end's main() (or by a test). All must outlive the application.
struct Services {
    MessageBoxService& messageBox;
    FileDialogService& fileDialogs;
    WaitCursorService& waitCursor;
    ShellService& shell;
    SystemService& system;
    CallerWindowService& callerWindow;
    ComService& com;
    WizardHost& wizardHost;
    // Converts paths for messages and names typed into fields; nullptr where
    // paths are already code page 932 (Windows, tests).
    const TextCodec* codec = nullptr;
};

}  // namespace corvane::platform
