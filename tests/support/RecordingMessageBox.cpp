#include "support/RecordingMessageBox.h"

namespace corvane::test {

platform::Answer RecordingMessageBox::ShowMessage(const std::string& caption, const std::string& text,
                                                  platform::Icon icon, platform::Buttons buttons)
{
    m_shown.push_back({caption, text, icon, buttons});
    if (m_answers.empty())
        return platform::Answer::Ok;
    const auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> RecordingMessageBox::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& m : m_shown)
        texts.push_back(m.text);
    return texts;
}

}  // namespace corvane::test
