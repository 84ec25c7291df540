#include "convert/StreamMessageBox.h"

namespace corvane::convert {

platform::Answer StreamMessageBox::ShowMessage(const std::string& /*caption*/, const std::string& text,
                                               platform::Icon /*icon*/, platform::Buttons buttons)
{
    std::ostream& stream = text == "正常に終了しました。" ? m_out : m_err;
    stream << m_codec.TextToUtf8(text) << '\n';
    stream.flush();
    return buttons == platform::Buttons::OkCancel ? platform::Answer::Cancel : platform::Answer::Ok;
}

}  // namespace corvane::convert
