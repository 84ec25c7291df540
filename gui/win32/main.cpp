#include <windows.h>
#include <commctrl.h>

#include <iostream>

#include "Win32FileDialogs.h"
#include "Win32MessageBox.h"
#include "Win32Services.h"
#include "Win32WizardHost.h"
#include "platform/HostSystem.h"
#include "wizard/CCorvaneApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    corvane::win32::Win32MessageBox messageBox;
    corvane::win32::Win32FileDialogs fileDialogs;
    corvane::win32::Win32WaitCursor waitCursor;
    corvane::win32::Win32Shell shell;
    corvane::win32::Win32CallerWindow callerWindow;
    corvane::win32::Win32Com com;
    corvane::win32::Win32WizardHost wizardHost(instance);
    // The start parameter is the command line after the program's name.
    corvane::platform::HostSystem system(commandLine ? commandLine : "");

    // Paths are code page 932 here already: no codec.
    const corvane::platform::Services services{messageBox, fileDialogs, waitCursor, shell,     system,
                                               callerWindow, com,       wizardHost, nullptr};
    corvane::CCorvaneApp app(services, std::cout);
    return app.Run();
}
