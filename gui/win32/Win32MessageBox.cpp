#include "Win32MessageBox.h"

#include <windows.h>

#include "Win32FindingsDialog.h"
#include "Win32Services.h"
#include "Win32Text.h"

namespace corvane::win32 {

namespace {

UINT IconFlags(platform::Icon icon)
{
    switch (icon) {
    case platform::Icon::None:
        return 0;
    case platform::Icon::Information:
        return MB_ICONINFORMATION;
    case platform::Icon::Warning:
        return MB_ICONWARNING;
    case platform::Icon::Exclamation:
        return MB_ICONEXCLAMATION;
    case platform::Icon::Error:
        return MB_ICONERROR;
    case platform::Icon::Question:
        return MB_ICONQUESTION;
    }
    return 0;
}

UINT ButtonFlags(platform::Buttons buttons)
{
    switch (buttons) {
    case platform::Buttons::Ok:
        return MB_OK;
    case platform::Buttons::OkCancel:
        return MB_OKCANCEL;
    case platform::Buttons::YesNo:
        // Going on despite a warning is a choice, not what Enter does.
        return MB_YESNO | MB_DEFBUTTON2;
    }
    return MB_OK;
}

platform::Answer AnswerOf(int id)
{
    switch (id) {
    case IDOK:
        return platform::Answer::Ok;
    case IDYES:
        return platform::Answer::Yes;
    case IDNO:
        return platform::Answer::No;
    default:
        return platform::Answer::Cancel;
    }
}

}  // namespace

platform::Answer Win32MessageBox::ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                              platform::Buttons buttons)
{
    DropInputWhileBusy();
    const UINT flags = IconFlags(icon) | ButtonFlags(buttons);
    return AnswerOf(MessageBoxW(GetActiveWindow(), TextToWide(text).c_str(), TextToWide(caption).c_str(), flags));
}

platform::Answer Win32MessageBox::ShowFindings(const platform::FindingsBox& box)
{
    DropInputWhileBusy();
    if (const auto answer = ShowFindingsDialog(box))
        return *answer;
    return MessageBoxService::ShowFindings(box);
}

void Win32MessageBox::DropInputWhileBusy() const
{
    if (m_waitCursor.Busy())
        DiscardQueuedInput();
}

}  // namespace corvane::win32
