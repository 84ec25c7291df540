#include "gui/qt/QtControlView.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>

#include "gui/qt/GroupFrame.h"
#include "gui/qt/QtText.h"

namespace corvane::qt {

using platform::ControlId;

namespace {

bool ValidRow(const QTableWidget* table, int row)
{
    return table && row >= 0 && row < table->rowCount();
}

// A path cell may be elided: its tooltip holds the whole path.
void SetCellText(QTableWidgetItem* item, platform::TextKind kind, const std::string& text)
{
    const QString s = FromKind(kind, text);
    item->setText(s);
    if (kind == platform::TextKind::Path)
        item->setToolTip(s);
}

}  // namespace

QtControlView::QtControlView(const ControlRegistry& controls, QWidget& focusRoot)
    : m_controls(controls), m_focusRoot(focusRoot)
{}

template <typename W>
W* QtControlView::As(ControlId id) const
{
    return qobject_cast<W*>(m_controls.Find(id));
}

void QtControlView::SetText(ControlId id, const std::string& text)
{
    const QString s = FromKind(platform::ControlTextKind(id), text);
    if (auto* edit = As<QLineEdit>(id)) {
        edit->setText(s);
        edit->setCursorPosition(0);
    } else if (auto* label = As<QLabel>(id)) {
        label->setText(s);
    } else if (auto* box = As<QGroupBox>(id)) {
        box->setTitle(s);
    } else if (auto* button = As<QAbstractButton>(id)) {
        button->setText(s);
    }
}

std::string QtControlView::GetText(ControlId id) const
{
    QString s;
    if (auto* edit = As<QLineEdit>(id))
        s = edit->text();
    else if (auto* label = As<QLabel>(id))
        s = label->text();
    else if (auto* box = As<QGroupBox>(id))
        s = box->title();
    else if (auto* button = As<QAbstractButton>(id))
        s = button->text();
    return ToKind(platform::ControlTextKind(id), s);
}

void QtControlView::SetToolTip(ControlId id, const std::string& path)
{
    if (QWidget* w = m_controls.Find(id))
        w->setToolTip(FromPath(path));
}

void QtControlView::Enable(ControlId id, bool enabled)
{
    QWidget* w = m_controls.Find(id);
    if (!w)
        return;
    if (auto* frame = dynamic_cast<GroupFrame*>(w))
        frame->SetFrameEnabled(enabled);
    else
        w->setEnabled(enabled);
}

bool QtControlView::IsEnabled(ControlId id) const
{
    const QWidget* w = m_controls.Find(id);
    if (!w)
        return false;
    if (const auto* frame = dynamic_cast<const GroupFrame*>(w))
        return frame->IsFrameEnabled() && w->isEnabled();
    return w->isEnabled();
}

void QtControlView::SetCheck(ControlId id, bool checked)
{
    auto* button = As<QAbstractButton>(id);
    if (!button)
        return;
    // An exclusive radio button cannot be unchecked on its own.
    const bool exclusive = button->autoExclusive();
    if (!checked && exclusive)
        button->setAutoExclusive(false);
    button->setChecked(checked);
    if (!checked && exclusive)
        button->setAutoExclusive(true);
}

bool QtControlView::IsChecked(ControlId id) const
{
    const auto* button = As<QAbstractButton>(id);
    return button && button->isChecked();
}

ControlId QtControlView::FocusedControl() const
{
    const QWidget* focus = m_focusRoot.focusWidget();
    if (!focus || !focus->isVisibleTo(&m_focusRoot))
        return ControlId::None;
    return m_controls.IdOf(focus);
}

void QtControlView::ListDeleteAllRows(ControlId list)
{
    if (auto* table = As<QTableWidget>(list))
        table->setRowCount(0);
}

int QtControlView::ListAddRow(ControlId list, const std::vector<std::string>& cells)
{
    auto* table = As<QTableWidget>(list);
    if (!table)
        return -1;
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < table->columnCount(); ++column) {
        const std::string cell = column < static_cast<int>(cells.size()) ? cells[column] : std::string();
        auto* item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        SetCellText(item, platform::ListCellTextKind(list, column), cell);
        table->setItem(row, column, item);
    }
    return row;
}

int QtControlView::ListRowCount(ControlId list) const
{
    const auto* table = As<QTableWidget>(list);
    return table ? table->rowCount() : 0;
}

void QtControlView::ListSetCell(ControlId list, int row, int column, const std::string& text)
{
    auto* table = As<QTableWidget>(list);
    if (!ValidRow(table, row) || column < 0 || column >= table->columnCount())
        return;
    if (auto* item = table->item(row, column))
        SetCellText(item, platform::ListCellTextKind(list, column), text);
}

std::string QtControlView::ListCell(ControlId list, int row, int column) const
{
    const auto* table = As<QTableWidget>(list);
    if (!ValidRow(table, row) || column < 0 || column >= table->columnCount())
        return std::string();
    const auto* item = table->item(row, column);
    return item ? ToKind(platform::ListCellTextKind(list, column), item->text()) : std::string();
}

std::vector<int> QtControlView::ListSelectedRows(ControlId list) const
{
    std::vector<int> rows;
    const auto* table = As<QTableWidget>(list);
    if (!table)
        return rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void QtControlView::ListSetSelected(ControlId list, int row, bool selected)
{
    auto* table = As<QTableWidget>(list);
    if (!ValidRow(table, row))
        return;
    const QModelIndex index = table->model()->index(row, 0);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::Rows;
    if (!selected)
        flags |= QItemSelectionModel::Deselect;
    else if (table->selectionMode() == QAbstractItemView::SingleSelection)
        flags |= QItemSelectionModel::ClearAndSelect;
    else
        flags |= QItemSelectionModel::Select;
    table->selectionModel()->select(index, flags);
    if (selected)
        table->scrollTo(index);
}

void QtControlView::ListDeselectAll(ControlId list)
{
    if (auto* table = As<QTableWidget>(list))
        table->clearSelection();
}

int QtControlView::ListFocusedRow(ControlId list) const
{
    const auto* table = As<QTableWidget>(list);
    if (!table)
        return -1;
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QtControlView::ListSetFocusedRow(ControlId list, int row)
{
    auto* table = As<QTableWidget>(list);
    if (!table)
        return;
    if (row == -1) {
        table->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    if (!ValidRow(table, row))
        return;
    table->selectionModel()->setCurrentIndex(table->model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void QtControlView::ListBoxReset(ControlId list)
{
    if (auto* box = As<QListWidget>(list))
        box->clear();
}

void QtControlView::ListBoxAdd(ControlId list, const std::string& text)
{
    auto* box = As<QListWidget>(list);
    if (!box)
        return;
    auto* item = new QListWidgetItem(FromText(text));
    // An empty entry keeps the height of a line, so that it can be seen and clicked.
    if (text.empty())
        item->setSizeHint(QSize(0, box->fontMetrics().height() + 2));
    box->addItem(item);
}

int QtControlView::ListBoxCount(ControlId list) const
{
    const auto* box = As<QListWidget>(list);
    return box ? box->count() : 0;
}

std::string QtControlView::ListBoxText(ControlId list, int item) const
{
    const auto* box = As<QListWidget>(list);
    if (!box || item < 0 || item >= box->count())
        return std::string();
    return ToText(box->item(item)->text());
}

int QtControlView::ListBoxSelection(ControlId list) const
{
    const auto* box = As<QListWidget>(list);
    if (!box)
        return -1;
    const auto selected = box->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void QtControlView::ListBoxSetSelection(ControlId list, int item)
{
    auto* box = As<QListWidget>(list);
    if (!box)
        return;
    if (item < 0 || item >= box->count()) {
        box->clearSelection();
        return;
    }
    box->setCurrentRow(item, QItemSelectionModel::ClearAndSelect);
    box->scrollToItem(box->item(item));
}

void QtControlView::SetWizardButtons(unsigned flags)
{
    if (m_wizardButtons)
        m_wizardButtons(flags);
}

}  // namespace corvane::qt
