#pragma once

#include "wizard/CVdWizPageBase.h"

namespace corvane {

namespace job {
struct FolderExports;
}

// The employee-file page: the employee list export, or a whole folder of
// exports sorted into the job.
class CVdWizPage2 final : public CVdWizPageBase {
public:
    using CVdWizPageBase::CVdWizPageBase;

    platform::PageId Id() const override { return platform::PageId::EmployeeFile; }
    void OnSetActive() override;
    void OnCommand(platform::ControlId id) override;
    // One file: a 参照 choice of it. A folder, or several files: sorted as
    // the folder button sorts a folder's files.
    void OnDropFiles(platform::ControlId target, int row, const std::vector<std::string>& paths) override;

private:
    void ChooseEmployeeList();
    void ChooseFolder();
    // The page's check of the list at `path`; a refused list changes nothing.
    void TakeEmployeeList(const std::string& path);
    // The exports made the whole job (job::PlaceExports), or a warning and no change.
    void TakeExports(const job::FolderExports& exports);
};

}  // namespace corvane
