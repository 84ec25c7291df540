#include "gui/qt/FindingsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/qt/QtMessageBox.h"
#include "gui/qt/QtText.h"

namespace corvane::qt {

namespace {

// Wide enough for a finding's line with an employee's name and outcome.
constexpr int kDetailColumns = 46;  // full-width characters

}  // namespace

FindingsDialog::FindingsDialog(const QString& caption, const QString& question, const QString& details,
                               std::function<void()> showChecklist, QWidget* parent)
    : QDialog(parent), m_showChecklist(std::move(showChecklist))
{
    setWindowTitle(caption);
    setSizeGripEnabled(true);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    // Messages hold texts such as "<一覧表>" that must not be taken for markup.
    m_question = new QLabel(question, this);
    m_question->setTextFormat(Qt::PlainText);
    m_question->setWordWrap(true);
    m_question->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* detailsLabel = new QLabel(Caption(platform::ControlId::FindingsDetailsLabel), this);
    m_details = new QPlainTextEdit(this);
    m_details->setReadOnly(true);
    m_details->setPlainText(details);
    m_details->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    detailsLabel->setBuddy(m_details);

    m_copy = new QPushButton(Caption(platform::ControlId::FindingsCopy), this);
    connect(m_copy, &QPushButton::clicked, this, &FindingsDialog::Copy);
    if (m_showChecklist) {
        m_checklist = new QPushButton(Caption(platform::ControlId::FindingsChecklist), this);
        connect(m_checklist, &QPushButton::clicked, this, [this] { m_showChecklist(); });
    }
    m_copied = new QLabel(this);
    m_yes = new QPushButton(Caption(platform::ControlId::MessageYes), this);
    m_no = new QPushButton(Caption(platform::ControlId::MessageNo), this);
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);
    // Going on despite findings is a choice, not what Enter does.
    for (QPushButton* button : {m_copy, m_checklist, m_yes})
        if (button)
            button->setAutoDefault(false);
    m_no->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(m_question, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    if (m_checklist)
        buttons->addWidget(m_checklist);
    buttons->addWidget(m_copied, 1);
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(detailsLabel);
    layout->addWidget(m_details, 1);
    layout->addLayout(buttons);

    const QFontMetrics metrics(m_details->font());
    const int frame = 2 * (m_details->frameWidth() + static_cast<int>(m_details->document()->documentMargin()));
    m_details->setMinimumHeight(3 * metrics.lineSpacing() + frame);
    FitToScreen();
    m_no->setFocus();
}

void FindingsDialog::FitToScreen()
{
    const QFontMetrics metrics(m_details->font());
    const int frame = 2 * (m_details->frameWidth() + static_cast<int>(m_details->document()->documentMargin()));
    const int detailsWidth = metrics.horizontalAdvance(QString(kDetailColumns, QChar(0x3042))) + frame +
                             style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int detailsHeight = kShownLines * metrics.lineSpacing() + frame;
    const int width = std::max({detailsWidth + 2 * layout()->contentsMargins().left(), CaptionBarWidth(windowTitle()),
                                minimumSizeHint().width()});
    // The question's height at that width, then the rest of the box.
    m_details->setFixedHeight(detailsHeight);
    layout()->activate();
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    m_details->setMinimumHeight(3 * metrics.lineSpacing() + frame);
    m_details->setMaximumHeight(QWIDGETSIZE_MAX);

    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    QSize size(width, height);
    if (screen) {
        // The frame and title bar lie outside the dialog's own size.
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        size = size.boundedTo(room);
    }
    resize(size);
}

int FindingsDialog::VisibleDetailLines() const
{
    const QFontMetrics metrics(m_details->font());
    const int usable = m_details->viewport()->height() - 2 * static_cast<int>(m_details->document()->documentMargin());
    return usable / metrics.lineSpacing();
}

void FindingsDialog::Copy()
{
    QGuiApplication::clipboard()->setText(m_details->toPlainText());
    m_copied->setText(Caption(platform::ControlId::FindingsCopied));
}

}  // namespace corvane::qt
