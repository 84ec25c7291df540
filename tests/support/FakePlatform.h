#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/WizardNavigator.h"
#include "support/FakeControls.h"

namespace corvane::test {

class FakePlatform;

// What the scripted user can do while the wizard is shown. Pressing a
// button or control that is disabled is refused and recorded as an error.
class FakeWizard {
public:
    FakeWizard(FakePlatform& platform, platform::WizardLogic& wizard, FakeControls& controls);

    int Page() const { return m_navigator.Current(); }
    bool IsClosed() const { return m_navigator.IsClosed(); }
    unsigned Buttons() const { return m_controls.WizardButtons(); }
    bool CanNext() const;
    bool CanBack() const;
    bool CanFinish() const;

    // The sheet's buttons; each returns the page shown afterwards, -1 once closed.
    int Next();
    int Back();
    int Finish();
    int Cancel();

    // A button of the page: it takes the focus, then its command runs.
    void Press(platform::ControlId id);
    // A command that leaves the focus where it is (an accelerator key, or a
    // toolkit whose buttons take no focus).
    void Command(platform::ControlId id);
    void DoubleClick(platform::ControlId list);
    // Replaces a field's text as typing would, then notifies the page.
    void Type(platform::ControlId id, const std::string& text);
    void Check(platform::ControlId radio);
    // Files or folders dropped on `target` (None: beside every control) at
    // list row `row`; the focus stays where it is.
    void Drop(const std::vector<std::string>& paths, platform::ControlId target = platform::ControlId::None,
              int row = -1);
    void Focus(platform::ControlId id) { m_controls.SetFocus(id); }
    // Selects exactly `rows`; the last one gets the focus rectangle.
    void SelectRows(platform::ControlId list, const std::vector<int>& rows);

    FakeControls& Controls() { return m_controls; }
    std::string Text(platform::ControlId id) const { return m_controls.GetText(id); }
    bool Enabled(platform::ControlId id) const { return m_controls.IsEnabled(id); }

    void Start();
    void ForceClose();
    platform::WizardResult Result() const { return m_navigator.Result(); }

private:
    int Record(const char* button, int before, int after);
    bool Usable(platform::ControlId id, const char* action);

    FakePlatform& m_platform;
    platform::WizardLogic& m_wizard;
    FakeControls& m_controls;
    platform::WizardNavigator m_navigator;
};

// What the scripted user can do in a modal dialog.
class FakeDialog {
public:
    FakeDialog(FakePlatform& platform, platform::DialogLogic& dialog, FakeControls& controls);

    void Press(platform::ControlId id);
    void DoubleClick(platform::ControlId list);
    void Type(platform::ControlId id, const std::string& text) { m_controls.SetText(id, text); }
    void Select(platform::ControlId list, int item) { m_controls.ListBoxSetSelection(list, item); }
    void Ok();
    void Cancel();

    bool IsClosed() const { return m_outcome != platform::DialogOutcome::Stay; }
    platform::DialogOutcome Outcome() const { return m_outcome; }
    FakeControls& Controls() { return m_controls; }
    std::string Text(platform::ControlId id) const { return m_controls.GetText(id); }
    std::vector<std::string> Items() const { return m_controls.ListBoxItems(platform::ControlId::HeadingList); }
    int Selection() const { return m_controls.ListBoxSelection(platform::ControlId::HeadingList); }
    const std::string& Title() const { return m_dialog.Title(); }

private:
    void Apply(platform::DialogOutcome outcome);

    FakePlatform& m_platform;
    platform::DialogLogic& m_dialog;
    FakeControls& m_controls;
    platform::DialogOutcome m_outcome = platform::DialogOutcome::Stay;
};

// A scripted platform: it answers file dialogs, message boxes and modal
// dialogs from queues, runs the wizard through a script, and records every
// message, button state, page jump, dialog request and call to the caller's
// window in one log.
class FakePlatform final : public platform::MessageBoxService,
                           public platform::FileDialogService,
                           public platform::WaitCursorService,
                           public platform::ShellService,
                           public platform::SystemService,
                           public platform::CallerWindowService,
                           public platform::ComService,
                           public platform::WizardHost {
public:
    struct Message {
        std::string caption;
        std::string text;
        platform::Icon icon;
        platform::Buttons buttons;
        int waitDepth;  // wait cursors active while it was shown
        std::string details;
        bool findingsBox = false;      // shown by ShowFindings
        bool offersChecklist = false;  // the findings box had its 確認表 button
    };
    // The findings box's own buttons, pressed before the box is answered.
    enum class FindingsPress { Copy, Checklist };

    FakePlatform();
    ~FakePlatform() override;

    platform::Services Services(const platform::TextCodec* codec = nullptr);

    // Scripts and answers.
    using WizardScript = std::function<void(FakeWizard&)>;
    using DialogScript = std::function<void(FakeDialog&)>;
    void ScriptWizard(WizardScript script) { m_wizardScript = std::move(script); }
    void QueueDialog(DialogScript script) { m_dialogScripts.push_back(std::move(script)); }
    void QueueOpen(std::vector<std::string> paths) { m_openAnswers.emplace_back(std::move(paths)); }
    void QueueOpenCancel() { m_openAnswers.emplace_back(std::nullopt); }
    void QueueFolder(std::string path) { m_folderAnswers.emplace_back(std::move(path)); }
    void QueueFolderCancel() { m_folderAnswers.emplace_back(std::nullopt); }
    void QueueSave(std::string path) { m_saveAnswers.emplace_back(std::move(path)); }
    void QueueSaveCancel() { m_saveAnswers.emplace_back(std::nullopt); }
    // Answers for OK/Cancel message boxes; OK-only boxes are answered OK.
    void QueueAnswer(platform::Answer answer) { m_answers.push_back(answer); }
    // Buttons pressed in the next findings box before its queued answer.
    void QueueFindingsPresses(std::vector<FindingsPress> presses) { m_findingsPresses.push_back(std::move(presses)); }

    // The system as the program sees it.
    void SetExecutablePath(std::string path) { m_executablePath = std::move(path); }
    void SetCommandLine(std::string line) { m_commandLine = std::move(line); }
    void SetToday(platform::LocalDate date) { m_today = date; }
    void SetVolumeLabel(const std::string& drive, std::string label) { m_volumeLabels[drive] = std::move(label); }
    void SetComFails(bool fails) { m_comFails = fails; }
    // No program opens what the shell is asked to open.
    void SetShellFails(bool fails) { m_shellFails = fails; }
    // Whether the caller's handle names a window (it may change while the wizard is open).
    void SetCallerWindowExists(bool exists) { m_callerWindowExists = exists; }

    // Records.
    const std::vector<std::string>& Log() const { return m_log; }
    const std::vector<Message>& Messages() const { return m_messages; }
    std::vector<std::string> MessageTexts() const;
    // Takes the last message shown off the record.
    void ForgetLastMessage() { m_messages.pop_back(); }
    const std::vector<platform::OpenFileRequest>& OpenRequests() const { return m_openRequests; }
    const std::vector<platform::FolderRequest>& FolderRequests() const { return m_folderRequests; }
    const std::vector<platform::SaveFileRequest>& SaveRequests() const { return m_saveRequests; }
    const std::vector<std::string>& ShellOpened() const { return m_shellOpened; }
    // Every text the findings box put on the clipboard.
    const std::vector<std::string>& Copies() const { return m_copies; }
    // Every page shown, in order (the start page first).
    const std::vector<int>& PageHistory() const { return m_pageHistory; }
    FakeControls& WizardControls() { return m_wizardControls; }
    bool WizardShown() const { return m_wizardRuns > 0; }
    int WizardRuns() const { return m_wizardRuns; }
    platform::WindowHandle WizardParent() const { return m_wizardParent; }
    const std::string& WizardCaption() const { return m_wizardCaption; }
    int WaitDepth() const { return m_waitDepth; }
    int WaitCursorsShown() const { return m_waitBegins; }
    int DialogRuns() const { return m_dialogRuns; }
    int ComInitialisations() const { return m_comInits; }
    int ComUninitialisations() const { return m_comUninits; }
    // Faults of the script or of the logic (a disabled button pressed, a
    // dialog nobody scripted, answers left unused, a row out of range).
    std::vector<std::string> Errors() const;

    // The services.
    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
    platform::Answer ShowFindings(const platform::FindingsBox& box) override;
    std::optional<std::vector<std::string>> OpenFiles(const platform::OpenFileRequest& request) override;
    std::optional<std::string> SaveFile(const platform::SaveFileRequest& request) override;
    std::optional<std::string> ChooseFolder(const platform::FolderRequest& request) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    bool Open(const std::string& path) override;
    std::string ExecutablePath() const override { return m_executablePath; }
    bool FileExists(const std::string& path) const override;
    std::optional<std::string> VolumeLabel(const std::string& drive) const override;
    platform::LocalDate Today() const override { return m_today; }
    std::string CommandLine() const override { return m_commandLine; }
    bool Exists(platform::WindowHandle window) const override;
    void Disable(platform::WindowHandle window) override;
    void Enable(platform::WindowHandle window) override;
    void BringToForeground(platform::WindowHandle window) override;
    void Post(platform::WindowHandle window, int message, std::intptr_t wparam, std::intptr_t lparam) override;
    bool Initialize() override;
    void Uninitialize() override;
    platform::WizardResult RunWizard(platform::WizardLogic& wizard, platform::WindowHandle parent) override;
    platform::DialogOutcome RunDialog(platform::DialogLogic& dialog) override;

    // Used by the drivers.
    void Note(const std::string& entry) { m_log.push_back(entry); }
    void Fault(const std::string& error) { m_errors.push_back(error); }
    void NotePage(int page) { m_pageHistory.push_back(page); }

private:
    void Record(Message message);
    // The queued answer to the last message (OK for an OK-only box).
    platform::Answer NextAnswer();

    WizardScript m_wizardScript;
    std::deque<DialogScript> m_dialogScripts;
    std::deque<std::optional<std::vector<std::string>>> m_openAnswers;
    std::deque<std::optional<std::string>> m_folderAnswers;
    std::deque<std::optional<std::string>> m_saveAnswers;
    std::deque<platform::Answer> m_answers;
    std::deque<std::vector<FindingsPress>> m_findingsPresses;
    std::vector<std::string> m_copies;

    std::string m_executablePath;
    std::string m_commandLine;
    platform::LocalDate m_today{2014, 6, 1};
    std::map<std::string, std::string> m_volumeLabels;
    bool m_comFails = false;
    bool m_shellFails = false;
    bool m_callerWindowExists = true;

    std::vector<std::string> m_log;
    std::vector<Message> m_messages;
    std::vector<platform::OpenFileRequest> m_openRequests;
    std::vector<platform::FolderRequest> m_folderRequests;
    std::vector<platform::SaveFileRequest> m_saveRequests;
    std::vector<std::string> m_shellOpened;
    std::vector<int> m_pageHistory;
    std::vector<std::string> m_errors;
    FakeControls m_wizardControls;
    std::vector<std::unique_ptr<FakeControls>> m_dialogControls;
    platform::WindowHandle m_wizardParent = platform::kNoWindow;
    std::string m_wizardCaption;
    int m_wizardRuns = 0;
    int m_waitDepth = 0;
    int m_waitBegins = 0;
    int m_dialogRuns = 0;
    int m_comInits = 0;
    int m_comUninits = 0;
};

// A short name of a control id for the log ("#1101").
std::string ControlName(platform::ControlId id);

}  // namespace corvane::test
