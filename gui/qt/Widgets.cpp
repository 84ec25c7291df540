#include "gui/qt/Widgets.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionFrame>

#include "gui/qt/QtText.h"
#include "wizard/ControlCaptions.h"

namespace corvane::qt {

QLabel* MakeLabel(ControlRegistry& controls, platform::ControlId id)
{
    auto* label = controls.Add(id, new QLabel(Caption(id)));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton* MakeButton(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new QPushButton(Caption(id)));
}

QRadioButton* MakeRadio(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new QRadioButton(Caption(id)));
}

QCheckBox* MakeCheckBox(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new QCheckBox(Caption(id)));
}

GroupFrame* MakeGroup(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new GroupFrame(Caption(id)));
}

QLineEdit* MakeEdit(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new QLineEdit);
}

namespace {

void MakeReadOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    edit->setAcceptDrops(false);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

// QLineEdit's own room between its contents rectangle and its text.
constexpr int kLineEditTextMargin = 2;

}  // namespace

QLineEdit* MakeReadOnlyEdit(ControlRegistry& controls, platform::ControlId id)
{
    auto* edit = MakeEdit(controls, id);
    MakeReadOnly(edit);
    return edit;
}

PathField::PathField()
{
    MakeReadOnly(this);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& path) { setToolTip(path); });
}

QRect PathField::TextArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .adjusted(kLineEditTextMargin + margins.left(), margins.top(), -kLineEditTextMargin - margins.right(),
                  -margins.bottom());
}

QString PathField::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, TextArea().width());
}

void PathField::paintEvent(QPaintEvent* event)
{
    const QString shown = ShownText();
    if (hasFocus() || shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(TextArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

PathField* MakePathField(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new PathField);
}

QTableWidget* MakeReportList(ControlRegistry& controls, platform::ControlId id, Selection selection, Grid grid)
{
    const auto& columns = ListColumnCaptions(id);
    auto* table = controls.Add(id, new QTableWidget(0, static_cast<int>(columns.size())));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(selection == Selection::Multiple ? QAbstractItemView::ExtendedSelection
                                                             : QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setShowGrid(grid == Grid::On);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setTabKeyNavigation(false);
    // Files dropped on the list go to its page.
    table->setAcceptDrops(false);
    table->viewport()->setAcceptDrops(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);

    QHeaderView* header = table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    int width = 0;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        table->setHorizontalHeaderItem(c, new QTableWidgetItem(FromText(columns[c].header)));
        header->resizeSection(c, columns[c].width);
        width += columns[c].width;
    }
    table->setMinimumWidth(width + 2 * table->frameWidth() + 20);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        if (platform::ListCellTextKind(id, c) == platform::TextKind::Path) {
            header->setSectionResizeMode(c, QHeaderView::Stretch);
            // The file name stays whole; the folders give way.
            table->setTextElideMode(Qt::ElideMiddle);
        }
    }

    // The selection stays visible while another control has the focus.
    QPalette palette = table->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    table->setPalette(palette);
    return table;
}

}  // namespace corvane::qt
