#include "convert/StreamMessageBox.h"

namespace corvane::convert {

platform::Answer StreamMessageBox::ShowMessage(const std::string& /*caption*/, const std::string& text,
                                               platform::Icon icon, platform::Buttons buttons)
{
    if (icon != platform::Icon::Information)
        m_lastProblem = text;
    std::ostream& stream = icon == platform::Icon::Information ? m_out : m_err;
    stream << m_codec.TextToUtf8(text) << '\n';
    stream.flush();
    return buttons == platform::Buttons::OkCancel ? platform::Answer::Cancel : platform::Answer::Ok;
}

}  // namespace corvane::convert
