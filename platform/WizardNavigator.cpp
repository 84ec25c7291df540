#include "platform/WizardNavigator.h"

namespace corvane::platform {

WizardNavigator::WizardNavigator(WizardLogic& wizard)
    : m_wizard(wizard), m_initialised(static_cast<std::size_t>(wizard.PageCount()), false)
{}

void WizardNavigator::Start()
{
    Activate(m_wizard.StartPage());
}

void WizardNavigator::Activate(int index)
{
    PageLogic& page = m_wizard.Page(index);
    m_current = index;
    if (!m_initialised[static_cast<std::size_t>(index)]) {
        m_initialised[static_cast<std::size_t>(index)] = true;
        page.OnInitDialog();
    }
    page.OnSetActive();
}

int WizardNavigator::Jump(const PageJump& jump, int direction)
{
    int target = m_current;
    switch (jump.kind) {
    case PageJump::Kind::Stay:
        return m_current;
    case PageJump::Kind::Default:
        target = m_current + direction;
        break;
    case PageJump::Kind::ToPage:
        target = jump.page;
        break;
    }
    if (target < 0 || target >= m_wizard.PageCount())
        return m_current;
    Activate(target);
    return m_current;
}

int WizardNavigator::Next()
{
    if (m_closed)
        return -1;
    return Jump(m_wizard.Page(m_current).OnWizardNext(), +1);
}

int WizardNavigator::Back()
{
    if (m_closed)
        return -1;
    return Jump(m_wizard.Page(m_current).OnWizardBack(), -1);
}

int WizardNavigator::Finish()
{
    if (m_closed)
        return -1;
    if (!m_wizard.Page(m_current).OnWizardFinish())
        return m_current;
    m_closed = true;
    m_result = WizardResult::Finished;
    return -1;
}

int WizardNavigator::Cancel()
{
    if (m_closed)
        return -1;
    if (!m_wizard.Page(m_current).OnQueryCancel())
        return m_current;
    m_closed = true;
    m_result = WizardResult::Cancelled;
    return -1;
}

}  // namespace corvane::platform
