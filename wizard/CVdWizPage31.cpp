#include "wizard/CVdWizPage31.h"

#include <algorithm>

#include "items/CDlg001.h"
#include "items/CSormaItemCheck.h"
#include "job/JobSteps.h"
#include "wizard/PageMessages.h"

namespace corvane {

using platform::ControlId;

namespace {

constexpr int kChoiceColumn = 1;

}  // namespace

void CVdWizPage31::OnSetActive()
{
    SetWizardButtons(platform::kWizBack | platform::kWizNext);
    auto& view = View();
    view.ListDeleteAllRows(ControlId::ItemsList);
    for (const auto& entry : Sheet().Items().Entries())
        view.ListAddRow(ControlId::ItemsList, {entry.targetItem, entry.chosenPayrollItem});
    if (view.ListRowCount(ControlId::ItemsList) > 0) {
        view.ListSetSelected(ControlId::ItemsList, 0, true);
        view.ListSetFocusedRow(ControlId::ItemsList, 0);
    }
}

void CVdWizPage31::OnCommand(ControlId id)
{
    if (id == ControlId::ItemsBrowse)
        EditSelectedRow();
}

void CVdWizPage31::OnDoubleClick(ControlId id)
{
    if (id == ControlId::ItemsList)
        EditSelectedRow();
}

void CVdWizPage31::EditSelectedRow()
{
    auto& view = View();
    auto& entries = Sheet().Items().Entries();
    const int row = view.ListFocusedRow(ControlId::ItemsList);
    const auto selected = view.ListSelectedRows(ControlId::ItemsList);
    if (row < 0 || row >= static_cast<int>(entries.size()) ||
        std::find(selected.begin(), selected.end(), row) == selected.end()) {
        Messenger().Show(NoItemSelectedMessage(), platform::Icon::None);
        return;
    }
    auto& entry = entries[static_cast<std::size_t>(row)];

    std::vector<std::string> headings;
    const std::string reference = job::ReferenceFile(Sheet().Job().slots);
    if (!reference.empty())
        Sheet().Items().ReadHeadings(reference, headings);

    CDlg001 dialog(Messenger());
    dialog.SetHeadings(&headings);
    const std::string shown = view.ListCell(ControlId::ItemsList, row, kChoiceColumn);
    if (!shown.empty()) {
        dialog.SetInitialSearchText(shown);
        dialog.SetInitialPosition(entry.chosenPosition);
    } else {
        dialog.SetInitialSearchText(entry.defaultPayrollItem);
        dialog.SetInitialPosition(-1);
    }
    dialog.SetRowNumber(row);
    if (Services().wizardHost.RunDialog(dialog) != platform::DialogOutcome::Ok)
        return;

    const std::int32_t position = dialog.ChosenPosition();
    if (position < 0 || static_cast<std::size_t>(position) >= headings.size()) {
        view.ListSetCell(ControlId::ItemsList, row, kChoiceColumn, "");
        CSormaItemCheck::Clear(entry);
    } else {
        const std::string& heading = headings[static_cast<std::size_t>(position)];
        view.ListSetCell(ControlId::ItemsList, row, kChoiceColumn, heading);
        CSormaItemCheck::Choose(entry, heading, position);
    }
}

platform::PageJump CVdWizPage31::OnWizardNext()
{
    auto& view = View();
    const int rows = view.ListRowCount(ControlId::ItemsList);
    for (int row = 0; row < rows; ++row) {
        if (!view.ListCell(ControlId::ItemsList, row, kChoiceColumn).empty())
            continue;
        const auto answer =
            Messenger().Show(UnchosenItemsQuestion(), platform::Icon::None, platform::Buttons::OkCancel);
        return answer == platform::Answer::Ok ? platform::PageJump::Default() : platform::PageJump::Stay();
    }
    return platform::PageJump::Default();
}

}  // namespace corvane
