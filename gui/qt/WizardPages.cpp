#include "gui/qt/WizardPages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/qt/AppIcon.h"
#include "gui/qt/Widgets.h"

namespace corvane::qt {

using platform::ControlId;

namespace {

// Explanations under a radio button start where its caption starts.
constexpr int kNoteIndent = 22;
constexpr int kBonusButtonWidth = 30;
constexpr int kYearFieldWidth = 56;
constexpr int kPictureWidth = 128;

// The tall picture at the start page's left edge, as high as the page.
class PictureBand final : public QWidget {
public:
    PictureBand() { setFixedWidth(kPictureWidth); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, StartPicture(size()));
    }
};

// A report list high enough for `rows` rows without scrolling.
void FitRows(QTableWidget* table, int rows)
{
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                            rows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth());
}

QWidget* StartPage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    layout->addWidget(controls.Add(ControlId::StartPicture, new PictureBand));

    auto* column = new QVBoxLayout;
    column->setContentsMargins(8, 8, 8, 0);
    column->addWidget(MakeLabel(controls, ControlId::StartIntro));
    column->addSpacing(12);

    auto* group = MakeGroup(controls, ControlId::ModeGroup);
    auto* modes = new QVBoxLayout(group);
    modes->addWidget(MakeRadio(controls, ControlId::StandardModeRadio));
    auto* standardNote = MakeLabel(controls, ControlId::StandardModeNote);
    standardNote->setContentsMargins(kNoteIndent, 0, 0, 0);
    modes->addWidget(standardNote);
    modes->addSpacing(6);
    modes->addWidget(MakeRadio(controls, ControlId::SimpleModeRadio));
    auto* simpleNote = MakeLabel(controls, ControlId::SimpleModeNote);
    simpleNote->setContentsMargins(kNoteIndent, 0, 0, 0);
    modes->addWidget(simpleNote);
    column->addWidget(group);
    column->addStretch();
    layout->addLayout(column, 1);
    return page;
}

QWidget* EmployeePage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    page->setAcceptDrops(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(MakeLabel(controls, ControlId::EmployeeIntro));
    layout->addSpacing(8);

    // The path keeps the width it had; the folder button sits under 参照.
    auto* group = MakeGroup(controls, ControlId::EmployeeGroup);
    auto* rows = new QGridLayout(group);
    rows->setColumnStretch(0, 1);
    rows->addWidget(MakePathField(controls, ControlId::EmployeePath), 0, 0);
    rows->addWidget(MakeButton(controls, ControlId::EmployeeBrowse), 0, 1);
    rows->addWidget(MakeButton(controls, ControlId::EmployeeFolder), 1, 0, 1, 2, Qt::AlignRight);
    layout->addWidget(group);
    layout->addSpacing(8);

    auto* guideRow = new QHBoxLayout;
    guideRow->addWidget(MakeButton(controls, ControlId::EmployeeGuide));
    guideRow->addStretch();
    layout->addLayout(guideRow);
    layout->addStretch();
    return page;
}

QWidget* SalaryPage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    page->setAcceptDrops(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(MakeLabel(controls, ControlId::SalaryIntro));
    auto* list = MakeReportList(controls, ControlId::SalaryList, Selection::Multiple, Grid::Off);
    FitRows(list, 12);
    layout->addWidget(list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeButton(controls, ControlId::SalaryGuide));
    buttons->addStretch();
    buttons->addWidget(MakeButton(controls, ControlId::SalaryClear));
    buttons->addWidget(MakeButton(controls, ControlId::SalaryBrowse));
    layout->addLayout(buttons);
    return page;
}

QWidget* BonusPage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    page->setAcceptDrops(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(MakeLabel(controls, ControlId::BonusIntro));
    layout->addSpacing(8);

    auto* rows = new QGridLayout;
    rows->setColumnStretch(1, 1);
    for (int row = 1; row <= platform::kBonusRowCount; ++row) {
        auto* label = MakeLabel(controls, platform::BonusLabelControl(row));
        label->setWordWrap(false);
        rows->addWidget(label, row - 1, 0);
        rows->addWidget(MakePathField(controls, platform::BonusPathControl(row)), row - 1, 1);
        auto* browse = MakeButton(controls, platform::BonusBrowseControl(row));
        browse->setFixedWidth(kBonusButtonWidth);
        rows->addWidget(browse, row - 1, 2);
    }
    layout->addLayout(rows);
    layout->addSpacing(8);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeButton(controls, ControlId::BonusGuide));
    buttons->addStretch();
    buttons->addWidget(MakeButton(controls, ControlId::BonusClear));
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

QWidget* ItemsPage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(MakeLabel(controls, ControlId::ItemsIntro));
    layout->addWidget(MakeReportList(controls, ControlId::ItemsList, Selection::Single, Grid::On), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeButton(controls, ControlId::ItemsBrowse));
    layout->addLayout(buttons);
    return page;
}

QWidget* OutputPage(ControlRegistry& controls)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* group = MakeGroup(controls, ControlId::OutputGroup);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(8);

    auto* yearLabel = MakeLabel(controls, ControlId::YearLabel);
    yearLabel->setWordWrap(false);
    auto* year = MakeEdit(controls, ControlId::YearEdit);
    year->setAlignment(Qt::AlignRight);
    year->setFixedWidth(kYearFieldWidth);
    // The era stands before the year: the field takes a year of 令和.
    auto* yearRow = new QHBoxLayout;
    yearRow->setContentsMargins(0, 0, 0, 0);
    auto* era = MakeLabel(controls, ControlId::YearEra);
    era->setWordWrap(false);
    yearRow->addWidget(era);
    yearRow->addWidget(year);
    yearRow->addStretch();
    grid->addWidget(yearLabel, 0, 0);
    grid->addLayout(yearRow, 0, 1);

    auto* locationLabel = MakeLabel(controls, ControlId::LocationLabel);
    locationLabel->setWordWrap(false);
    grid->addWidget(locationLabel, 1, 0);
    grid->addWidget(MakeReadOnlyEdit(controls, ControlId::LocationEdit), 1, 1, 1, 2);

    auto* nameLabel = MakeLabel(controls, ControlId::NameLabel);
    nameLabel->setWordWrap(false);
    auto* name = MakeEdit(controls, ControlId::NameEdit);
    nameLabel->setBuddy(name);
    grid->addWidget(nameLabel, 2, 0);
    grid->addWidget(name, 2, 1);
    grid->addWidget(MakeButton(controls, ControlId::OutputBrowse), 2, 2);
    layout->addWidget(group);
    layout->addSpacing(8);

    auto* text = MakeLabel(controls, ControlId::OutputPageText);
    text->setMinimumHeight(2 * text->fontMetrics().lineSpacing());
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(MakeCheckBox(controls, ControlId::CheckListBox));
    layout->addStretch();
    return page;
}

}  // namespace

QWidget* BuildWizardPage(int index, ControlRegistry& controls)
{
    switch (static_cast<platform::PageId>(index)) {
    case platform::PageId::Start:
        return StartPage(controls);
    case platform::PageId::EmployeeFile:
        return EmployeePage(controls);
    case platform::PageId::SalaryFiles:
        return SalaryPage(controls);
    case platform::PageId::BonusFiles:
        return BonusPage(controls);
    case platform::PageId::ItemCorrespondence:
        return ItemsPage(controls);
    case platform::PageId::Output:
        break;
    }
    return OutputPage(controls);
}

}  // namespace corvane::qt
