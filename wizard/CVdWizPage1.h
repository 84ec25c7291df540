#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The start page: the transfer mode.
class CVdWizPage1 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::Start; }
    void OnInitDialog() override;
    void OnSetActive() override;
    platform::PageJump OnWizardNext() override;

    // 0 for 標準モード, 1 for 簡易モード; kept while the wizard runs.
    int ModeIndex() const { return m_mode; }

private:
    int m_mode = 0;
};

}  // namespace corvane
