#pragma once

#include "platform/WizardLogic.h"
#include "wizard/CVdWizSheet.h"

namespace corvane {

// What every page has: its sheet, and through it the view and the platform.
class CVdWizPageBase : public platform::PageLogic {
public:
    explicit CVdWizPageBase(CVdWizSheet& sheet) : m_sheet(sheet) {}

    // Every page asks alike before work is thrown away.
    bool OnQueryCancel() override { return m_sheet.ConfirmCancel(); }

protected:
    CVdWizSheet& Sheet() const { return m_sheet; }
    platform::WizardView& View() const { return m_sheet.View(); }
    const platform::Messenger& Messenger() const { return m_sheet.Messenger(); }
    const platform::Services& Services() const { return m_sheet.Services(); }
    void SetWizardButtons(unsigned flags) const { View().SetWizardButtons(flags); }

private:
    CVdWizSheet& m_sheet;
};

}  // namespace corvane
