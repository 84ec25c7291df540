#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The salary files page: the twelve month slots.
class CVdWizPage3 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    // The room the Windows dialog has for a multiple selection.
    static constexpr std::size_t kSelectionBufferBytes = 10000;

    platform::PageId Id() const override { return platform::PageId::SalaryFiles; }
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;
    platform::PageJump OnWizardNext() override;

private:
    void ChooseSalaryFiles();
    void ClearSelectedMonths();
    void RebuildList();
};

}  // namespace corvane
