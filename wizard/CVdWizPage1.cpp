#include "wizard/CVdWizPage1.h"

namespace corvane {

using platform::ControlId;

void CVdWizPage1::OnInitDialog()
{
    View().SetCheck(
        Sheet().Job().mode == TransferMode::Normal ? ControlId::StandardModeRadio : ControlId::SimpleModeRadio, true);
}

void CVdWizPage1::OnSetActive()
{
    SetWizardButtons(platform::kWizNext);
}

platform::PageJump CVdWizPage1::OnWizardNext()
{
    if (View().IsChecked(ControlId::StandardModeRadio))
        Sheet().Job().mode = TransferMode::Normal;
    else if (View().IsChecked(ControlId::SimpleModeRadio))
        Sheet().Job().mode = TransferMode::Easy;
    return platform::PageJump::Default();
}

}  // namespace corvane
