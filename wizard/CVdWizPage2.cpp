#include "wizard/CVdWizPage2.h"

#include <algorithm>

#include "fileio/FileStatus.h"
#include "job/FolderExports.h"
#include "job/JobSteps.h"
#include "sormaexport/CSormaFileCheck.h"
#include "text/Format.h"
#include "wizard/FileFilters.h"
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

bool CVdWizPage2::TakeEmployeeList(const std::string& path)
{
    const std::string shown = View().GetText(ControlId::EmployeePath);

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
    return accepted;
}

void CVdWizPage2::TakeExports(const job::FolderExports& exports)
{
    if (!exports.refusal.empty()) {
        Messenger().Show(exports.refusal, platform::Icon::Warning);
        return;
    }
    if (!TakeEmployeeList(exports.employees))
        return;

    // The files handed over are the whole job: no earlier choice stays
    // beside them (the item choices follow the list, as with 参照).
    auto& slots = Sheet().Slots();
    for (auto& slot : slots)
        slot.path.clear();

    // As the salary and bonus pages would place them, with their messages.
    const std::string& list = Sheet().EmployeeListPath();
    const std::string salaryMessage = job::PlaceSalaryFiles(list, exports.salary, slots, Messenger());
    if (!salaryMessage.empty())
        Messenger().Show(salaryMessage, platform::Icon::Warning);
    int slot = kSalarySlotCount;
    for (const auto& path : exports.bonus) {
        if (job::AcceptBonusFile(list, path, slots, slot))
            slots[static_cast<std::size_t>(slot++)].path = path;
        else
            Messenger().Show(job::BonusFileRefusedMessage(path, Messenger()), platform::Icon::None);
    }

    const auto filled = [&](int from, int to) {
        return static_cast<int>(
            std::count_if(slots.begin() + from, slots.begin() + to, [](const auto& s) { return !s.path.empty(); }));
    };
    const int months = filled(0, kSalarySlotCount);
    const int bonuses = filled(kSalarySlotCount, kSummarySlotCount);
    std::string summary =
        "エクスポートファイルを読み込みました。\n\n従業員(一覧表)：" + Messenger().DisplayPath(list) + "\n" +
        (months ? text::Format("給与集計表：%dか月分\n", months) : std::string("給与集計表：なし\n")) +
        (bonuses ? text::Format("賞与集計表：%d回分", bonuses) : std::string("賞与集計表：なし"));
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
