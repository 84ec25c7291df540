// The resource compiler cannot read the control id enumeration: the build
// writes the IDC_ names from the same list, and this checks that the two agree.
#include "platform/ControlIds.h"
#include "resource.h"

namespace {

using corvane::platform::ControlId;

#define CORVANE_PAGE_CONTROL(name, id, resource) \
    static_assert(resource == static_cast<int>(ControlId::name), #resource " differs from ControlId::" #name);
#define CORVANE_DIALOG_CONTROL(name, id, resource) CORVANE_PAGE_CONTROL(name, id, resource)
#include "platform/ControlIdList.h"
#undef CORVANE_PAGE_CONTROL
#undef CORVANE_DIALOG_CONTROL

static_assert(IDC_FINDINGS_ICON == static_cast<int>(ControlId::FindingsIcon));
static_assert(IDC_FINDINGS_QUESTION == static_cast<int>(ControlId::FindingsQuestion));
static_assert(IDC_FINDINGS_DETAILS_LABEL == static_cast<int>(ControlId::FindingsDetailsLabel));
static_assert(IDC_FINDINGS_DETAILS == static_cast<int>(ControlId::FindingsDetails));
static_assert(IDC_FINDINGS_COPY == static_cast<int>(ControlId::FindingsCopy));
static_assert(IDC_FINDINGS_CHECKLIST == static_cast<int>(ControlId::FindingsChecklist));
static_assert(IDC_FINDINGS_COPIED == static_cast<int>(ControlId::FindingsCopied));

}  // namespace
