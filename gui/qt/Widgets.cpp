#include "gui/qt/Widgets.h"

#include <QHeaderView>

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

GroupFrame* MakeGroup(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new GroupFrame(Caption(id)));
}

QLineEdit* MakeEdit(ControlRegistry& controls, platform::ControlId id)
{
    return controls.Add(id, new QLineEdit);
}

QLineEdit* MakeReadOnlyEdit(ControlRegistry& controls, platform::ControlId id)
{
    auto* edit = MakeEdit(controls, id);
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    return edit;
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

    // The selection stays visible while another control has the focus.
    QPalette palette = table->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    table->setPalette(palette);
    return table;
}

}  // namespace corvane::qt
