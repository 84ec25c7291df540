#include "wizard/CVdWizPage2.h"

#include "fileio/FileStatus.h"
#include "job/FolderExports.h"
#include "job/JobSteps.h"
#include "job/PlaceExports.h"
#include "text/Format.h"
#include "wizard/FileFilters.h"
#include "wizard/OperationGuide.h"

namespace corvane {

using platform::ControlId;

void CVdWizPage2::OnSetActive()
{
    if (const auto company = job::EmployeeListCompany(Sheet().Job().employeeList)) {
        Sheet().Job().companyName = *company;
        SetWizardButtons(platform::kWizBack | platform::kWizNext);
    } else {
        SetWizardButtons(platform::kWizBack);
    }
}

void CVdWizPage2::OnCommand(ControlId id)
{
    if (id == ControlId::EmployeeBrowse)
        ChooseEmployeeList();
    else if (id == ControlId::EmployeeFolder)
        ChooseFolder();
    else if (id == ControlId::EmployeeGuide)
        OpenOperationGuide(Services(), Messenger(), EmployeeListGuideName());
}

void CVdWizPage2::OnDropFiles(ControlId /*target*/, int /*row*/, const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    if (paths.size() > 1) {
        TakeExports(job::SortExports(paths, Messenger(), job::ExportsSource::DroppedFiles));
        return;
    }
    const auto status = fileio::Status(paths.front());
    if (status && status->isDirectory) {
        const auto sorted = [&] {
            platform::WaitCursor wait(Services().waitCursor);
            return job::SortFolder(paths.front(), Messenger());
        }();
        TakeExports(sorted);
    } else {
        TakeEmployeeList(paths.front());
    }
}

void CVdWizPage2::ChooseEmployeeList()
{
    platform::OpenFileRequest request;
    request.title = "従業員一覧表ファイルを選択（TXTファイル）";
    request.filter = ExportFileFilter();
    request.defaultExtension = "TXT";
    request.initialFileName = View().GetText(ControlId::EmployeePath);
    const auto chosen = Services().fileDialogs.OpenFiles(request);
    if (!chosen || chosen->empty())
        return;
    TakeEmployeeList(chosen->front());
}

void CVdWizPage2::ChooseFolder()
{
    platform::FolderRequest request;
    request.title = "エクスポートファイルのフォルダーを選択";
    request.initialFolder = fileio::DirectoryOf(View().GetText(ControlId::EmployeePath));
    const auto chosen = Services().fileDialogs.ChooseFolder(request);
    if (!chosen || chosen->empty())
        return;
    const auto sorted = [&] {
        platform::WaitCursor wait(Services().waitCursor);
        return job::SortFolder(*chosen, Messenger());
    }();
    TakeExports(sorted);
}

void CVdWizPage2::TakeEmployeeList(const std::string& path)
{
    const auto company = job::EmployeeListCompany(path);
    if (!company) {
        // A misclick costs nothing: the list chosen before, and everything
        // chosen after it, stay.
        Messenger().Show(job::EmployeeListRefusedMessage(path, Messenger()), platform::Icon::Warning);
        return;
    }
    job::Job& job = Sheet().Job();
    const std::string shown = View().GetText(ControlId::EmployeePath);
    SetWizardButtons(platform::kWizBack | platform::kWizNext);
    View().SetText(ControlId::EmployeePath, path);
    job.companyName = *company;
    job.employeeList = path;

    // Everything chosen after the employee list belongs to it.
    if (job.employeeList != shown) {
        job.slots = MakeSummarySlots();
        Sheet().Items().ClearChoices();
    }
}

void CVdWizPage2::TakeExports(const job::FolderExports& exports)
{
    const std::string shown = View().GetText(ControlId::EmployeePath);
    const job::Placement placed = job::PlaceExports(exports, Sheet().Job(), Messenger());
    if (!placed.refusal.empty()) {
        Messenger().Show(placed.refusal, platform::Icon::Warning);
        return;
    }
    const std::string& list = Sheet().Job().employeeList;
    SetWizardButtons(platform::kWizBack | platform::kWizNext);
    View().SetText(ControlId::EmployeePath, list);
    // The item choices follow the list, as with 参照.
    if (list != shown)
        Sheet().Items().ClearChoices();

    std::string summary =
        "エクスポートファイルを読み込みました。\n\n従業員(一覧表)：" + Messenger().DisplayPath(list) + "\n" +
        (placed.months ? text::Format("給与集計表：%dか月分\n", placed.months) : std::string("給与集計表：なし\n")) +
        (placed.bonuses ? text::Format("賞与集計表：%d回分", placed.bonuses) : std::string("賞与集計表：なし"));
    if (!exports.ignored.empty()) {
        summary += "\n\nエクスポートファイルではないため、次のファイルは読み込みませんでした。";
        for (const auto& path : exports.ignored)
            summary += "\n" + Messenger().DisplayPath(path);
    }
    if (!exports.ownOutputs.empty()) {
        summary += "\n\nこのプログラムが作成した照合表または一覧のため、次のファイルは読み込みませんでした。";
        for (const auto& path : exports.ownOutputs)
            summary += "\n" + Messenger().DisplayPath(path);
    }
    const std::string undated = job::UndatedBonusNote(exports, Messenger());
    if (!undated.empty())
        summary += "\n\n" + undated;
    Messenger().Show(summary, platform::Icon::Information);
}

}  // namespace corvane
