#include "gui/qt/ItemSelectionDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/qt/QtText.h"
#include "gui/qt/Widgets.h"

namespace corvane::qt {

using platform::ControlId;
using platform::DialogOutcome;

namespace {

constexpr int kListRows = 10;

}  // namespace

ItemSelectionDialog::ItemSelectionDialog(platform::DialogLogic& logic, QWidget* parent)
    : QDialog(parent), m_logic(logic), m_view(m_controls, *this)
{
    setWindowTitle(FromText(logic.Title()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* search = MakeEdit(m_controls, ControlId::SearchEdit);
    searchRow->addWidget(search, 1);
    auto* searchButton = MakeButton(m_controls, ControlId::SearchButton);
    // Enter in the search field is OK, not 検索.
    searchButton->setAutoDefault(false);
    searchRow->addWidget(searchButton);
    layout->addLayout(searchRow);

    auto* list = m_controls.Add(ControlId::HeadingList, new QListWidget);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setMinimumHeight(kListRows * (list->fontMetrics().height() + 2) + 2 * list->frameWidth());
    layout->addWidget(list, 1);

    auto* group = MakeGroup(m_controls, ControlId::ExplanationGroup);
    auto* groupLayout = new QVBoxLayout(group);
    auto* explanation = MakeLabel(m_controls, ControlId::ExplanationText);
    explanation->setMinimumHeight(3 * explanation->fontMetrics().lineSpacing());
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    groupLayout->addWidget(explanation);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = MakeButton(m_controls, ControlId::DialogOk);
    ok->setDefault(true);
    auto* cancel = MakeButton(m_controls, ControlId::DialogCancel);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(searchButton, &QPushButton::clicked, this, [this, searchButton] {
        searchButton->setFocus(Qt::OtherFocusReason);
        Apply(m_logic.OnCommand(ControlId::SearchButton));
    });
    connect(ok, &QPushButton::clicked, this, [this] { Apply(m_logic.OnOk()); });
    connect(cancel, &QPushButton::clicked, this, [this] { Apply(m_logic.OnCancel()); });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this] { Apply(m_logic.OnDoubleClick(ControlId::HeadingList)); });
    search->setFocus(Qt::OtherFocusReason);
}

void ItemSelectionDialog::Init()
{
    m_logic.OnInitDialog(m_view);

    // Whole rows only, as a list box shows them, the blank entry as high as the others.
    auto* list = ControlAs<QListWidget>(ControlId::HeadingList);
    if (!list || list->count() == 0)
        return;
    const int rowHeight = list->sizeHintForRow(list->count() - 1);
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().isEmpty())
            list->item(i)->setSizeHint(QSize(0, rowHeight));
    }
    list->setMinimumHeight(kListRows * rowHeight + 2 * list->frameWidth());
    list->setMaximumHeight(list->minimumHeight());
    if (list->currentItem())
        list->scrollToItem(list->currentItem());
}

void ItemSelectionDialog::Apply(DialogOutcome outcome)
{
    if (outcome == DialogOutcome::Stay || m_outcome != DialogOutcome::Stay)
        return;
    m_outcome = outcome;
    if (outcome == DialogOutcome::Ok)
        QDialog::accept();
    else
        QDialog::reject();
}

void ItemSelectionDialog::reject()
{
    if (m_outcome != DialogOutcome::Stay) {
        QDialog::reject();
        return;
    }
    Apply(m_logic.OnCancel());
}

}  // namespace corvane::qt
