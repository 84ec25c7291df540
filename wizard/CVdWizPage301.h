#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The bonus files page: bonus slots 1 to 5 (sheet slots 13 to 17).
class CVdWizPage301 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::BonusFiles; }
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;
    platform::PageJump OnWizardNext() override;

private:
    void ChooseBonusFile();
    void ClearAllRows();
    CSyuukeiDataFile& SlotOfRow(int row) const;
};

}  // namespace corvane
