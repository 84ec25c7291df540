#include "wizard/CCorvaneApp.h"

#include <climits>
#include <string_view>

#include "job/Job.h"
#include "platform/Messenger.h"
#include "text/AsciiSpace.h"
#include "wizard/CVdWizSheet.h"

namespace corvane {

namespace {

// The caller's output path field holds 260 bytes with its terminator.
constexpr std::size_t kMaxStartupPathBytes = 259;

void SkipSpace(const std::string& s, std::size_t& pos)
{
    while (pos < s.size() && text::IsAsciiSpace(s[pos]))
        ++pos;
}

// A "%d" field: optional white space and sign, then digits. A number that
// does not fit 32 bits does not convert.
bool ScanInt(const std::string& s, std::size_t& pos, int& out)
{
    SkipSpace(s, pos);
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        negative = s[pos++] == '-';
    const std::size_t digitsStart = pos;
    long long value = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        value = value * 10 + (s[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return false;
        ++pos;
    }
    if (pos == digitsStart)
        return false;
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool ScanComma(const std::string& s, std::size_t& pos)
{
    if (pos >= s.size() || s[pos] != ',')
        return false;
    ++pos;
    return true;
}

// The output path: the whole rest of the line, without the blanks around it
// and without the double quotes around it when the caller quoted it. A path
// such as C:\Users\山田 太郎\… holds blanks, so a word would cut it.
bool ScanRest(const std::string& s, std::size_t pos, std::string& out)
{
    std::string_view rest = text::Trim(std::string_view(s).substr(pos));
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"')
        rest = rest.substr(1, rest.size() - 2);
    if (rest.empty())
        return false;
    out.assign(rest);
    return true;
}

}  // namespace

CCorvaneApp::CCorvaneApp(const platform::Services& services, std::ostream& out) : m_services(services), m_out(out) {}

bool CCorvaneApp::ParseStartParameter(const std::string& commandLine, StartParameter& out)
{
    std::size_t pos = 0;
    int window = 0;
    StartParameter p;
    if (!ScanInt(commandLine, pos, window) || !ScanComma(commandLine, pos) ||
        !ScanInt(commandLine, pos, p.messageNumber) || !ScanComma(commandLine, pos) ||
        !ScanInt(commandLine, pos, p.functionId) || !ScanComma(commandLine, pos) ||
        !ScanRest(commandLine, pos, p.outputPath))
        return false;
    if (p.outputPath.size() > kMaxStartupPathBytes)
        return false;
    p.callerWindow = window;
    out = p;
    return true;
}

int CCorvaneApp::Run()
{
    InitInstance();
    const int code = ExitInstance();
    return m_comFailed ? 1 : code;
}

bool CCorvaneApp::InitInstance()
{
    if (!m_services.com.Initialize()) {
        m_comFailed = true;
        m_out << "ERROR - Could not initialize COM library\n";
        m_out.flush();
        return false;
    }
    m_comInitialised = true;

    StartParameter parameter;
    const bool started = ParseStartParameter(m_services.system.CommandLine(), parameter);
    if (started) {
        m_callerWindow = parameter.callerWindow;
        m_messageNumber = parameter.messageNumber;
        m_functionId = parameter.functionId;
        m_startupPath = parameter.outputPath;
        if (m_functionId != job::kStartedByCaller)
            return false;
    } else {
        m_functionId = job::kStartedByUser;
    }

    // A handle that names no window (a made-up number in a shortcut, a caller
    // that has closed): the wizard opens on its own, its output still fixed.
    const bool callerShown = started && m_services.callerWindow.Exists(m_callerWindow);
    const platform::WindowHandle parent = callerShown ? m_callerWindow : platform::kNoWindow;
    CVdWizSheet sheet(m_services, platform::AppTitle(), parent, 0);
    sheet.Job().functionId = m_functionId;
    if (started)
        sheet.Job().outputPath = m_startupPath;
    if (callerShown)
        m_services.callerWindow.Disable(m_callerWindow);

    const platform::WizardResult result = m_services.wizardHost.RunWizard(sheet, parent);

    // The handle of a caller that closed may since name another window.
    if (callerShown && m_services.callerWindow.Exists(m_callerWindow)) {
        const std::intptr_t cancelled = result == platform::WizardResult::Cancelled ? 1 : 0;
        m_services.callerWindow.Post(m_callerWindow, m_messageNumber, m_functionId, cancelled);
        m_services.callerWindow.BringToForeground(m_callerWindow);
        m_services.callerWindow.Enable(m_callerWindow);
    }
    return false;
}

int CCorvaneApp::ExitInstance()
{
    if (m_comInitialised) {
        m_services.com.Uninitialize();
        m_comInitialised = false;
    }
    return 0;
}

}  // namespace corvane
