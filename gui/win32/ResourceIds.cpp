// The resource compiler cannot read the control id enumeration: resource.h
// repeats its values, and this checks that both agree.
#include "platform/ControlIds.h"
#include "resource.h"

namespace {

using corvane::platform::ControlId;

constexpr bool Same(int resourceId, ControlId id)
{
    return resourceId == static_cast<int>(id);
}

static_assert(Same(IDC_START_PICTURE, ControlId::StartPicture));
static_assert(Same(IDC_START_INTRO, ControlId::StartIntro));
static_assert(Same(IDC_MODE_GROUP, ControlId::ModeGroup));
static_assert(Same(IDC_STANDARD_MODE_RADIO, ControlId::StandardModeRadio));
static_assert(Same(IDC_STANDARD_MODE_NOTE, ControlId::StandardModeNote));
static_assert(Same(IDC_SIMPLE_MODE_RADIO, ControlId::SimpleModeRadio));
static_assert(Same(IDC_SIMPLE_MODE_NOTE, ControlId::SimpleModeNote));
static_assert(Same(IDC_EMPLOYEE_INTRO, ControlId::EmployeeIntro));
static_assert(Same(IDC_EMPLOYEE_GROUP, ControlId::EmployeeGroup));
static_assert(Same(IDC_EMPLOYEE_PATH, ControlId::EmployeePath));
static_assert(Same(IDC_EMPLOYEE_BROWSE, ControlId::EmployeeBrowse));
static_assert(Same(IDC_EMPLOYEE_GUIDE, ControlId::EmployeeGuide));
static_assert(Same(IDC_EMPLOYEE_FOLDER, ControlId::EmployeeFolder));
static_assert(Same(IDC_SALARY_INTRO, ControlId::SalaryIntro));
static_assert(Same(IDC_SALARY_LIST, ControlId::SalaryList));
static_assert(Same(IDC_SALARY_CLEAR, ControlId::SalaryClear));
static_assert(Same(IDC_SALARY_BROWSE, ControlId::SalaryBrowse));
static_assert(Same(IDC_SALARY_GUIDE, ControlId::SalaryGuide));
static_assert(Same(IDC_BONUS_INTRO, ControlId::BonusIntro));
static_assert(Same(IDC_BONUS_LABEL1, ControlId::BonusLabel1));
static_assert(Same(IDC_BONUS_LABEL5, ControlId::BonusLabel5));
static_assert(Same(IDC_BONUS_PATH1, ControlId::BonusPath1));
static_assert(Same(IDC_BONUS_PATH5, ControlId::BonusPath5));
static_assert(Same(IDC_BONUS_BROWSE1, ControlId::BonusBrowse1));
static_assert(Same(IDC_BONUS_BROWSE5, ControlId::BonusBrowse5));
static_assert(Same(IDC_BONUS_GUIDE, ControlId::BonusGuide));
static_assert(Same(IDC_BONUS_CLEAR, ControlId::BonusClear));
static_assert(Same(IDC_ITEMS_INTRO, ControlId::ItemsIntro));
static_assert(Same(IDC_ITEMS_LIST, ControlId::ItemsList));
static_assert(Same(IDC_ITEMS_BROWSE, ControlId::ItemsBrowse));
static_assert(Same(IDC_OUTPUT_GROUP, ControlId::OutputGroup));
static_assert(Same(IDC_YEAR_LABEL, ControlId::YearLabel));
static_assert(Same(IDC_YEAR_EDIT, ControlId::YearEdit));
static_assert(Same(IDC_LOCATION_LABEL, ControlId::LocationLabel));
static_assert(Same(IDC_LOCATION_EDIT, ControlId::LocationEdit));
static_assert(Same(IDC_NAME_LABEL, ControlId::NameLabel));
static_assert(Same(IDC_NAME_EDIT, ControlId::NameEdit));
static_assert(Same(IDC_OUTPUT_BROWSE, ControlId::OutputBrowse));
static_assert(Same(IDC_OUTPUT_PAGE_TEXT, ControlId::OutputPageText));
static_assert(Same(IDC_SEARCH_EDIT, ControlId::SearchEdit));
static_assert(Same(IDC_SEARCH_BUTTON, ControlId::SearchButton));
static_assert(Same(IDC_HEADING_LIST, ControlId::HeadingList));
static_assert(Same(IDC_EXPLANATION_GROUP, ControlId::ExplanationGroup));
static_assert(Same(IDC_EXPLANATION_TEXT, ControlId::ExplanationText));
static_assert(Same(IDC_DIALOG_OK, ControlId::DialogOk));
static_assert(Same(IDC_DIALOG_CANCEL, ControlId::DialogCancel));

}  // namespace
