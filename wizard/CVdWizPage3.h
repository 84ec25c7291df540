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
    // Dropped files: one 参照 action with all of them, wherever they land.
    void OnDropFiles(platform::ControlId target, int row, const std::vector<std::string>& paths) override;

private:
    void ChooseSalaryFiles();
    void PlaceFiles(const std::vector<std::string>& paths);
    void ClearSelectedMonths();
    void RebuildList();
};

}  // namespace corvane
