#include "wizard/CVdWizPage3.h"

#include "wizard/FileFilters.h"
#include "job/JobSteps.h"
#include "wizard/OperationGuide.h"
#include "wizard/PageMessages.h"

namespace corvane {

using platform::ControlId;

namespace {

constexpr int kPathColumn = 1;

}  // namespace

void CVdWizPage3::OnSetActive()
{
    RebuildList();
    SetWizardButtons(platform::kWizBack | platform::kWizNext);
}

void CVdWizPage3::OnCommand(ControlId id)
{
    if (id == ControlId::SalaryBrowse)
        ChooseSalaryFiles();
    else if (id == ControlId::SalaryClear)
        ClearSelectedMonths();
    else if (id == ControlId::SalaryGuide)
        OpenOperationGuide(Services(), Messenger(), SummaryGuideName());
}

void CVdWizPage3::RebuildList()
{
    auto& view = View();
    view.ListDeleteAllRows(ControlId::SalaryList);
    for (int month = 0; month < kSalarySlotCount; ++month) {
        const auto& slot = Sheet().Job().slots[static_cast<std::size_t>(month)];
        view.ListAddRow(ControlId::SalaryList, {slot.label, slot.path});
    }
}

void CVdWizPage3::ChooseSalaryFiles()
{
    platform::OpenFileRequest request;
    request.title = "給与ファイルを選択（TXTファイル）※複数選択可";
    request.filter = ExportFileFilter();
    request.defaultExtension = "TXT";
    request.multiSelect = true;
    request.resizable = true;
    request.selectionBufferBytes = kSelectionBufferBytes;
    const auto chosen = Services().fileDialogs.OpenFiles(request);
    // A selection that does not fit the dialog's buffer ends like a cancel.
    if (!chosen || chosen->empty() || platform::SelectionBufferBytes(*chosen) > kSelectionBufferBytes)
        return;
    PlaceFiles(*chosen);
}

void CVdWizPage3::OnDropFiles(ControlId /*target*/, int /*row*/, const std::vector<std::string>& paths)
{
    if (!paths.empty())
        PlaceFiles(paths);
}

void CVdWizPage3::PlaceFiles(const std::vector<std::string>& paths)
{
    const std::string message =
        job::PlaceSalaryFiles(Sheet().Job().employeeList, paths, Sheet().Job().slots, Messenger());
    if (!message.empty())
        Messenger().Show(message, platform::Icon::Warning);
    RebuildList();
}

void CVdWizPage3::ClearSelectedMonths()
{
    auto& view = View();
    const std::vector<int> selected = view.ListSelectedRows(ControlId::SalaryList);
    if (selected.empty()) {
        Messenger().Show("設定内容をクリアする月区分を選択してください。", platform::Icon::Warning);
        return;
    }
    std::vector<int> filled;
    for (const int row : selected) {
        if (row < kSalarySlotCount && !view.ListCell(ControlId::SalaryList, row, kPathColumn).empty())
            filled.push_back(row);
    }
    if (filled.empty())
        return;
    if (Messenger().Show(ClearMonthsQuestion(), platform::Icon::Warning, platform::Buttons::OkCancel) !=
        platform::Answer::Ok)
        return;
    for (const int row : filled) {
        Sheet().Job().slots[static_cast<std::size_t>(row)].path.clear();
        view.ListSetCell(ControlId::SalaryList, row, kPathColumn, "");
    }
    view.ListDeselectAll(ControlId::SalaryList);
}

platform::PageJump CVdWizPage3::OnWizardNext()
{
    const std::string message =
        job::CheckSalaryConditions(Sheet().Job().employeeList, Sheet().Job().slots, Messenger());
    if (message.empty())
        return platform::PageJump::Default();
    Messenger().Show(message, platform::Icon::Warning);
    return platform::PageJump::Stay();
}

}  // namespace corvane
