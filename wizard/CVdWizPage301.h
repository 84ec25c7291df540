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
    // Files dropped on a row (its label, field or button) go to that row and,
    // when there are several, in payment order to the empty rows below it; a
    // drop beside the rows starts at the first empty row.
    void OnDropFiles(platform::ControlId target, int row, const std::vector<std::string>& paths) override;

private:
    void ChooseBonusFile();
    // A file for `row`, as its "..." button takes it; true when accepted.
    bool PlaceBonusFile(int row, const std::string& path);
    // The first empty row after `row`; 0 when none.
    int NextEmptyRow(int row) const;
    void ClearAllRows();
    // The sheet's slot index (0-based) of `row` (1 to 5).
    static int SlotIndex(int row);
    CSyuukeiDataFile& SlotOfRow(int row) const;
};

}  // namespace corvane
