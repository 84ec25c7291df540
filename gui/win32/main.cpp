#include <windows.h>
#include <commctrl.h>

#include <iostream>

#include "Win32FileDialogs.h"
#include "Win32MessageBox.h"
#include "Win32Services.h"
#include "Win32WizardHost.h"
#include "fileio/OpenFile.h"
#include "platform/HostSystem.h"
#include "platform/TextCodec.h"
#include "wizard/CCorvaneApp.h"

namespace {

// The command line after the program's name, in UTF-8 like every path: the
// ANSI form would lose a path's characters outside the ANSI code page.
std::string ParameterLine()
{
    const wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        for (++line; *line && *line != L'"'; ++line) {
        }
        if (*line)
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return corvane::fileio::Utf8Path(line);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    corvane::win32::Win32WaitCursor waitCursor;
    corvane::win32::Win32MessageBox messageBox(waitCursor);
    corvane::win32::Win32FileDialogs fileDialogs;
    corvane::win32::Win32Shell shell;
    corvane::win32::Win32CallerWindow callerWindow;
    corvane::win32::Win32Com com;
    corvane::win32::Win32WizardHost wizardHost(instance);
    corvane::platform::HostSystem system(ParameterLine());

    // Paths are UTF-8, texts code page 932: the codec goes between them.
    const corvane::platform::Services services{messageBox, fileDialogs, waitCursor,
                                               shell,      system,      callerWindow,
                                               com,        wizardHost,  &corvane::platform::SystemTextCodec()};
    corvane::CCorvaneApp app(services, std::cout);
    return app.Run();
}
