#include "Win32MessageBox.h"

#include <windows.h>

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

}  // namespace

platform::Answer Win32MessageBox::ShowMessage(const std::string& caption, const std::string& text,
                                              platform::Icon icon, platform::Buttons buttons)
{
    const UINT flags = IconFlags(icon) | (buttons == platform::Buttons::OkCancel ? MB_OKCANCEL : MB_OK);
    const int answer = MessageBoxW(GetActiveWindow(), TextToWide(text).c_str(), TextToWide(caption).c_str(), flags);
    return answer == IDOK ? platform::Answer::Ok : platform::Answer::Cancel;
}

}  // namespace corvane::win32
