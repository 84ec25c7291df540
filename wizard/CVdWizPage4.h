#pragma once

#include <string>

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The output page: filing year, output location and name, and the finish.
class CVdWizPage4 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::Output; }
    void OnInitDialog() override;
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;
    void OnTextChanged(platform::ControlId id) override;
    platform::PageJump OnWizardBack() override;
    bool OnWizardFinish() override;

private:
    void ShowOutputPath();
    void CheckName();
    void Browse();
    // The default filing year last shown: a year left as it was follows the
    // summaries chosen since.
    void ShowDefaultYear();
    std::string m_defaultYear;
};

}  // namespace corvane
