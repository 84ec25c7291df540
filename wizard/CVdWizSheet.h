#pragma once

#include <memory>
#include <string>

#include "items/CSormaItemCheck.h"
#include "job/Job.h"
#include "platform/Messenger.h"
#include "platform/Services.h"
#include "platform/WizardLogic.h"

namespace corvane {

class CVdWizPage1;
class CVdWizPage2;
class CVdWizPage3;
class CVdWizPage301;
class CVdWizPage31;
class CVdWizPage4;

// The wizard: six pages in a fixed order, the job that they fill in and the
// item choices.
class CVdWizSheet final : public platform::WizardLogic {
public:
    // Builds the pages and the job's seventeen slots, sets the default filing year
    // from the local date and loads the settings file next to the program.
    CVdWizSheet(const platform::Services& services, std::string caption, platform::WindowHandle parent,
                int startPage = 0);
    ~CVdWizSheet() override;
    CVdWizSheet(const CVdWizSheet&) = delete;
    CVdWizSheet& operator=(const CVdWizSheet&) = delete;

    // platform::WizardLogic
    const std::string& Caption() const override { return m_caption; }
    int PageCount() const override { return platform::kPageCount; }
    platform::PageLogic& Page(int index) override;
    int StartPage() const override { return m_startPage; }
    void AttachView(platform::WizardView* view) override { m_view = view; }

    platform::WindowHandle ParentWindow() const { return m_parent; }
    const platform::Services& Services() const { return m_services; }
    const platform::Messenger& Messenger() const { return m_messenger; }
    // The view of the shown wizard; only while the host has attached it.
    platform::WizardView& View() const { return *m_view; }

    // The job that the pages fill in; they read and write it here and keep no copy.
    job::Job& Job() { return m_job; }
    const job::Job& Job() const { return m_job; }
    CSormaItemCheck& Items() { return m_items; }

    // キャンセル, Escape or the close box on any page: true to close. Once a
    // file has been chosen the user is asked first, いいえ keeping the wizard open.
    bool ConfirmCancel() const;

private:
    const platform::Services& m_services;
    platform::Messenger m_messenger;
    std::string m_caption;
    platform::WindowHandle m_parent;
    int m_startPage;
    platform::WizardView* m_view = nullptr;

    job::Job m_job;
    CSormaItemCheck m_items;

    std::unique_ptr<CVdWizPage1> m_page1;
    std::unique_ptr<CVdWizPage2> m_page2;
    std::unique_ptr<CVdWizPage3> m_page3;
    std::unique_ptr<CVdWizPage301> m_page301;
    std::unique_ptr<CVdWizPage31> m_page31;
    std::unique_ptr<CVdWizPage4> m_page4;
};

}  // namespace corvane
