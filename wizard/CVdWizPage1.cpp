#include "wizard/CVdWizPage1.h"

namespace corvane {

using platform::ControlId;

void CVdWizPage1::OnInitDialog()
{
    View().SetCheck(m_mode == 0 ? ControlId::StandardModeRadio : ControlId::SimpleModeRadio, true);
}

void CVdWizPage1::OnSetActive()
{
    SetWizardButtons(platform::kWizNext);
}

platform::PageJump CVdWizPage1::OnWizardNext()
{
    if (View().IsChecked(ControlId::StandardModeRadio))
        m_mode = 0;
    else if (View().IsChecked(ControlId::SimpleModeRadio))
        m_mode = 1;
    Sheet().SetStandardModeFlag(m_mode == 0 ? 1 : 0);
    return platform::PageJump::Default();
}

}  // namespace corvane
