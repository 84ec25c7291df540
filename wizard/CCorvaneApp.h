#pragma once

#include <ostream>
#include <string>

#include "platform/CallerWindow.h"
#include "platform/Services.h"

namespace corvane {

// The start parameter "%d,%d,%d,path": caller window, message number, function
// id and output path. The path is the rest of the line, so it may hold blanks.
struct StartParameter {
    platform::WindowHandle callerWindow = platform::kNoWindow;
    int messageNumber = 0;
    int functionId = 0;
    std::string outputPath;
};

// The application: reads the start parameter, shows the wizard once and
// answers the caller when it closes. A front end's main() is
//     CCorvaneApp app(services, std::cout);
//     return app.Run();
class CCorvaneApp {
public:
    // `out` receives the COM failure text; the caller's reply goes through
    // services.callerWindow.
    CCorvaneApp(const platform::Services& services, std::ostream& out);

    // The whole run: InitInstance, then ExitInstance. Returns the exit code:
    // 0, or 1 when COM could not be initialised.
    int Run();

    // Start-up; shows the wizard and returns false (no message loop follows).
    bool InitInstance();
    int ExitInstance();

    // The start parameter of `commandLine`; none when not all four fields
    // convert, when a number does not fit 32 bits or when the path is longer
    // than 259 bytes. The path is everything after the third comma, trimmed,
    // without the double quotes around it when the caller quoted it.
    static bool ParseStartParameter(const std::string& commandLine, StartParameter& out);

    platform::WindowHandle CallerWindow() const { return m_callerWindow; }
    int MessageNumber() const { return m_messageNumber; }
    int FunctionId() const { return m_functionId; }
    const std::string& StartupPath() const { return m_startupPath; }

private:
    const platform::Services& m_services;
    std::ostream& m_out;
    platform::WindowHandle m_callerWindow = platform::kNoWindow;
    int m_messageNumber = 0;
    int m_functionId = 0;
    std::string m_startupPath;
    bool m_comInitialised = false;
    bool m_comFailed = false;
};

}  // namespace corvane
