#include "wizard/CVdWizPage4.h"

#include "checklist/CheckListFile.h"
#include "fileio/FileStatus.h"
#include "platform/WaitCursor.h"
#include "wizard/CheckListSteps.h"
#include "wizard/FileFilters.h"
#include "job/JobSteps.h"
#include "wizard/OutputPathDisplay.h"
#include "wizard/PageMessages.h"

namespace corvane {

using platform::ControlId;

void CVdWizPage4::OnInitDialog()
{
    // Checked for every run: the settings file keeps no state of it.
    View().SetCheck(ControlId::CheckListBox, true);
}

void CVdWizPage4::OnSetActive()
{
    auto& view = View();
    SetWizardButtons(platform::kWizBack | platform::kWizDisabledFinish);
    if (Sheet().Job().functionId == job::kStartedByCaller) {
        for (const auto id : {ControlId::LocationEdit, ControlId::NameEdit, ControlId::OutputBrowse,
                              ControlId::OutputGroup, ControlId::LocationLabel, ControlId::NameLabel})
            view.Enable(id, false);
        view.SetText(ControlId::OutputPageText, CallerOutputPageText());
    } else {
        view.SetText(ControlId::OutputPageText,
                     "作成するデータの保存先と名称を入力して、[完了]ボタンを押してください。\n"
                     "年調･法定調書データの作成を開始します。");
    }
    ShowDefaultYear();
    view.SetText(ControlId::YearEdit, Sheet().Job().filingYear);
    ShowOutputPath();
}

void CVdWizPage4::ShowDefaultYear()
{
    const platform::LocalDate today = Services().system.Today();
    std::string& year = Sheet().Job().filingYear;
    if (year != m_defaultYear && year != job::DefaultFilingYear(today))
        return;
    year = job::DefaultFilingYear(Sheet().Job().slots, today);
    m_defaultYear = year;
}

void CVdWizPage4::ShowOutputPath()
{
    auto& view = View();
    const std::string& path = Sheet().Job().outputPath;
    // The field shows the folder's last part: where that is, in whole.
    view.SetToolTip(ControlId::LocationEdit, outputpath::FolderOf(path));
    if (path.empty()) {
        view.SetText(ControlId::LocationEdit, "");
        view.SetText(ControlId::NameEdit, "");
    } else {
        const auto& system = Services().system;
        view.SetText(ControlId::LocationEdit,
                     outputpath::LocationText(outputpath::FolderOf(path), [&system](const std::string& drive) {
                         return system.VolumeLabel(drive);
                     }));
        view.SetText(ControlId::NameEdit, outputpath::FileNameOf(path));
    }
    // Setting the name is a change of it like any other.
    CheckName();
}

void CVdWizPage4::OnTextChanged(ControlId id)
{
    if (id == ControlId::NameEdit)
        CheckName();
}

void CVdWizPage4::CheckName()
{
    auto& view = View();
    const std::string location = view.GetText(ControlId::LocationEdit);
    const std::string name = view.GetText(ControlId::NameEdit);
    if (location.empty() || name.empty() || outputpath::HasForbiddenCharacter(name)) {
        SetWizardButtons(platform::kWizBack | platform::kWizDisabledFinish);
        return;
    }
    SetWizardButtons(platform::kWizBack | platform::kWizFinish);
    std::string& path = Sheet().Job().outputPath;
    if (name == outputpath::FileNameOf(path))
        return;
    path = outputpath::WithFileName(path, name);
}

void CVdWizPage4::OnCommand(ControlId id)
{
    if (id == ControlId::OutputBrowse)
        Browse();
}

void CVdWizPage4::Browse()
{
    platform::SaveFileRequest request;
    request.title = "名前を付けて保存";
    request.filter = IntermediateFileFilter();
    request.defaultExtension = "XML";
    const job::Job& job = Sheet().Job();
    if (!job.outputPath.empty()) {
        request.initialFileName = job.outputPath;
    } else {
        // A name typed before 参照 is the one proposed; else the company's.
        const std::string typed = View().GetText(ControlId::NameEdit);
        const auto* codec = Services().codec;
        const std::string name = !typed.empty() && !outputpath::HasForbiddenCharacter(typed)
                                     ? outputpath::WithFileName("", typed)
                                     : (codec ? codec->TextToPath(job.companyName) : job.companyName) + ".XML";
        // The company's own folder, not the one the last client's file went to.
        const std::string folder = fileio::DirectoryOf(job.employeeList);
        request.initialFileName = folder.empty() ? name : fileio::JoinPath(folder, name);
    }
    const auto chosen = Services().fileDialogs.SaveFile(request);
    if (!chosen)
        return;
    Sheet().Job().outputPath = *chosen;
    ShowOutputPath();
}

platform::PageJump CVdWizPage4::OnWizardBack()
{
    Sheet().Job().filingYear = job::HalfWidthDigits(View().GetText(ControlId::YearEdit));
    const std::string reference = job::ReferenceFile(Sheet().Job().slots);
    if (reference.empty() || Sheet().Items().HeadingsMatchStandardLayout(reference))
        return platform::PageJump::To(platform::PageId::BonusFiles);
    return platform::PageJump::Default();
}

bool CVdWizPage4::OnWizardFinish()
{
    job::Job& job = Sheet().Job();
    const auto& system = Services().system;
    const job::Refusal refusal = job::CheckBeforeConversion(
        job, Sheet().Items().SettingsPath(), [&system](const std::string& p) { return system.FileExists(p); },
        Messenger());
    if (refusal) {
        Messenger().Show(refusal.message, refusal.icon);
        return false;
    }

    platform::WaitCursor wait(Services().waitCursor);
    const std::string year = job::HalfWidthDigits(View().GetText(ControlId::YearEdit));
    if (!job::IsValidFilingYear(year)) {
        Messenger().Show(job::FilingYearRefusedMessage(), platform::Icon::None);
        return false;
    }
    job.filingYear = year;

    // The check list of what is about to be written, for the clerk to read
    // before answering.
    const auto review = [this, &job](const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store) {
        return job::ConfirmFindings(findings, Messenger(), [&] {
            ShowCheckListBeforeWriting({job, Sheet().Items(), findings, store, TextCodecOf(Services())}, Services(),
                                       Messenger());
        });
    };
    job::AfterConversion after;
    if (View().IsChecked(ControlId::CheckListBox)) {
        after = [this, &job](const std::vector<preflight::Finding>& findings, const CExportXMLVeld& store) {
            return WriteAndOpenCheckList({job, Sheet().Items(), findings, store, TextCodecOf(Services())}, Services(),
                                         Messenger());
        };
    }
    const auto outcome = job::RunConversion(job, Sheet().Items(), Messenger(), review, after);
    if (!outcome.converted)
        return false;
    // The intermediate file stands; only the remembered correspondence is lost.
    if (outcome.settingsError != fileio::WriteError::None)
        Messenger().Warn(job::SettingsNotSavedMessage(Sheet().Items().SettingsPath(), Messenger()));
    return true;
}

}  // namespace corvane
