#include "wizard/CVdWizPage2.h"

#include "sormaexport/CSormaFileCheck.h"
#include "wizard/FileFilters.h"
#include "job/JobSteps.h"
#include "wizard/OperationGuide.h"

namespace corvane {

using platform::ControlId;

void CVdWizPage2::OnSetActive()
{
    CSormaFileCheck check;
    std::string company;
    if (check.CheckEmployeeList(Sheet().EmployeeListPath(), company)) {
        Sheet().SetCompanyName(company);
        SetWizardButtons(platform::kWizBack | platform::kWizNext);
    } else {
        SetWizardButtons(platform::kWizBack);
    }
}

void CVdWizPage2::OnCommand(ControlId id)
{
    if (id == ControlId::EmployeeBrowse)
        ChooseEmployeeList();
    else if (id == ControlId::EmployeeGuide)
        OpenOperationGuide(Services(), Messenger(), EmployeeListGuideName());
}

void CVdWizPage2::ChooseEmployeeList()
{
    const std::string shown = View().GetText(ControlId::EmployeePath);

    platform::OpenFileRequest request;
    request.title = "従業員一覧表ファイルを選択（TXTファイル）";
    request.filter = ExportFileFilter();
    request.defaultExtension = "TXT";
    request.initialFileName = shown;
    const auto chosen = Services().fileDialogs.OpenFiles(request);
    if (!chosen || chosen->empty())
        return;
    const std::string& path = chosen->front();

    CSormaFileCheck check;
    std::string company = Sheet().CompanyName();
    const bool accepted = check.CheckEmployeeList(path, company);
    if (accepted) {
        SetWizardButtons(platform::kWizBack | platform::kWizNext);
        View().SetText(ControlId::EmployeePath, path);
        Sheet().SetCompanyName(company);
        Sheet().SetEmployeeListPath(path);
    } else {
        Messenger().Show(job::EmployeeListRefusedMessage(path), platform::Icon::Warning);
        SetWizardButtons(platform::kWizBack);
        View().SetText(ControlId::EmployeePath, "");
        Sheet().SetEmployeeListPath("");
    }

    // Everything chosen after the employee list belongs to it.
    if (!accepted || Sheet().EmployeeListPath() != shown) {
        for (auto& slot : Sheet().Slots())
            slot.path.clear();
        Sheet().Items().ClearChoices();
    }
}

}  // namespace corvane
