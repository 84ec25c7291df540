#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/MessageBox.h"

class QMessageBox;

namespace corvane::qt {

class FindingsDialog;

// The width a title bar needs to show `caption` whole: its text in a title
// font (bold, a little larger than the dialog font), the icon and the buttons.
int CaptionBarWidth(const QString& caption);
// Widens `box` to at least CaptionBarWidth of its title: a short message
// would otherwise leave the desktop to elide the caption.
void FitCaption(QMessageBox& box);

// Message boxes with the caption table's button captions, and the findings
// box. Input queued while a wait cursor was on is dropped before a box shows.
// Scripted (tests, screenshots): no box is shown; every message is recorded
// and answered from the queue, an OK-only box with OK; a findings box for
// which a findings script is queued is shown, and the script answers it.
class QtMessageBox final : public platform::MessageBoxService {
public:
    struct Shown {
        QString caption;
        QString text;
        QString details;  // the findings box's details; empty for none
        platform::Icon icon;
        platform::Buttons buttons;
        bool underWaitCursor;  // a wait cursor was on when it was shown
        bool findingsBox = false;
        bool offersChecklist = false;
    };
    using FindingsScript = std::function<void(FindingsDialog&)>;

    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;
    platform::Answer ShowFindings(const platform::FindingsBox& box) override;

    void SetScripted(bool scripted) { m_scripted = scripted; }
    void QueueAnswer(platform::Answer answer) { m_answers.push_back(answer); }
    // The next findings box is shown and `script` runs once it is; the
    // script must answer it.
    void QueueFindings(FindingsScript script) { m_findingsScripts.push_back(std::move(script)); }
    const std::vector<Shown>& Messages() const { return m_shown; }
    // Questions that found no answer queued, and answers left over.
    QStringList Faults() const;

private:
    platform::Answer Record(Shown message);
    platform::Answer Show(const Shown& message) const;
    platform::Answer ShowFindingsDialog(const platform::FindingsBox& box, const FindingsScript& script);

    bool m_scripted = false;
    std::deque<platform::Answer> m_answers;
    std::deque<FindingsScript> m_findingsScripts;
    std::vector<Shown> m_shown;
    QStringList m_faults;
};

}  // namespace corvane::qt
