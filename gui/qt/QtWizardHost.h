#pragma once

#include <QStringList>
#include <deque>
#include <functional>

#include "platform/WizardHost.h"

namespace corvane::qt {

class ItemSelectionDialog;
class WizardSheet;

// Shows the wizard and the item selection dialog modally. The caller's
// window is a number the desktop cannot parent to, so the wizard is always a
// top-level window.
//
// Scripted (tests, screenshots): the wizard script runs once the sheet is
// shown, and each dialog takes the next dialog script, in the window's own
// event loop. A script that returns with its window still open is a fault,
// and the window is closed as cancelled; a dialog without a script is not
// shown.
class QtWizardHost final : public platform::WizardHost {
public:
    using WizardScript = std::function<void(WizardSheet&)>;
    using DialogScript = std::function<void(ItemSelectionDialog&)>;

    platform::WizardResult RunWizard(platform::WizardLogic& wizard, platform::WindowHandle parent) override;
    platform::DialogOutcome RunDialog(platform::DialogLogic& dialog) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    void ScriptWizard(WizardScript script) { m_wizardScript = std::move(script); }
    void QueueDialog(DialogScript script) { m_dialogScripts.push_back(std::move(script)); }

    // The sheet while the wizard is shown; nullptr otherwise.
    WizardSheet* Sheet() const { return m_sheet; }
    int WizardRuns() const { return m_wizardRuns; }
    int DialogRuns() const { return m_dialogRuns; }
    QStringList Faults() const;

private:
    bool m_scripted = false;
    WizardScript m_wizardScript;
    std::deque<DialogScript> m_dialogScripts;
    WizardSheet* m_sheet = nullptr;
    int m_wizardRuns = 0;
    int m_dialogRuns = 0;
    QStringList m_faults;
};

}  // namespace corvane::qt
