#include "gui/qt/QtMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui/qt/FindingsDialog.h"
#include "gui/qt/PendingInput.h"
#include "gui/qt/QtText.h"

namespace corvane::qt {

namespace {

QMessageBox::Icon ToQt(platform::Icon icon)
{
    switch (icon) {
    case platform::Icon::None:
        return QMessageBox::NoIcon;
    case platform::Icon::Information:
        return QMessageBox::Information;
    case platform::Icon::Warning:
    case platform::Icon::Exclamation:
        return QMessageBox::Warning;
    case platform::Icon::Error:
        return QMessageBox::Critical;
    case platform::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The title bar's icon, its buttons and the frame's padding.
constexpr int kTitleBarRoom = 150;

// A box shown during a long action: the input queued meanwhile is dropped,
// and the box is answered with the normal pointer.
class AnswerPointer {
public:
    AnswerPointer() : m_waiting(QApplication::overrideCursor() != nullptr)
    {
        if (!m_waiting)
            return;
        DiscardPendingInput();
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~AnswerPointer()
    {
        if (m_waiting)
            QApplication::restoreOverrideCursor();
    }
    AnswerPointer(const AnswerPointer&) = delete;
    AnswerPointer& operator=(const AnswerPointer&) = delete;

private:
    bool m_waiting;
};

}  // namespace

int CaptionBarWidth(const QString& caption)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarRoom;
}

void FitCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(CaptionBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

platform::Answer QtMessageBox::ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                           platform::Buttons buttons)
{
    return Record(
        {FromText(caption), FromText(text), QString(), icon, buttons, QApplication::overrideCursor() != nullptr});
}

platform::Answer QtMessageBox::ShowFindings(const platform::FindingsBox& box)
{
    Shown message{FromText(box.caption),   FromText(box.question),   FromText(box.details),
                  platform::Icon::Warning, platform::Buttons::YesNo, QApplication::overrideCursor() != nullptr};
    message.findingsBox = true;
    message.offersChecklist = static_cast<bool>(box.showChecklist);
    if (m_scripted && m_findingsScripts.empty())
        return Record(message);
    m_shown.push_back(message);
    if (!m_scripted)
        return ShowFindingsDialog(box, {});
    const FindingsScript script = std::move(m_findingsScripts.front());
    m_findingsScripts.pop_front();
    return ShowFindingsDialog(box, script);
}

platform::Answer QtMessageBox::ShowFindingsDialog(const platform::FindingsBox& box, const FindingsScript& script)
{
    FindingsDialog dialog(FromText(box.caption), FromText(box.question), FromText(box.details), box.showChecklist,
                          QApplication::activeModalWidget());
    const AnswerPointer pointer;
    if (script) {
        QTimer::singleShot(0, &dialog, [this, &dialog, script] {
            script(dialog);
            if (dialog.isVisible()) {
                m_faults << QStringLiteral("the findings script left the box open");
                dialog.reject();
            }
        });
    }
    dialog.exec();
    return dialog.Answer();
}

platform::Answer QtMessageBox::Record(Shown message)
{
    m_shown.push_back(message);
    if (!m_scripted)
        return Show(message);
    if (message.buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (m_answers.empty()) {
        m_faults << QStringLiteral("no answer queued for: ") + message.text;
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Cancel;
    }
    const platform::Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

platform::Answer QtMessageBox::Show(const Shown& message) const
{
    QMessageBox box(ToQt(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    QApplication::activeModalWidget());
    // Messages hold texts such as "<一覧表>" that must not be taken for markup.
    box.setTextFormat(Qt::PlainText);
    QPushButton* accept = nullptr;
    QPushButton* reject = nullptr;
    if (message.buttons == platform::Buttons::YesNo) {
        accept = box.addButton(Caption(platform::ControlId::MessageYes), QMessageBox::YesRole);
        reject = box.addButton(Caption(platform::ControlId::MessageNo), QMessageBox::NoRole);
        // Going on despite a warning is a choice, not what Enter does.
        box.setDefaultButton(reject);
    } else {
        accept = box.addButton(Caption(platform::ControlId::MessageOk), QMessageBox::AcceptRole);
        if (message.buttons == platform::Buttons::OkCancel)
            reject = box.addButton(Caption(platform::ControlId::MessageCancel), QMessageBox::RejectRole);
        box.setDefaultButton(accept);
    }
    box.setEscapeButton(reject ? reject : accept);
    FitCaption(box);

    {
        const AnswerPointer pointer;
        box.exec();
    }
    const bool accepted = box.clickedButton() == accept;
    if (message.buttons == platform::Buttons::YesNo)
        return accepted ? platform::Answer::Yes : platform::Answer::No;
    return accepted ? platform::Answer::Ok : platform::Answer::Cancel;
}

QStringList QtMessageBox::Faults() const
{
    QStringList faults = m_faults;
    if (!m_answers.empty())
        faults << QStringLiteral("%1 message answers left unused").arg(m_answers.size());
    if (!m_findingsScripts.empty())
        faults << QStringLiteral("%1 findings scripts left unused").arg(m_findingsScripts.size());
    return faults;
}

}  // namespace corvane::qt
