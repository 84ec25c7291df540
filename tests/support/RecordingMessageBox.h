#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace corvane::test {

// A message box that records every message and answers from a queue
// (OK when the queue is empty).
class RecordingMessageBox final : public platform::MessageBoxService {
public:
    struct Shown {
        std::string caption;
        std::string text;
        platform::Icon icon;
        platform::Buttons buttons;
    };

    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;

    void QueueAnswer(platform::Answer answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    std::vector<std::string> Texts() const;
    void Clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
    std::deque<platform::Answer> m_answers;
};

}  // namespace corvane::test
