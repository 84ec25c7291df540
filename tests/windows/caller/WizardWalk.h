#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "WizardProcess.h"
#include "platform/ControlIds.h"

namespace corvane::testcaller {

// Ids of the wizard's controls, as the dialog functions take them.
constexpr int Id(platform::ControlId id) { return static_cast<int>(id); }
constexpr int kStandardModeRadio = Id(platform::ControlId::StandardModeRadio);
constexpr int kSimpleModeRadio = Id(platform::ControlId::SimpleModeRadio);
constexpr int kEmployeeBrowse = Id(platform::ControlId::EmployeeBrowse);
constexpr int kSalaryBrowse = Id(platform::ControlId::SalaryBrowse);
constexpr int kBonusBrowse1 = Id(platform::ControlId::BonusBrowse1);
constexpr int kBonusBrowse2 = Id(platform::ControlId::BonusBrowse2);
constexpr int kItemsBrowse = Id(platform::ControlId::ItemsBrowse);
constexpr int kLocationEdit = Id(platform::ControlId::LocationEdit);
constexpr int kNameEdit = Id(platform::ControlId::NameEdit);
constexpr int kOutputBrowse = Id(platform::ControlId::OutputBrowse);
constexpr int kItemPage = static_cast<int>(platform::PageId::ItemCorrespondence);
constexpr int kOutputPage = static_cast<int>(platform::PageId::Output);

// Drives the wizard of a running corvane.exe as a user would: page buttons,
// the real file dialogs, 次へ. Failures are printed and counted.
class WizardWalk {
public:
    WizardWalk(WizardProcess& wizard, HWND sheet) : m_wizard(wizard), m_sheet(sheet) {}

    // Presses a page's button and answers the file dialog that it opens with `names`.
    bool ChooseFiles(int buttonId, const std::wstring& names);
    // The sample exports of `folder` on pages 2 to 4, each page followed by
    // 次へ; `shown` is called with a page's name before its 次へ.
    void ChooseSampleFiles(const std::wstring& folder, const std::function<void(const wchar_t*)>& shown = {});
    void Next();
    // The index of the page shown.
    int CurrentPage() const;
    HWND FindPageControl(int id) const;
    bool Fail(const char* what);

    HWND Sheet() const { return m_sheet; }
    int Failed() const { return m_failed; }

private:
    WizardProcess& m_wizard;
    HWND m_sheet;
    int m_failed = 0;
};

// Real input through the window system: a left click in the middle of
// `window`, and one key press.
void ClickWindow(HWND window);
void PressKey(WORD key);
// The control with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

}  // namespace corvane::testcaller
