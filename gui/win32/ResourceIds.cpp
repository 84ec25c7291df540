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

}  // namespace
