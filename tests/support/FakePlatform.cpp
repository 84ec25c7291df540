#include "support/FakePlatform.h"

#include "fileio/FileStatus.h"

namespace corvane::test {

using platform::ControlId;
using platform::DialogOutcome;

std::string ControlName(ControlId id)
{
    return "#" + std::to_string(static_cast<int>(id));
}

// ---- FakeWizard ----

FakeWizard::FakeWizard(FakePlatform& platform, platform::WizardLogic& wizard, FakeControls& controls)
    : m_platform(platform), m_wizard(wizard), m_controls(controls), m_navigator(wizard)
{}

void FakeWizard::Start()
{
    m_navigator.Start();
    m_platform.Note("page " + std::to_string(Page()));
    m_platform.NotePage(Page());
}

bool FakeWizard::CanNext() const
{
    const unsigned b = Buttons();
    return (b & platform::kWizNext) && !(b & (platform::kWizFinish | platform::kWizDisabledFinish));
}

bool FakeWizard::CanBack() const
{
    return (Buttons() & platform::kWizBack) != 0;
}

bool FakeWizard::CanFinish() const
{
    return (Buttons() & platform::kWizFinish) != 0;
}

int FakeWizard::Record(const char* button, int before, int after)
{
    if (after == -1) {
        m_platform.Note(std::string(button) + ": closed");
    } else {
        m_platform.Note(std::string(button) + ": " + std::to_string(before) + " -> " + std::to_string(after));
        if (after != before)
            m_platform.NotePage(after);
    }
    return after;
}

int FakeWizard::Next()
{
    if (IsClosed() || !CanNext()) {
        m_platform.Fault("次へ pressed while disabled on page " + std::to_string(Page()));
        return IsClosed() ? -1 : Page();
    }
    const int before = Page();
    return Record("next", before, m_navigator.Next());
}

int FakeWizard::Back()
{
    if (IsClosed() || !CanBack()) {
        m_platform.Fault("戻る pressed while disabled on page " + std::to_string(Page()));
        return IsClosed() ? -1 : Page();
    }
    const int before = Page();
    return Record("back", before, m_navigator.Back());
}

int FakeWizard::Finish()
{
    if (IsClosed() || !CanFinish()) {
        m_platform.Fault("完了 pressed while disabled on page " + std::to_string(Page()));
        return IsClosed() ? -1 : Page();
    }
    const int before = Page();
    return Record("finish", before, m_navigator.Finish());
}

int FakeWizard::Cancel()
{
    if (IsClosed()) {
        m_platform.Fault("キャンセル pressed after the wizard closed");
        return -1;
    }
    const int before = Page();
    return Record("cancel", before, m_navigator.Cancel());
}

bool FakeWizard::Usable(ControlId id, const char* action)
{
    if (IsClosed()) {
        m_platform.Fault(std::string(action) + " " + ControlName(id) + " after the wizard closed");
        return false;
    }
    if (!m_controls.IsEnabled(id)) {
        m_platform.Fault(std::string(action) + " " + ControlName(id) + " while disabled");
        return false;
    }
    return true;
}

void FakeWizard::Press(ControlId id)
{
    if (!Usable(id, "press"))
        return;
    m_controls.SetFocus(id);
    m_platform.Note("press " + ControlName(id));
    m_wizard.Page(Page()).OnCommand(id);
}

void FakeWizard::Command(ControlId id)
{
    if (!Usable(id, "command"))
        return;
    m_platform.Note("command " + ControlName(id));
    m_wizard.Page(Page()).OnCommand(id);
}

void FakeWizard::DoubleClick(ControlId list)
{
    if (!Usable(list, "double click"))
        return;
    m_controls.SetFocus(list);
    m_platform.Note("double click " + ControlName(list));
    m_wizard.Page(Page()).OnDoubleClick(list);
}

void FakeWizard::Type(ControlId id, const std::string& text)
{
    if (!Usable(id, "type into"))
        return;
    m_controls.SetFocus(id);
    m_controls.SetText(id, text);
    m_platform.Note("type " + ControlName(id) + " " + text);
    m_wizard.Page(Page()).OnTextChanged(id);
}

void FakeWizard::Drop(const std::vector<std::string>& paths, ControlId target, int row)
{
    m_platform.Note("drop " + std::to_string(paths.size()) + " on " + ControlName(target));
    m_wizard.Page(Page()).OnDropFiles(target, row, paths);
}

void FakeWizard::Check(ControlId radio)
{
    if (!Usable(radio, "check"))
        return;
    m_controls.SetFocus(radio);
    m_controls.SetCheck(radio, true);
}

void FakeWizard::SelectRows(ControlId list, const std::vector<int>& rows)
{
    if (!Usable(list, "select in"))
        return;
    m_controls.SetFocus(list);
    m_controls.ListDeselectAll(list);
    for (const int row : rows)
        m_controls.ListSetSelected(list, row, true);
    if (!rows.empty())
        m_controls.ListSetFocusedRow(list, rows.back());
}

void FakeWizard::ForceClose()
{
    if (!IsClosed())
        m_navigator.Cancel();
}

// ---- FakeDialog ----

FakeDialog::FakeDialog(FakePlatform& platform, platform::DialogLogic& dialog, FakeControls& controls)
    : m_platform(platform), m_dialog(dialog), m_controls(controls)
{}

void FakeDialog::Apply(DialogOutcome outcome)
{
    m_outcome = outcome;
}

void FakeDialog::Press(ControlId id)
{
    if (IsClosed()) {
        m_platform.Fault("dialog: press " + ControlName(id) + " after it closed");
        return;
    }
    m_controls.SetFocus(id);
    if (id == ControlId::DialogOk)
        Apply(m_dialog.OnOk());
    else if (id == ControlId::DialogCancel)
        Apply(m_dialog.OnCancel());
    else
        Apply(m_dialog.OnCommand(id));
}

void FakeDialog::DoubleClick(ControlId list)
{
    if (IsClosed()) {
        m_platform.Fault("dialog: double click after it closed");
        return;
    }
    Apply(m_dialog.OnDoubleClick(list));
}

void FakeDialog::Ok()
{
    Press(ControlId::DialogOk);
}

void FakeDialog::Cancel()
{
    Press(ControlId::DialogCancel);
}

// ---- FakePlatform ----

FakePlatform::FakePlatform()
{
    m_wizardControls.OnButtons([this](unsigned flags) { Note("buttons " + std::to_string(flags)); });
}

FakePlatform::~FakePlatform() = default;

platform::Services FakePlatform::Services(const platform::TextCodec* codec)
{
    return platform::Services{*this, *this, *this, *this, *this, *this, *this, *this, codec};
}

std::vector<std::string> FakePlatform::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const auto& m : m_messages)
        texts.push_back(m.text);
    return texts;
}

std::vector<std::string> FakePlatform::Errors() const
{
    std::vector<std::string> errors = m_errors;
    for (const auto& f : m_wizardControls.Faults())
        errors.push_back("wizard: " + f);
    for (const auto& controls : m_dialogControls)
        for (const auto& f : controls->Faults())
            errors.push_back("dialog: " + f);
    if (!m_openAnswers.empty())
        errors.push_back(std::to_string(m_openAnswers.size()) + " open-file answers unused");
    if (!m_saveAnswers.empty())
        errors.push_back(std::to_string(m_saveAnswers.size()) + " save-file answers unused");
    if (!m_folderAnswers.empty())
        errors.push_back(std::to_string(m_folderAnswers.size()) + " folder answers unused");
    if (!m_answers.empty())
        errors.push_back(std::to_string(m_answers.size()) + " message answers unused");
    if (!m_findingsPresses.empty())
        errors.push_back(std::to_string(m_findingsPresses.size()) + " findings box presses unused");
    if (!m_dialogScripts.empty())
        errors.push_back(std::to_string(m_dialogScripts.size()) + " dialog scripts unused");
    if (m_waitDepth != 0)
        errors.push_back("wait cursor left on");
    return errors;
}

platform::Answer FakePlatform::ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                           platform::Buttons buttons)
{
    Record({caption, text, icon, buttons, m_waitDepth, std::string()});
    return NextAnswer();
}

platform::Answer FakePlatform::ShowFindings(const platform::FindingsBox& box)
{
    Message message{box.caption, box.question, platform::Icon::Warning, platform::Buttons::YesNo,
                    m_waitDepth, box.details};
    message.findingsBox = true;
    message.offersChecklist = static_cast<bool>(box.showChecklist);
    Record(std::move(message));
    if (!m_findingsPresses.empty()) {
        const std::vector<FindingsPress> presses = std::move(m_findingsPresses.front());
        m_findingsPresses.pop_front();
        for (const FindingsPress press : presses) {
            if (press == FindingsPress::Copy) {
                m_copies.push_back(box.details);
                Note("copied the findings");
            } else if (box.showChecklist) {
                Note("check list button");
                box.showChecklist();
            } else {
                Fault("the findings box has no check list button");
            }
        }
    }
    return NextAnswer();
}

void FakePlatform::Record(Message message)
{
    Note("message " + message.text);
    m_messages.push_back(std::move(message));
}

platform::Answer FakePlatform::NextAnswer()
{
    const Message& message = m_messages.back();
    if (message.buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (m_answers.empty()) {
        Fault("unscripted question: " + message.text);
        return platform::Answer::Cancel;
    }
    const auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<std::vector<std::string>> FakePlatform::OpenFiles(const platform::OpenFileRequest& request)
{
    m_openRequests.push_back(request);
    Note("open dialog " + request.title);
    if (m_openAnswers.empty()) {
        Fault("unscripted open-file dialog: " + request.title);
        return std::nullopt;
    }
    auto answer = m_openAnswers.front();
    m_openAnswers.pop_front();
    if (answer && !request.multiSelect && answer->size() != 1)
        Fault("several files answered to a single-selection dialog");
    return answer;
}

std::optional<std::string> FakePlatform::ChooseFolder(const platform::FolderRequest& request)
{
    m_folderRequests.push_back(request);
    Note("folder dialog " + request.title);
    if (m_folderAnswers.empty()) {
        Fault("unscripted folder dialog: " + request.title);
        return std::nullopt;
    }
    auto answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::SaveFile(const platform::SaveFileRequest& request)
{
    m_saveRequests.push_back(request);
    Note("save dialog " + request.title);
    if (m_saveAnswers.empty()) {
        Fault("unscripted save dialog: " + request.title);
        return std::nullopt;
    }
    auto answer = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return answer;
}

void FakePlatform::BeginWaitCursor()
{
    ++m_waitDepth;
    ++m_waitBegins;
    Note("wait on");
}

void FakePlatform::EndWaitCursor()
{
    if (m_waitDepth == 0)
        Fault("wait cursor ended that was not shown");
    else
        --m_waitDepth;
    Note("wait off");
}

bool FakePlatform::Open(const std::string& path)
{
    m_shellOpened.push_back(path);
    Note("shell open " + path);
    return !m_shellFails;
}

bool FakePlatform::FileExists(const std::string& path) const
{
    return fileio::FileExists(path);
}

std::optional<std::string> FakePlatform::VolumeLabel(const std::string& drive) const
{
    const auto it = m_volumeLabels.find(drive);
    if (it == m_volumeLabels.end())
        return std::nullopt;
    return it->second;
}

bool FakePlatform::Exists(platform::WindowHandle) const
{
    return m_callerWindowExists;
}

void FakePlatform::Disable(platform::WindowHandle window)
{
    Note("caller disable " + std::to_string(window));
}

void FakePlatform::Enable(platform::WindowHandle window)
{
    Note("caller enable " + std::to_string(window));
}

void FakePlatform::BringToForeground(platform::WindowHandle window)
{
    Note("caller foreground " + std::to_string(window));
}

void FakePlatform::Post(platform::WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam)
{
    Note("caller post " + std::to_string(window) + " " + std::to_string(message) + " " + std::to_string(wparam) + " " +
         std::to_string(lparam));
}

bool FakePlatform::Initialize()
{
    ++m_comInits;
    Note(m_comFails ? "com init failed" : "com init");
    return !m_comFails;
}

void FakePlatform::Uninitialize()
{
    ++m_comUninits;
    Note("com uninit");
}

platform::WizardResult FakePlatform::RunWizard(platform::WizardLogic& wizard, platform::WindowHandle parent)
{
    ++m_wizardRuns;
    m_wizardParent = parent;
    m_wizardCaption = wizard.Caption();
    Note("wizard shown parent=" + std::to_string(parent));
    wizard.AttachView(&m_wizardControls);
    FakeWizard driver(*this, wizard, m_wizardControls);
    driver.Start();
    if (m_wizardScript)
        m_wizardScript(driver);
    if (!driver.IsClosed()) {
        Fault("the script ended with the wizard open on page " + std::to_string(driver.Page()));
        driver.ForceClose();
    }
    wizard.AttachView(nullptr);
    const auto result = driver.Result();
    Note(result == platform::WizardResult::Finished ? "wizard finished" : "wizard cancelled");
    return result;
}

platform::DialogOutcome FakePlatform::RunDialog(platform::DialogLogic& dialog)
{
    ++m_dialogRuns;
    Note("dialog shown " + dialog.Title());
    m_dialogControls.push_back(std::make_unique<FakeControls>());
    FakeControls& controls = *m_dialogControls.back();
    dialog.OnInitDialog(controls);
    FakeDialog driver(*this, dialog, controls);
    if (m_dialogScripts.empty()) {
        Fault("unscripted dialog: " + dialog.Title());
    } else {
        auto script = std::move(m_dialogScripts.front());
        m_dialogScripts.pop_front();
        script(driver);
    }
    if (!driver.IsClosed()) {
        Fault("the dialog script ended with the dialog open");
        return DialogOutcome::Cancel;
    }
    Note(driver.Outcome() == DialogOutcome::Ok ? "dialog ok" : "dialog cancel");
    return driver.Outcome();
}

}  // namespace corvane::test
