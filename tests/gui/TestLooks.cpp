// What the user sees: a Japanese font with every glyph of every text, texts
// whole in their controls, no controls on top of each other, greyed frames
// painted grey. Runs on every page with the logic's own texts filled in.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <sstream>

#include "GuiSandbox.h"
#include "gui/qt/Appearance.h"
#include "gui/qt/GroupFrame.h"
#include "gui/qt/QtMessageBox.h"
#include "gui/qt/QtPlatform.h"
#include "gui/qt/QtText.h"
#include "gui/qt/script/WizardDriver.h"
#include "platform/Messenger.h"
#include "wizard/CCorvaneApp.h"

using corvane::platform::ControlId;
using corvane::qt::DialogDriver;
using corvane::qt::ItemSelectionDialog;
using corvane::qt::QtPlatform;
using corvane::qt::WizardDriver;
using corvane::qt::WizardSheet;
using corvane::test::GuiSandbox;

namespace {

// Room that a text needs beside its glyphs (frame, padding).
constexpr int kTextPadding = 6;

QString Describe(const QWidget* w)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Every text a widget shows.
QStringList TextsOf(const QWidget* w)
{
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        texts << label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        texts << button->text();
    else if (const auto* box = qobject_cast<const QGroupBox*>(w))
        texts << box->title();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        texts << edit->text();
    else if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            texts << table->horizontalHeaderItem(c)->text();
            for (int r = 0; r < table->rowCount(); ++r)
                texts << (table->item(r, c) ? table->item(r, c)->text() : QString());
        }
    } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    }
    return texts;
}

// Characters of `text` that the widget's own font (not a fallback) lacks.
QString MissingGlyphs(const QWidget* w, const QString& text)
{
    // The primary face: asked for Japanese, Qt would hand over a fallback.
    const QRawFont raw = QRawFont::fromFont(w->font(), QFontDatabase::Any);
    QString missing;
    for (const uint ucs4 : text.toUcs4()) {
        if (ucs4 < 0x20 || ucs4 == '&')
            continue;
        if (!raw.supportsCharacter(ucs4))
            missing += QString::fromUcs4(reinterpret_cast<const char32_t*>(&ucs4), 1);
    }
    return missing;
}

// Why the widget's text does not fit; empty when it does.
QString Overflow(const QWidget* w)
{
    const QFontMetrics fm(w->font());
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty())
            return QString();
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            return needed > label->height()
                       ? QStringLiteral("needs %1 px of height, has %2").arg(needed).arg(label->height())
                       : QString();
        }
        const int needed = fm.size(Qt::TextShowMnemonic, label->text()).width();
        return needed > label->contentsRect().width()
                   ? QStringLiteral("needs %1 px, has %2").arg(needed).arg(label->width())
                   : QString();
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(w))
        return radio->sizeHint().width() > radio->width() ? QStringLiteral("radio cut") : QString();
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        const int needed = fm.size(Qt::TextShowMnemonic, button->text()).width() + kTextPadding;
        return needed > button->width() ? QStringLiteral("needs %1 px, has %2").arg(needed).arg(button->width())
                                        : QString();
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        const int needed = fm.horizontalAdvance(box->title()) + 2 * kTextPadding;
        return needed > box->width() ? QStringLiteral("title needs %1 px").arg(needed) : QString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w); edit && !edit->isReadOnly() && edit->maxLength() > 0) {
        // Typed fields (the year) show what they hold; path fields scroll.
        const int needed = fm.horizontalAdvance(edit->text()) + kTextPadding;
        return needed > edit->width() ? QStringLiteral("text needs %1 px").arg(needed) : QString();
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const int width = table->columnWidth(c);
            if (table->horizontalHeader()->fontMetrics().horizontalAdvance(table->horizontalHeaderItem(c)->text()) +
                    kTextPadding >
                width)
                return QStringLiteral("header %1 cut").arg(c);
            for (int r = 0; r < table->rowCount(); ++r) {
                const QTableWidgetItem* item = table->item(r, c);
                // Paths may be elided; the logic's own texts may not.
                if (item && !item->text().startsWith(QLatin1Char('/')) &&
                    fm.horizontalAdvance(item->text()) + kTextPadding > width)
                    return QStringLiteral("cell %1,%2 cut").arg(r).arg(c);
            }
        }
    }
    return QString();
}

// The visible controls of `root`, checked for glyphs, fit and overlap.
QStringList Problems(QWidget* root)
{
    QStringList problems;
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || !w->objectName().startsWith(QLatin1String("control")))
            continue;
        controls << w;
        for (const QString& text : TextsOf(w)) {
            const QString missing = MissingGlyphs(w, text);
            if (!missing.isEmpty())
                problems << Describe(w) + QStringLiteral(": no glyph for ") + missing;
        }
        const QString overflow = Overflow(w);
        if (!overflow.isEmpty())
            problems << Describe(w) + QStringLiteral(": ") + overflow;
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(root, QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(root, QPoint(0, 0)), b->size());
            if (ra.intersects(rb))
                problems << Describe(a) + QStringLiteral(" overlaps ") + Describe(b);
        }
    }
    if (root->width() < root->minimumSizeHint().width() || root->height() < root->minimumSizeHint().height())
        problems << QStringLiteral("window smaller than its layout needs");
    return problems;
}

QStringList SheetProblems(WizardSheet& sheet)
{
    corvane::qt::Settle();
    QStringList problems = Problems(sheet.PageWidget(sheet.CurrentPage()));
    problems << Problems(&sheet).filter(QStringLiteral("window"));
    for (QPushButton* button : {sheet.BackButton(), sheet.NextButton(), sheet.FinishButton(), sheet.CancelButton()}) {
        const QString missing = MissingGlyphs(button, button->text());
        if (!missing.isEmpty())
            problems << QStringLiteral("sheet button: no glyph for ") + missing;
        if (button->isVisible() && !Overflow(button).isEmpty())
            problems << QStringLiteral("sheet button ") + button->text() + QStringLiteral(" cut");
    }
    const QString title = MissingGlyphs(&sheet, sheet.windowTitle());
    if (!title.isEmpty())
        problems << QStringLiteral("caption: no glyph for ") + title;
    return problems.filter(QRegularExpression(QStringLiteral(".+")));
}

int Darkest(const QImage& image, const QRect& area)
{
    int darkest = 255 * 3;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min(darkest, c.red() + c.green() + c.blue());
        }
    return darkest;
}

}  // namespace

class TestLooks : public QObject {
    Q_OBJECT

private slots:
    void aJapaneseFontIsTheProgramsFont();
    void everyPageAndTheItemDialogShowWholeTexts();
    void aGreyedFramesTitleIsPaintedGrey();
    void aShortMessageShowsTheWholeCaption();
};

void TestLooks::aJapaneseFontIsTheProgramsFont()
{
    const QString family = corvane::qt::JapaneseFontFamily();
    QVERIFY2(!family.isEmpty(), "no Japanese font installed (scripts/setup-debian.sh installs fonts-noto-cjk)");
    QCOMPARE(QApplication::font().family(), family);
    QCOMPARE(QRawFont::fromFont(QApplication::font(), QFontDatabase::Any).familyName(), family);
}

void TestLooks::everyPageAndTheItemDialogShowWholeTexts()
{
    GuiSandbox sandbox;
    QVERIFY(sandbox.Ready());
    std::ostringstream reply;
    QtPlatform platform(std::string(), reply);
    platform.UseSystem(sandbox.System());
    platform.Script();
    QStringList problems;
    int pagesSeen = 0;
    platform.Host().ScriptWizard([&](WizardSheet& sheet) {
        WizardDriver user(sheet);
        const auto look = [&] {
            ++pagesSeen;
            for (const QString& p : SheetProblems(sheet))
                problems << QStringLiteral("page %1: ").arg(user.Page()) + p;
        };
        look();
        user.Next();
        platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("employees.txt"))});
        user.Press(ControlId::EmployeeBrowse);
        look();
        user.Next();
        platform.FileDialogs().QueueOpen(sandbox.SalaryExports());
        user.Press(ControlId::SalaryBrowse);
        look();
        user.Next();
        for (int row = 1; row <= 5; ++row) {
            platform.FileDialogs().QueueOpen({sandbox.Export(QStringLiteral("bonus-2.txt"))});
            user.Press(corvane::platform::BonusBrowseControl(row));
        }
        look();
        user.Next();
        look();
        platform.Host().QueueDialog([&](ItemSelectionDialog& dialog) {
            corvane::qt::Settle();
            for (const QString& p : Problems(&dialog))
                problems << QStringLiteral("item dialog: ") + p;
            DialogDriver(dialog).Press(ControlId::DialogCancel);
        });
        user.Press(ControlId::ItemsBrowse);
        user.Next();
        platform.FileDialogs().QueueSave(sandbox.Out(QStringLiteral("x.XML")));
        user.Press(ControlId::OutputBrowse);
        look();
        platform.MessageBoxes().QueueAnswer(corvane::platform::Answer::Yes);
        user.Cancel();
    });
    const corvane::platform::Services services = platform.Services();
    std::ostringstream out;
    corvane::CCorvaneApp(services, out).Run();
    QCOMPARE(platform.Faults(), QStringList());
    QCOMPARE(pagesSeen, 6);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestLooks::aGreyedFramesTitleIsPaintedGrey()
{
    QWidget window;
    auto* frame = new corvane::qt::GroupFrame(QStringLiteral(u"作成するデータの保存先"), &window);
    frame->resize(300, 60);
    window.resize(320, 80);
    window.show();
    const QRect title(0, 0, 300, frame->fontMetrics().height() + 4);
    const int enabled = Darkest(frame->grab().toImage(), title);
    frame->SetFrameEnabled(false);
    const int greyed = Darkest(frame->grab().toImage(), title);
    const QColor disabled = frame->palette().color(QPalette::Disabled, QPalette::WindowText);
    QVERIFY(enabled < greyed);
    QCOMPARE(greyed, disabled.red() + disabled.green() + disabled.blue());
}

void TestLooks::aShortMessageShowsTheWholeCaption()
{
    // The real box, shown modally, measured and closed from inside its loop.
    corvane::qt::QtMessageBox messages;
    int width = 0;
    QString caption;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QWidget* box = QApplication::activeModalWidget();
        width = box->width();
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const auto answer = messages.ShowMessage(corvane::platform::AppTitle(), "OK", corvane::platform::Icon::Information,
                                             corvane::platform::Buttons::Ok);
    QCOMPARE(answer, corvane::platform::Answer::Ok);  // Escape is the OK button here
    QCOMPARE(caption, corvane::qt::FromText(corvane::platform::AppTitle()));
    QVERIFY2(width >= corvane::qt::CaptionBarWidth(caption),
             qPrintable(QStringLiteral("%1 < %2").arg(width).arg(corvane::qt::CaptionBarWidth(caption))));
}

CORVANE_GUI_TEST_MAIN(TestLooks)
#include "TestLooks.moc"
