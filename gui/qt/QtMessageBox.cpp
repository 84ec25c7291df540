#include "gui/qt/QtMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QMessageBox>
#include <QPushButton>

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

platform::Answer QtMessageBox::ShowMessageWithDetails(const std::string& caption, const std::string& text,
                                                      const std::string& details, platform::Icon icon,
                                                      platform::Buttons buttons)
{
    return Record({FromText(caption), FromText(text), FromText(details), icon, buttons,
                   QApplication::overrideCursor() != nullptr});
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
    if (!message.details.isEmpty())
        box.setDetailedText(message.details);
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

    // A message during a long action is answered with the normal pointer.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
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
    return faults;
}

}  // namespace corvane::qt
