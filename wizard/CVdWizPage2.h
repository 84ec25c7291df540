#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

// The employee-file page: the employee list export.
class CVdWizPage2 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::EmployeeFile; }
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;

private:
    void ChooseEmployeeList();
};

}  // namespace corvane
