#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "WizardProcess.h"
#include "platform/ControlIds.h"

namespace corvane::testcaller {

// Ids of the wizard's controls, as the dialog functions take them.
constexpr int Id(platform::ControlId id)
{
    return static_cast<int>(id);
}
constexpr int kStandardModeRadio = Id(platform::ControlId::StandardModeRadio);
constexpr int kSimpleModeRadio = Id(platform::ControlId::SimpleModeRadio);
constexpr int kEmployeePath = Id(platform::ControlId::EmployeePath);
constexpr int kEmployeeBrowse = Id(platform::ControlId::EmployeeBrowse);
constexpr int kEmployeeFolder = Id(platform::ControlId::EmployeeFolder);
constexpr int kSalaryList = Id(platform::ControlId::SalaryList);
constexpr int kSalaryBrowse = Id(platform::ControlId::SalaryBrowse);
constexpr int kBonusBrowse1 = Id(platform::ControlId::BonusBrowse1);
constexpr int kBonusBrowse2 = Id(platform::ControlId::BonusBrowse2);
constexpr int kBonusLabel2 = Id(platform::ControlId::BonusLabel2);
constexpr int kBonusPath1 = Id(platform::ControlId::BonusPath1);
constexpr int kBonusClear = Id(platform::ControlId::BonusClear);
constexpr int kItemsBrowse = Id(platform::ControlId::ItemsBrowse);
constexpr int kLocationEdit = Id(platform::ControlId::LocationEdit);
constexpr int kNameEdit = Id(platform::ControlId::NameEdit);
constexpr int kOutputBrowse = Id(platform::ControlId::OutputBrowse);
constexpr int kItemPage = static_cast<int>(platform::PageId::ItemCorrespondence);
constexpr int kOutputPage = static_cast<int>(platform::PageId::Output);

// How the walk hands the sample exports over: file by file through the file
// dialogs, as a folder through the folder button, or as a folder dropped on
// the employee page.
enum class Handover { Files, Folder, Drop };

// Drives the wizard of a running corvane.exe as a user would: page buttons,
// the real file dialogs, 次へ. Failures are printed and counted.
class WizardWalk {
public:
    WizardWalk(WizardProcess& wizard, HWND sheet) : m_wizard(wizard), m_sheet(sheet) {}

    // Presses a page's button and answers the file dialog that it opens with `names`.
    bool ChooseFiles(int buttonId, const std::wstring& names);
    // Presses the folder button and answers the folder dialog with `folder`
    // (キャンセル when empty).
    bool ChooseFolder(const std::wstring& folder);
    // Drops `paths` on the page control `id` as the shell does.
    bool DropFiles(int id, const std::vector<std::wstring>& paths);
    // The sample exports of `folder` on pages 2 to 4, each page followed by
    // 次へ; `shown` is called with a page's name before its 次へ.
    void ChooseSampleFiles(const std::wstring& folder, const std::function<void(const wchar_t*)>& shown = {},
                           Handover handover = Handover::Files);
    // On the bonus page: the rows cleared and the two sample bonus files
    // dropped each on its row.
    void DropBonusFilesOnRows(const std::wstring& folder);
    // The text of the tooltip that shows when the mouse rests at `point`
    // (screen coordinates); empty when none shows.
    std::wstring TooltipAt(POINT point);
    void Next();
    // The index of the page shown.
    int CurrentPage() const;
    HWND FindPageControl(int id) const;
    // Presses a page's button and waits for the dialog it opens; null (and a
    // failure) when the button or the dialog is missing.
    HWND PressForDialog(int buttonId, const char* noButton, const char* noDialog);
    bool Fail(const char* what);

    HWND Sheet() const { return m_sheet; }
    int Failed() const { return m_failed; }

private:
    WizardProcess& m_wizard;
    HWND m_sheet;
    int m_failed = 0;
};

// The longest text among the children of `window` that are no buttons: a
// message box's message.
std::wstring MessageText(HWND window);

// Real input through the window system: a left click in the middle of
// `window`, and one key press.
void ClickWindow(HWND window);
void PressKey(WORD key);
// The control with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

}  // namespace corvane::testcaller
