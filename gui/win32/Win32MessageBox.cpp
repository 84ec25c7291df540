#include "Win32MessageBox.h"

#include <windows.h>
#include <commctrl.h>

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

PCWSTR TaskDialogIcon(platform::Icon icon)
{
    switch (icon) {
    case platform::Icon::Information:
        return TD_INFORMATION_ICON;
    case platform::Icon::Warning:
    case platform::Icon::Exclamation:
    case platform::Icon::Question:
        return TD_WARNING_ICON;
    case platform::Icon::Error:
        return TD_ERROR_ICON;
    case platform::Icon::None:
        break;
    }
    return nullptr;
}

using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// The task dialog exists only in version 6 of the common controls, which
// the manifest asks for; without it the details go into a plain message box.
TaskDialogIndirectFunction FindTaskDialog()
{
    const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    return controls ? reinterpret_cast<TaskDialogIndirectFunction>(GetProcAddress(controls, "TaskDialogIndirect"))
                    : nullptr;
}

}  // namespace

platform::Answer Win32MessageBox::ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                              platform::Buttons buttons)
{
    const UINT flags = IconFlags(icon) | ButtonFlags(buttons);
    return AnswerOf(MessageBoxW(GetActiveWindow(), TextToWide(text).c_str(), TextToWide(caption).c_str(), flags));
}

platform::Answer Win32MessageBox::ShowMessageWithDetails(const std::string& caption, const std::string& text,
                                                         const std::string& details, platform::Icon icon,
                                                         platform::Buttons buttons)
{
    const TaskDialogIndirectFunction taskDialog = FindTaskDialog();
    if (details.empty() || !taskDialog)
        return MessageBoxService::ShowMessageWithDetails(caption, text, details, icon, buttons);

    const std::wstring wideCaption = TextToWide(caption);
    const std::wstring wideText = TextToWide(text);
    const std::wstring wideDetails = TextToWide(details);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = GetActiveWindow();
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_EXPAND_FOOTER_AREA | TDF_SIZE_TO_CONTENT;
    config.pszWindowTitle = wideCaption.c_str();
    config.pszMainIcon = TaskDialogIcon(icon);
    config.pszContent = wideText.c_str();
    config.pszExpandedInformation = wideDetails.c_str();
    switch (buttons) {
    case platform::Buttons::Ok:
        config.dwCommonButtons = TDCBF_OK_BUTTON;
        break;
    case platform::Buttons::OkCancel:
        config.dwCommonButtons = TDCBF_OK_BUTTON | TDCBF_CANCEL_BUTTON;
        break;
    case platform::Buttons::YesNo:
        config.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
        config.nDefaultButton = IDNO;
        break;
    }
    int pressed = 0;
    if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr)))
        return MessageBoxService::ShowMessageWithDetails(caption, text, details, icon, buttons);
    return AnswerOf(pressed);
}

}  // namespace corvane::win32
