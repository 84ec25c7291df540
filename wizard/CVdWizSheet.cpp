#include "wizard/CVdWizSheet.h"

#include "wizard/CVdWizPage1.h"
#include "wizard/CVdWizPage2.h"
#include "wizard/CVdWizPage3.h"
#include "wizard/CVdWizPage301.h"
#include "wizard/CVdWizPage31.h"
#include "wizard/CVdWizPage4.h"
#include "job/JobSteps.h"
#include "wizard/PageMessages.h"

namespace corvane {

CVdWizSheet::CVdWizSheet(const platform::Services& services, std::string caption, platform::WindowHandle parent,
                         int startPage)
    : m_services(services),
      m_messenger(services.messageBox, services.codec),
      m_caption(std::move(caption)),
      m_parent(parent),
      m_startPage(startPage),
      m_items(CSormaItemCheck::DefaultSettingsPath(services.system.ExecutablePath())),
      m_page1(std::make_unique<CVdWizPage1>(*this)),
      m_page2(std::make_unique<CVdWizPage2>(*this)),
      m_page3(std::make_unique<CVdWizPage3>(*this)),
      m_page301(std::make_unique<CVdWizPage301>(*this)),
      m_page31(std::make_unique<CVdWizPage31>(*this)),
      m_page4(std::make_unique<CVdWizPage4>(*this))
{
    m_job.filingYear = job::DefaultFilingYear(services.system.Today());
    m_items.LoadSettings();
}

CVdWizSheet::~CVdWizSheet() = default;

bool CVdWizSheet::ConfirmCancel() const
{
    // The output page is reached only with an employee list: the list and
    // the summaries tell whether anything was chosen.
    if (m_job.employeeList.empty() && job::ReferenceFile(m_job.slots).empty())
        return true;
    return m_messenger.Show(DiscardQuestion(), platform::Icon::Question, platform::Buttons::YesNo) ==
           platform::Answer::Yes;
}

platform::PageLogic& CVdWizSheet::Page(int index)
{
    switch (static_cast<platform::PageId>(index)) {
    case platform::PageId::Start:
        return *m_page1;
    case platform::PageId::EmployeeFile:
        return *m_page2;
    case platform::PageId::SalaryFiles:
        return *m_page3;
    case platform::PageId::BonusFiles:
        return *m_page301;
    case platform::PageId::ItemCorrespondence:
        return *m_page31;
    case platform::PageId::Output:
        break;
    }
    return *m_page4;
}

}  // namespace corvane
