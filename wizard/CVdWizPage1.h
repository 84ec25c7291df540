#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The start page: the job's transfer mode.
class CVdWizPage1 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::Start; }
    void OnInitDialog() override;
    void OnSetActive() override;
    platform::PageJump OnWizardNext() override;
};

}  // namespace corvane
