#include "gui/qt/WizardSheet.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt/QtText.h"
#include "gui/qt/WizardPages.h"

namespace corvane::qt {

using platform::ControlId;

WizardSheet::WizardSheet(platform::WizardLogic& wizard, QWidget* parent)
    : QDialog(parent), m_wizard(wizard), m_view(m_controls, *this), m_navigator(wizard)
{
    setWindowTitle(FromText(wizard.Caption()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget;
    for (int index = 0; index < wizard.PageCount(); ++index)
        m_pages->addWidget(BuildWizardPage(index, m_controls));
    layout->addWidget(m_pages, 1);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    m_back = new QPushButton(Caption(ControlId::WizardBack));
    m_next = new QPushButton(Caption(ControlId::WizardNext));
    m_finish = new QPushButton(Caption(ControlId::WizardFinish));
    m_cancel = new QPushButton(Caption(ControlId::WizardCancel));
    m_back->setObjectName(ControlObjectName(ControlId::WizardBack));
    m_next->setObjectName(ControlObjectName(ControlId::WizardNext));
    m_finish->setObjectName(ControlObjectName(ControlId::WizardFinish));
    m_cancel->setObjectName(ControlObjectName(ControlId::WizardCancel));
    m_finish->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);
    buttons->addSpacing(8);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, this, [this] { Follow(m_navigator.Back()); });
    connect(m_next, &QPushButton::clicked, this, [this] { Follow(m_navigator.Next()); });
    connect(m_finish, &QPushButton::clicked, this, [this] { Follow(m_navigator.Finish()); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
    m_view.OnWizardButtons([this](unsigned flags) { SetWizardButtons(flags); });
    ConnectControls();
}

WizardSheet::~WizardSheet()
{
    Detach();
}

namespace {

// The local files and folders that a drag carries, as paths in the system's encoding.
std::vector<std::string> LocalPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.push_back(ToPath(url.toLocalFile()));
    }
    return paths;
}

}  // namespace

void WizardSheet::ConnectControls()
{
    for (int index = 0; index < m_pages->count(); ++index) {
        if (m_pages->widget(index)->acceptDrops())
            m_pages->widget(index)->installEventFilter(this);
    }
    for (const auto& [id, widget] : m_controls.All()) {
        const ControlId control = id;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, button, control] {
                // The logic asks which button has the focus (the bonus rows).
                button->setFocus(Qt::OtherFocusReason);
                ShownPage().OnCommand(control);
            });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // Only the user's edits: texts that the logic sets are not reported.
            connect(edit, &QLineEdit::textEdited, this, [this, control] { ShownPage().OnTextChanged(control); });
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            table->viewport()->installEventFilter(this);
        }
    }
}

bool WizardSheet::PageDragEvent(QWidget* page, QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);
    const std::vector<std::string> paths = LocalPaths(drag->mimeData());
    const int index = m_pages->indexOf(page);
    if (paths.empty() || !m_attached || IsClosed() || index != m_navigator.Current()) {
        drag->ignore();
        return true;
    }
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (event->type() != QEvent::Drop)
        return true;

    const QPoint at = drag->position().toPoint();
    QWidget* under = page->childAt(at);
    const ControlId target = under ? m_controls.IdOf(under) : ControlId::None;
    int row = -1;
    if (auto* table = qobject_cast<QTableWidget*>(m_controls.Find(target)))
        row = table->rowAt(table->viewport()->mapFrom(page, at).y());
    // After the drop has ended: the page may show message boxes, which must
    // not hold the file manager's drag.
    QTimer::singleShot(0, this, [this, index, target, row, paths] {
        if (m_attached && !IsClosed() && index == m_navigator.Current())
            ShownPage().OnDropFiles(target, row, paths);
    });
    return true;
}

bool WizardSheet::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (auto* page = qobject_cast<QWidget*>(watched); page && m_pages->indexOf(page) >= 0)
            return PageDragEvent(page, event);
        break;
    default:
        break;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto* viewport = qobject_cast<QWidget*>(watched);
        const ControlId list = viewport ? m_controls.IdOf(viewport->parentWidget()) : ControlId::None;
        if (list != ControlId::None && m_attached && !IsClosed()) {
            ShownPage().OnDoubleClick(list);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WizardSheet::Start()
{
    m_wizard.AttachView(&m_view);
    m_attached = true;
    m_navigator.Start();
    Follow(m_navigator.Current());
}

void WizardSheet::Detach()
{
    if (!m_attached)
        return;
    m_attached = false;
    m_wizard.AttachView(nullptr);
}

QWidget* WizardSheet::PageWidget(int index) const
{
    return m_pages->widget(index);
}

void WizardSheet::SetWizardButtons(unsigned flags)
{
    m_back->setEnabled((flags & platform::kWizBack) != 0);
    const bool finishShown = (flags & (platform::kWizFinish | platform::kWizDisabledFinish)) != 0;
    m_finish->setVisible(finishShown);
    m_next->setVisible(!finishShown);
    m_finish->setEnabled((flags & platform::kWizFinish) != 0);
    m_next->setEnabled((flags & platform::kWizNext) != 0);
    QPushButton* forward = finishShown ? m_finish : m_next;
    forward->setDefault(true);
    (finishShown ? m_next : m_finish)->setDefault(false);
}

void WizardSheet::Follow(int page)
{
    if (page == -1) {
        QDialog::done(Result() == platform::WizardResult::Finished ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    m_pages->setCurrentIndex(page);
}

void WizardSheet::reject()
{
    if (!m_attached || IsClosed()) {
        QDialog::reject();
        return;
    }
    Follow(m_navigator.Cancel());
}

}  // namespace corvane::qt
