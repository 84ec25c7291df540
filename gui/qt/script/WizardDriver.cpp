#include "gui/qt/script/WizardDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWindow>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "gui/qt/GroupFrame.h"

namespace corvane::qt {

using platform::ControlId;

namespace {

void Click(QWidget* widget)
{
    if (!widget)
        return;
    // A radio button or check box reacts only to its indicator and caption.
    if (auto* box = qobject_cast<QAbstractButton*>(widget);
        box && box->isCheckable() && !qobject_cast<QPushButton*>(box)) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->height() / 2, widget->height() / 2));
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Japanese is typed through an input method: the converted text arrives as
// one commit, as it does from the desktop's input method.
void Commit(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

void TypeInto(QWidget* widget, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit)
        return;
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty())
            Commit(edit, run);
        run.clear();
    };
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            flush();
            QTest::keyClick(edit, c.toLatin1());
        } else {
            run += c;
        }
    }
    flush();
}

QString TextOf(const QWidget* widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    return QString();
}

QPoint RowCentre(QTableWidget* table, int row)
{
    table->scrollToItem(table->item(row, 0));
    return table->visualRect(table->model()->index(row, 0)).center();
}

}  // namespace

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void WizardDriver::Next()
{
    Click(m_sheet.NextButton());
}

void WizardDriver::Back()
{
    Click(m_sheet.BackButton());
}

void WizardDriver::Finish()
{
    Click(m_sheet.FinishButton());
}

void WizardDriver::Cancel()
{
    Click(m_sheet.CancelButton());
}

void WizardDriver::Press(ControlId id)
{
    Click(m_sheet.Control(id));
}

void WizardDriver::Type(ControlId id, const QString& text)
{
    TypeInto(m_sheet.Control(id), text);
}

void WizardDriver::SelectRows(ControlId list, const std::vector<int>& rows)
{
    auto* table = m_sheet.ControlAs<QTableWidget>(list);
    if (!table || rows.empty())
        return;
    table->clearSelection();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Qt::KeyboardModifiers modifiers = i == 0 ? Qt::NoModifier : Qt::ControlModifier;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, RowCentre(table, rows[i]));
    }
}

void WizardDriver::DoubleClickRow(ControlId list, int row)
{
    auto* table = m_sheet.ControlAs<QTableWidget>(list);
    if (!table)
        return;
    const QPoint at = RowCentre(table, row);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

bool WizardDriver::DropFiles(ControlId target, const QStringList& paths, int row)
{
    QWidget* widget = m_sheet.Control(target);
    QWindow* window = m_sheet.windowHandle();
    if (!widget || !window)
        return false;
    QPoint local = widget->rect().center();
    if (auto* table = qobject_cast<QTableWidget*>(widget); table && row >= 0)
        local = table->viewport()->mapTo(table, RowCentre(table, row));
    const QPointF at = widget->mapTo(&m_sheet, local);

    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
        return false;
    }
    QDragMoveEvent move(at.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    Settle();
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

QString WizardDriver::Text(ControlId id) const
{
    return TextOf(m_sheet.Control(id));
}

QString WizardDriver::Cell(ControlId list, int row, int column) const
{
    const auto* table = m_sheet.ControlAs<QTableWidget>(list);
    const QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

int WizardDriver::RowCount(ControlId list) const
{
    const auto* table = m_sheet.ControlAs<QTableWidget>(list);
    return table ? table->rowCount() : 0;
}

bool WizardDriver::Enabled(ControlId id) const
{
    const QWidget* widget = m_sheet.Control(id);
    if (const auto* frame = dynamic_cast<const GroupFrame*>(widget))
        return frame->IsFrameEnabled() && frame->isEnabled();
    return widget && widget->isEnabled();
}

void DialogDriver::Press(ControlId id)
{
    Click(m_dialog.Control(id));
}

void DialogDriver::Type(ControlId id, const QString& text)
{
    TypeInto(m_dialog.Control(id), text);
}

void DialogDriver::EnterInSearch()
{
    QWidget* search = m_dialog.Control(ControlId::SearchEdit);
    search->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(search, Qt::Key_Return);
}

void DialogDriver::Select(int entry)
{
    auto* list = m_dialog.ControlAs<QListWidget>(ControlId::HeadingList);
    if (!list || entry < 0 || entry >= list->count())
        return;
    list->scrollToItem(list->item(entry));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(entry)).center());
}

void DialogDriver::DoubleClick(int entry)
{
    auto* list = m_dialog.ControlAs<QListWidget>(ControlId::HeadingList);
    if (!list || entry < 0 || entry >= list->count())
        return;
    list->scrollToItem(list->item(entry));
    const QPoint at = list->visualItemRect(list->item(entry)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

QString DialogDriver::Text(ControlId id) const
{
    return TextOf(m_dialog.Control(id));
}

QStringList DialogDriver::Entries() const
{
    QStringList entries;
    if (const auto* list = m_dialog.ControlAs<QListWidget>(ControlId::HeadingList)) {
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
    }
    return entries;
}

int DialogDriver::Selection() const
{
    const auto* list = m_dialog.ControlAs<QListWidget>(ControlId::HeadingList);
    if (!list)
        return -1;
    const auto selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

}  // namespace corvane::qt
