#pragma once

#include <vector>

#include "platform/WizardLogic.h"

namespace corvane::platform {

// The page mechanics of a property-sheet wizard, for front ends (and tests)
// that have none of their own: it sends OnInitDialog and OnSetActive, carries
// out the jumps that the pages return and knows when the wizard has closed.
// The front end shows the page Current() after every call.
class WizardNavigator {
public:
    explicit WizardNavigator(WizardLogic& wizard);

    // Shows the start page. Call once, after the view is attached.
    void Start();

    // The buttons and the window's close box. Each returns the index of the
    // page shown afterwards (unchanged when the page stayed), or -1 once the
    // wizard has closed. A jump to an index outside the pages stays.
    int Next();
    int Back();
    int Finish();
    int Cancel();

    int Current() const { return m_current; }
    bool IsClosed() const { return m_closed; }
    // Valid once IsClosed().
    WizardResult Result() const { return m_result; }

private:
    int Jump(const PageJump& jump, int direction);
    void Activate(int index);

    WizardLogic& m_wizard;
    std::vector<bool> m_initialised;
    int m_current = -1;
    bool m_closed = false;
    WizardResult m_result = WizardResult::Cancelled;
};

}  // namespace corvane::platform
