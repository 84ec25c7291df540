#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "Win32ControlView.h"
#include "platform/WizardHost.h"

namespace corvane::win32 {

// The wizard as a property sheet in wizard mode over the six page dialogs of
// the resources, and the item dialog as a modal dialog box. Every page is
// created with the sheet (PSP_PREMATURE), so that the logic reaches all
// controls from the start.
class Win32WizardHost final : public platform::WizardHost {
public:
    explicit Win32WizardHost(HINSTANCE instance) : m_instance(instance) {}

    platform::WizardResult RunWizard(platform::WizardLogic& wizard, platform::WindowHandle parent) override;
    platform::DialogOutcome RunDialog(platform::DialogLogic& dialog) override;

    // The sheet's window while the wizard runs; nullptr otherwise.
    HWND Sheet() const { return m_sheet; }

private:
    struct PageContext {
        Win32WizardHost* host;
        int index;
    };
    struct DialogContext {
        Win32WizardHost* host;
        platform::DialogLogic* logic;
        Win32ControlView view;
    };

    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lparam);
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

    void InitPage(HWND page, int index);
    INT_PTR OnPageNotify(HWND page, int index, const NMHDR& header);
    void OnPageCommand(int index, WPARAM wparam);
    void OnDropFiles(HWND page, int index, HDROP drop);
    void InitSheet(HWND sheet);
    static void EndDialogWith(HWND dialog, platform::DialogOutcome outcome);

    HINSTANCE m_instance;
    platform::WizardLogic* m_wizard = nullptr;
    HWND m_sheet = nullptr;
    std::vector<HWND> m_pages;
    std::vector<bool> m_initialised;
    std::vector<PageContext> m_contexts;
    Win32ControlView m_view;
    bool m_finished = false;

    static Win32WizardHost* s_current;
};

// Sets the captions of a dialog's controls from the shared texts and
// prepares its list views (columns, full-row selection, grid lines).
void PrepareControls(HWND dialog);

// Whether a page takes files dropped on it.
bool TakesDroppedFiles(platform::PageId page);
// The control of `container` at `point` (client coordinates): the topmost
// visible child there, a group box only when nothing inside it is hit;
// nullptr when none.
HWND ControlAt(HWND container, POINT point);
// The paths of a drop, UTF-8 like the file dialogs' paths.
std::vector<std::string> DroppedPaths(HDROP drop);

}  // namespace corvane::win32
