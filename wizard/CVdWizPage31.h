#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The item correspondence page: one row per target figure, edited through
// the item selection dialog.
class CVdWizPage31 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::ItemCorrespondence; }
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;
    void OnDoubleClick(platform::ControlId id) override;
    platform::PageJump OnWizardNext() override;

private:
    void EditSelectedRow();
};

}  // namespace corvane
