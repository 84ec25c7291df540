#include "wizard/CVdWizPage301.h"

#include <algorithm>

#include "wizard/FileFilters.h"
#include "job/JobSteps.h"
#include "wizard/OperationGuide.h"

namespace corvane {

using platform::ControlId;

CSyuukeiDataFile& CVdWizPage301::SlotOfRow(int row) const
{
    return Sheet().Slots()[static_cast<std::size_t>(kSalarySlotCount + row - 1)];
}

void CVdWizPage301::OnSetActive()
{
    // The employee-file page may have emptied the slots since this page was
    // last shown: the fields show what the conversion will read.
    for (int row = 1; row <= platform::kBonusRowCount; ++row)
        View().SetText(platform::BonusPathControl(row), SlotOfRow(row).path);
    SetWizardButtons(platform::kWizBack | platform::kWizNext);
}

void CVdWizPage301::OnCommand(ControlId id)
{
    if (platform::BonusRowOf(id) != 0)
        ChooseBonusFile();
    else if (id == ControlId::BonusClear)
        ClearAllRows();
    else if (id == ControlId::BonusGuide)
        OpenOperationGuide(Services(), Messenger(), SummaryGuideName());
}

void CVdWizPage301::ChooseBonusFile()
{
    // All five buttons share this action: the row is the one that has the focus.
    const int row = platform::BonusRowOf(View().FocusedControl());
    if (row == 0)
        return;

    platform::OpenFileRequest request;
    request.title = "賞与ファイルを選択（TXTファイル）";
    request.filter = ExportFileFilter();
    request.defaultExtension = "TXT";
    const auto chosen = Services().fileDialogs.OpenFiles(request);
    if (!chosen || chosen->empty())
        return;
    const std::string& path = chosen->front();

    if (job::AcceptBonusFile(Sheet().EmployeeListPath(), path, Sheet().Slots(), kSalarySlotCount + row - 1)) {
        View().SetText(platform::BonusPathControl(row), path);
        SlotOfRow(row).path = path;
    } else {
        Messenger().Show(job::BonusFileRefusedMessage(path), platform::Icon::None);
    }
}

void CVdWizPage301::ClearAllRows()
{
    if (Messenger().Show("賞与 1回目～5回目の全ての設定内容をクリアします。\nよろしいですか？",
                         platform::Icon::Exclamation, platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    for (int row = 1; row <= platform::kBonusRowCount; ++row) {
        View().SetText(platform::BonusPathControl(row), "");
        SlotOfRow(row).path.clear();
    }
}

platform::PageJump CVdWizPage301::OnWizardNext()
{
    const auto& slots = Sheet().Slots();
    const bool anyFile = std::any_of(slots.begin(), slots.end(), [](const auto& s) { return !s.path.empty(); });
    if (!anyFile)
        return platform::PageJump::To(platform::PageId::Output);

    const std::string message = job::CheckAllConditions(Sheet().EmployeeListPath(), slots, Messenger());
    if (!message.empty()) {
        Messenger().Show(message, platform::Icon::None);
        return platform::PageJump::Stay();
    }
    if (Sheet().Items().PrepareChoices(job::ReferenceFile(slots), Sheet().CompanyName()))
        return platform::PageJump::To(platform::PageId::Output);
    return platform::PageJump::Default();
}

}  // namespace corvane
