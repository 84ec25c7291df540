#include "gui/qt/FindingsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
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

    FitToScreen();
    m_no->setFocus();
}

// The text area's frame, the style's margins and the document's around its lines.
int FindingsDialog::DetailsFrame() const
{
    m_details->ensurePolished();
    return m_details->height() - m_details->contentsRect().height() +
           2 * static_cast<int>(m_details->document()->documentMargin());
}

void FindingsDialog::FitToScreen()
{
    const QFontMetrics metrics(m_details->font());
    const int frame = DetailsFrame();
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

void FindingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_grown)
        return;
    m_grown = true;
    // The style's frames are known only now: what the text area still lacks
    // of kShownLines lines is added to the window, as far as the screen has room.
    const QFontMetrics metrics(m_details->font());
    const int margins = 2 * static_cast<int>(m_details->document()->documentMargin());
    const int lacking = kShownLines * metrics.lineSpacing() + margins - m_details->viewport()->height();
    if (lacking <= 0 || !screen())
        return;
    const QRect room = screen()->availableGeometry();
    const int extra = std::min(lacking, room.height() - frameGeometry().height());
    if (extra <= 0)
        return;
    const int titleBar = geometry().top() - frameGeometry().top();
    const int frameExtra = frameGeometry().height() - geometry().height();
    QRect shown = geometry();
    shown.setHeight(shown.height() + extra);
    int top = shown.top() - extra / 2;
    top = std::min(top, room.bottom() + 1 - (shown.height() + frameExtra) + titleBar);
    shown.moveTop(std::max(top, room.top() + titleBar));
    setGeometry(shown);
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
