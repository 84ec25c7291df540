#pragma once

#include <memory>
#include <string>

#include "items/CSormaItemCheck.h"
#include "platform/Messenger.h"
#include "platform/Services.h"
#include "platform/WizardLogic.h"
#include "job/CSyuukeiDataFile.h"

namespace corvane {

class CVdWizPage1;
class CVdWizPage2;
class CVdWizPage3;
class CVdWizPage301;
class CVdWizPage31;
class CVdWizPage4;

// The wizard: six pages in a fixed order and the job state that they fill
// in. Pages read and write the state here directly and keep no copy.
class CVdWizSheet final : public platform::WizardLogic {
public:
    // Builds the pages and the seventeen slots, sets the default filing year
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

    // The job state.
    int FunctionId() const { return m_functionId; }
    void SetFunctionId(int id) { m_functionId = id; }
    const std::string& OutputPath() const { return m_outputPath; }
    void SetOutputPath(std::string path) { m_outputPath = std::move(path); }
    const std::string& CompanyName() const { return m_companyName; }
    void SetCompanyName(std::string name) { m_companyName = std::move(name); }
    const std::string& FilingYear() const { return m_filingYear; }
    void SetFilingYear(std::string year) { m_filingYear = std::move(year); }
    const std::string& EmployeeListPath() const { return m_employeeListPath; }
    void SetEmployeeListPath(std::string path) { m_employeeListPath = std::move(path); }
    SummarySlots& Slots() { return m_slots; }
    const SummarySlots& Slots() const { return m_slots; }
    CSormaItemCheck& Items() { return m_items; }
    // 1 for 標準モード, 0 for 簡易モード; written by the start page's 次へ.
    int StandardModeFlag() const { return m_standardModeFlag; }
    void SetStandardModeFlag(int flag) { m_standardModeFlag = flag; }

private:
    const platform::Services& m_services;
    platform::Messenger m_messenger;
    std::string m_caption;
    platform::WindowHandle m_parent;
    int m_startPage;
    platform::WizardView* m_view = nullptr;

    int m_functionId = 0;
    std::string m_outputPath;
    std::string m_companyName;
    std::string m_filingYear;
    std::string m_employeeListPath;
    SummarySlots m_slots;
    CSormaItemCheck m_items;
    int m_standardModeFlag = 1;

    std::unique_ptr<CVdWizPage1> m_page1;
    std::unique_ptr<CVdWizPage2> m_page2;
    std::unique_ptr<CVdWizPage3> m_page3;
    std::unique_ptr<CVdWizPage301> m_page301;
    std::unique_ptr<CVdWizPage31> m_page31;
    std::unique_ptr<CVdWizPage4> m_page4;
};

}  // namespace corvane
