#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/MessageBox.h"

class QMessageBox;

namespace corvane::qt {

// The width a title bar needs to show `caption` whole: its text in a title
// font (bold, a little larger than the dialog font), the icon and the buttons.
int CaptionBarWidth(const QString& caption);
// Widens `box` to at least CaptionBarWidth of its title: a short message
// would otherwise leave the desktop to elide the caption.
void FitCaption(QMessageBox& box);

// Message boxes with the caption table's button captions. Scripted (tests,
// screenshots): no box is shown; every message is recorded and answered from
// the queue, an OK-only box with OK.
class QtMessageBox final : public platform::MessageBoxService {
public:
    struct Shown {
        QString caption;
        QString text;
        QString details;  // shown in the box's details area; empty for none
        platform::Icon icon;
        platform::Buttons buttons;
        bool underWaitCursor;  // a wait cursor was on when it was shown
    };

    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
    platform::Answer ShowMessageWithDetails(const std::string& caption, const std::string& text,
                                            const std::string& details, platform::Icon icon,
                                            platform::Buttons buttons) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    void QueueAnswer(platform::Answer answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    // Questions that found no answer queued, and answers left over.
    QStringList Faults() const;

private:
    platform::Answer Record(Shown message);
    platform::Answer Show(const Shown& message) const;

    bool m_scripted = false;
    std::deque<platform::Answer> m_answers;
    std::vector<Shown> m_shown;
    QStringList m_faults;
};

}  // namespace corvane::qt
