#include "wizard/CVdWizPage301.h"

#include "job/FolderExports.h"
#include "job/JobSteps.h"
#include "wizard/FileFilters.h"
#include "wizard/OperationGuide.h"

namespace corvane {

using platform::ControlId;

int CVdWizPage301::SlotIndex(int row)
{
    return kSalarySlotCount + row - 1;
}

CSyuukeiDataFile& CVdWizPage301::SlotOfRow(int row) const
{
    return Sheet().Job().slots[static_cast<std::size_t>(SlotIndex(row))];
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
    if (!PlaceBonusFile(row, chosen->front()))
        Messenger().Show(job::BonusFileRefusedMessage({chosen->front(), SlotIndex(row)}, Sheet().Job().employeeList,
                                                      Sheet().Job().slots, Messenger()),
                         platform::Icon::None);
}

bool CVdWizPage301::PlaceBonusFile(int row, const std::string& path)
{
    if (!job::AcceptBonusFile(Sheet().Job().employeeList, path, Sheet().Job().slots, SlotIndex(row)))
        return false;
    View().SetText(platform::BonusPathControl(row), path);
    SlotOfRow(row).path = path;
    return true;
}

int CVdWizPage301::NextEmptyRow(int row) const
{
    for (int next = row + 1; next <= platform::kBonusRowCount; ++next) {
        if (SlotOfRow(next).path.empty())
            return next;
    }
    return 0;
}

void CVdWizPage301::OnDropFiles(ControlId target, int /*row*/, const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    int row = platform::BonusRowOf(target);
    const int label = static_cast<int>(target) - static_cast<int>(platform::BonusLabelControl(0));
    if (row == 0 && label >= 1 && label <= platform::kBonusRowCount)
        row = label;
    if (row == 0)
        row = NextEmptyRow(0);

    std::vector<job::RefusedBonus> refused;
    std::vector<std::string> noRoom;
    for (const auto& path : paths.size() == 1 ? paths : job::InPaymentOrder(paths)) {
        if (row == 0)
            noRoom.push_back(path);
        else if (PlaceBonusFile(row, path))
            row = NextEmptyRow(row);
        else
            refused.push_back({path, SlotIndex(row)});
    }

    if (!refused.empty())
        Messenger().Show(
            job::BonusFilesRefusedMessage(refused, Sheet().Job().employeeList, Sheet().Job().slots, Messenger()),
            platform::Icon::None);
    if (!noRoom.empty()) {
        std::string message = "賞与の空いている欄がないため、次のファイルは設定しませんでした。\n";
        for (const auto& path : noRoom)
            message += "\n" + Messenger().DisplayPath(path);
        Messenger().Show(message, platform::Icon::Warning);
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
    const job::PreparedChoices prepared = job::PrepareItemChoices(Sheet().Job(), Sheet().Items(), Messenger());
    if (prepared.refusal) {
        Messenger().Show(prepared.refusal.message, prepared.refusal.icon);
        return platform::PageJump::Stay();
    }
    return prepared.passOver ? platform::PageJump::To(platform::PageId::Output) : platform::PageJump::Default();
}

}  // namespace corvane
