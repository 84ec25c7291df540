#include "gui/qt/QtWizardHost.h"

#include <QApplication>
#include <QTimer>

#include "gui/qt/ItemSelectionDialog.h"
#include "gui/qt/WizardSheet.h"

namespace corvane::qt {

platform::WizardResult QtWizardHost::RunWizard(platform::WizardLogic& wizard, platform::WindowHandle)
{
    ++m_wizardRuns;
    WizardSheet sheet(wizard);
    m_sheet = &sheet;
    sheet.Start();
    if (m_scripted) {
        WizardScript script = std::move(m_wizardScript);
        m_wizardScript = nullptr;
        QTimer::singleShot(0, &sheet, [this, &sheet, script] {
            if (script)
                script(sheet);
            if (!sheet.IsClosed()) {
                m_faults << QStringLiteral("the wizard script ended with the wizard open on page %1")
                                .arg(sheet.CurrentPage());
                sheet.done(QDialog::Rejected);
            }
        });
    }
    sheet.exec();
    sheet.Detach();
    m_sheet = nullptr;
    return sheet.Result();
}

platform::DialogOutcome QtWizardHost::RunDialog(platform::DialogLogic& logic)
{
    ++m_dialogRuns;
    if (logic.Id() != platform::DialogId::ItemSelection)
        return platform::DialogOutcome::Cancel;
    DialogScript script;
    if (m_scripted) {
        if (m_dialogScripts.empty()) {
            m_faults << QStringLiteral("no script queued for a dialog");
            return platform::DialogOutcome::Cancel;
        }
        script = std::move(m_dialogScripts.front());
        m_dialogScripts.pop_front();
    }

    ItemSelectionDialog dialog(logic, m_sheet ? static_cast<QWidget*>(m_sheet) : QApplication::activeModalWidget());
    dialog.Init();
    if (script) {
        QTimer::singleShot(0, &dialog, [this, &dialog, script] {
            script(dialog);
            if (dialog.Outcome() == platform::DialogOutcome::Stay) {
                m_faults << QStringLiteral("a dialog script ended with the dialog open");
                dialog.done(QDialog::Rejected);
            }
        });
    }
    dialog.exec();
    const platform::DialogOutcome outcome = dialog.Outcome();
    return outcome == platform::DialogOutcome::Stay ? platform::DialogOutcome::Cancel : outcome;
}

QStringList QtWizardHost::Faults() const
{
    QStringList faults = m_faults;
    if (!m_dialogScripts.empty())
        faults << QStringLiteral("%1 dialog scripts left unused").arg(m_dialogScripts.size());
    return faults;
}

}  // namespace corvane::qt
