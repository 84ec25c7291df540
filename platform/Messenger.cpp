#include "platform/Messenger.h"

namespace corvane::platform {

const std::string& AppTitle()
{
    static const std::string title = "ヴェルドfromソルマ給与";
    return title;
}

Answer Messenger::Show(const std::string& text, Icon icon, Buttons buttons) const
{
    return m_service.ShowMessage(AppTitle(), text, icon, buttons);
}

Answer Messenger::Ask(const std::string& text, const std::string& details, Icon icon, Buttons buttons) const
{
    return m_service.ShowMessageWithDetails(AppTitle(), text, details, icon, buttons);
}

}  // namespace corvane::platform
