#include "platform/Messenger.h"

namespace corvane::platform {

const std::string& AppTitle()
{
    static const std::string title = "ヴェルドfromソルマ給与";
    return title;
}

std::string Messenger::DisplayPath(const std::string& osPath) const
{
    std::string shown = m_codec ? m_codec->PathToText(osPath) : osPath;
    // No byte below 0x20 is part of a code page 932 character.
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return shown;
}

Answer Messenger::Show(const std::string& text, Icon icon, Buttons buttons) const
{
    return m_service.ShowMessage(AppTitle(), text, icon, buttons);
}

}  // namespace corvane::platform
