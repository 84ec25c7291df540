// The logic's view over the real widgets: text conversion at the boundary,
// group frames, radio groups, report lists, list boxes and focus.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <memory>

#include "GuiSandbox.h"
#include "gui/qt/QtControlView.h"
#include "gui/qt/WizardPages.h"
#include "gui/qt/Widgets.h"
#include "platform/ControlIds.h"
#include "platform/TextCodec.h"

using corvane::platform::ControlId;
using corvane::qt::ControlRegistry;
using corvane::qt::QtControlView;

namespace {

std::string Cp932(const char8_t* utf8)
{
    return corvane::platform::SystemTextCodec().Utf8ToText(reinterpret_cast<const char*>(utf8));
}

std::string Bytes(const char8_t* utf8)
{
    return reinterpret_cast<const char*>(utf8);
}

// Every page of the wizard in one window, with the view over them.
struct AllPages {
    AllPages() : view(controls, window)
    {
        auto* layout = new QVBoxLayout(&window);
        for (int page = 0; page < corvane::platform::kPageCount; ++page)
            layout->addWidget(corvane::qt::BuildWizardPage(page, controls));
        window.show();
    }
    template <typename W>
    W* Get(ControlId id) const
    {
        return qobject_cast<W*>(controls.Find(id));
    }

    QWidget window;
    ControlRegistry controls;
    QtControlView view;
};

}  // namespace

class TestControlView : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryPageIsBuilt();
    void codePage932TextsAndPathsCrossTheBoundary_data();
    void codePage932TextsAndPathsCrossTheBoundary();
    void listCellsConvertByColumn();
    void greyingAFrameLeavesItsControlsUsable();
    void checkingARadioUnchecksTheOtherAndEitherCanBeCleared();
    void singleAndMultipleSelectionLists();
    void listBoxSelectionAndTheBlankEntry();
    void focusedControlIsTheRegisteredWidgetWithFocus();
    void rowsOutOfRangeAreIgnored();
};

void TestControlView::everyControlOfEveryPageIsBuilt()
{
    AllPages pages;
    for (const ControlId id : corvane::platform::kPageControls) {
        QVERIFY2(pages.controls.Find(id), qPrintable(QString::number(int(id))));
    }
    QCOMPARE(pages.Get<QTableWidget>(ControlId::SalaryList)->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(pages.Get<QTableWidget>(ControlId::ItemsList)->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(pages.Get<QTableWidget>(ControlId::ItemsList)->showGrid());
    QVERIFY(!pages.Get<QTableWidget>(ControlId::SalaryList)->showGrid());
    QCOMPARE(pages.Get<QTableWidget>(ControlId::SalaryList)->columnWidth(0), 72);
    // The file name column takes the rest of the list, at least its own width.
    QVERIFY(pages.Get<QTableWidget>(ControlId::SalaryList)->columnWidth(1) >= 340);
    QCOMPARE(pages.Get<QTableWidget>(ControlId::ItemsList)->columnWidth(0), 212);
    QCOMPARE(pages.Get<QTableWidget>(ControlId::ItemsList)->columnWidth(1), 220);
    QCOMPARE(pages.Get<QTableWidget>(ControlId::SalaryList)->horizontalHeaderItem(1)->text(),
             QStringLiteral(u"集計表のエクスポートファイルの名称"));
    QVERIFY(pages.Get<QLineEdit>(ControlId::EmployeePath)->isReadOnly());
    QVERIFY(pages.Get<QLineEdit>(ControlId::LocationEdit)->isReadOnly());
    QVERIFY(!pages.Get<QLineEdit>(ControlId::NameEdit)->isReadOnly());
    QVERIFY(pages.Get<QLineEdit>(ControlId::YearEdit)->alignment() & Qt::AlignRight);
    // 名称(&N) is the name field's mnemonic.
    QCOMPARE(pages.Get<QLabel>(ControlId::NameLabel)->buddy(), pages.controls.Find(ControlId::NameEdit));
}

void TestControlView::codePage932TextsAndPathsCrossTheBoundary_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("label, code page 932")
        << int(ControlId::OutputPageText) << QByteArray::fromStdString(Cp932(u8"[完了]ボタン\n年調･法定"))
        << QStringLiteral(u"[完了]ボタン\n年調･法定");
    QTest::newRow("edit, code page 932") << int(ControlId::YearEdit) << QByteArray::fromStdString(Cp932(u8"26年"))
                                         << QStringLiteral(u"26年");
    QTest::newRow("path field, UTF-8") << int(ControlId::EmployeePath)
                                       << QByteArray::fromStdString(Bytes(u8"/home/経理/従業員.txt"))
                                       << QStringLiteral(u"/home/経理/従業員.txt");
    QTest::newRow("name field, UTF-8") << int(ControlId::NameEdit) << QByteArray::fromStdString(Bytes(u8"報告.XML"))
                                       << QStringLiteral(u"報告.XML");
    QTest::newRow("group title") << int(ControlId::OutputGroup) << QByteArray::fromStdString(Cp932(u8"保存先"))
                                 << QStringLiteral(u"保存先");
    QTest::newRow("button") << int(ControlId::OutputBrowse) << QByteArray::fromStdString(Cp932(u8"参照(&S)..."))
                            << QStringLiteral(u"参照(&S)...");
}

void TestControlView::codePage932TextsAndPathsCrossTheBoundary()
{
    QFETCH(int, control);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    AllPages pages;
    const auto id = static_cast<ControlId>(control);
    pages.view.SetText(id, bytes.toStdString());
    QWidget* widget = pages.controls.Find(id);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text = edit->text();
    else if (auto* box = qobject_cast<QGroupBox*>(widget))
        text = box->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    QCOMPARE(text, shown);
    QCOMPARE(QByteArray::fromStdString(pages.view.GetText(id)), bytes);
}

void TestControlView::listCellsConvertByColumn()
{
    AllPages pages;
    const std::string label = Cp932(u8"給与 04月分");
    const std::string path = Bytes(u8"/data/給与/4月.txt");
    QCOMPARE(pages.view.ListAddRow(ControlId::SalaryList, {label, path}), 0);
    auto* table = pages.Get<QTableWidget>(ControlId::SalaryList);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral(u"給与 04月分"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral(u"/data/給与/4月.txt"));
    QVERIFY(pages.view.ListCell(ControlId::SalaryList, 0, 0) == label);
    QVERIFY(pages.view.ListCell(ControlId::SalaryList, 0, 1) == path);
    pages.view.ListSetCell(ControlId::SalaryList, 0, 1, "");
    QCOMPARE(table->item(0, 1)->text(), QString());
    // A cell the user cannot edit.
    QVERIFY(!(table->item(0, 0)->flags() & Qt::ItemIsEditable));
}

void TestControlView::greyingAFrameLeavesItsControlsUsable()
{
    AllPages pages;
    pages.view.Enable(ControlId::OutputGroup, false);
    QVERIFY(!pages.view.IsEnabled(ControlId::OutputGroup));
    QVERIFY(pages.controls.Find(ControlId::OutputGroup)->isVisible());
    QVERIFY(pages.view.IsEnabled(ControlId::YearEdit));
    QVERIFY(pages.Get<QLineEdit>(ControlId::YearEdit)->isEnabled());
    pages.view.Enable(ControlId::NameEdit, false);
    QVERIFY(!pages.Get<QLineEdit>(ControlId::NameEdit)->isEnabled());
    pages.view.Enable(ControlId::OutputGroup, true);
    QVERIFY(pages.view.IsEnabled(ControlId::OutputGroup));
    QVERIFY(!pages.view.IsEnabled(ControlId::NameEdit));
}

void TestControlView::checkingARadioUnchecksTheOtherAndEitherCanBeCleared()
{
    AllPages pages;
    pages.view.SetCheck(ControlId::StandardModeRadio, true);
    pages.view.SetCheck(ControlId::SimpleModeRadio, true);
    QVERIFY(!pages.view.IsChecked(ControlId::StandardModeRadio));
    QVERIFY(pages.view.IsChecked(ControlId::SimpleModeRadio));
    pages.view.SetCheck(ControlId::SimpleModeRadio, false);
    QVERIFY(!pages.view.IsChecked(ControlId::SimpleModeRadio));
    QVERIFY(!pages.view.IsChecked(ControlId::StandardModeRadio));
    // The group is still exclusive afterwards.
    pages.Get<QRadioButton>(ControlId::StandardModeRadio)->click();
    pages.Get<QRadioButton>(ControlId::SimpleModeRadio)->click();
    QVERIFY(!pages.view.IsChecked(ControlId::StandardModeRadio));
    QVERIFY(pages.view.IsChecked(ControlId::SimpleModeRadio));
}

void TestControlView::singleAndMultipleSelectionLists()
{
    AllPages pages;
    for (int i = 0; i < 4; ++i) {
        pages.view.ListAddRow(ControlId::SalaryList, {"a", "b"});
        pages.view.ListAddRow(ControlId::ItemsList, {"a", "b"});
    }
    pages.view.ListSetSelected(ControlId::SalaryList, 1, true);
    pages.view.ListSetSelected(ControlId::SalaryList, 3, true);
    QCOMPARE(pages.view.ListSelectedRows(ControlId::SalaryList), (std::vector<int>{1, 3}));
    pages.view.ListSetSelected(ControlId::SalaryList, 1, false);
    QCOMPARE(pages.view.ListSelectedRows(ControlId::SalaryList), (std::vector<int>{3}));
    pages.view.ListDeselectAll(ControlId::SalaryList);
    QVERIFY(pages.view.ListSelectedRows(ControlId::SalaryList).empty());

    pages.view.ListSetSelected(ControlId::ItemsList, 2, true);
    pages.view.ListSetSelected(ControlId::ItemsList, 0, true);
    QCOMPARE(pages.view.ListSelectedRows(ControlId::ItemsList), (std::vector<int>{0}));
    // The focus rectangle is set apart from the selection.
    pages.view.ListSetFocusedRow(ControlId::ItemsList, 3);
    QCOMPARE(pages.view.ListFocusedRow(ControlId::ItemsList), 3);
    QCOMPARE(pages.view.ListSelectedRows(ControlId::ItemsList), (std::vector<int>{0}));
    pages.view.ListDeleteAllRows(ControlId::ItemsList);
    QCOMPARE(pages.view.ListRowCount(ControlId::ItemsList), 0);
    QCOMPARE(pages.view.ListFocusedRow(ControlId::ItemsList), -1);
}

void TestControlView::listBoxSelectionAndTheBlankEntry()
{
    QWidget window;
    ControlRegistry controls;
    auto* list = controls.Add(ControlId::HeadingList, new QListWidget(&window));
    QtControlView view(controls, window);
    view.ListBoxAdd(ControlId::HeadingList, "");
    view.ListBoxAdd(ControlId::HeadingList, Cp932(u8"健康保険料"));
    QCOMPARE(view.ListBoxCount(ControlId::HeadingList), 2);
    QVERIFY(view.ListBoxText(ControlId::HeadingList, 1) == Cp932(u8"健康保険料"));
    QCOMPARE(list->item(1)->text(), QStringLiteral(u"健康保険料"));
    QVERIFY(list->item(0)->sizeHint().height() >= list->fontMetrics().height());
    QCOMPARE(view.ListBoxSelection(ControlId::HeadingList), -1);
    view.ListBoxSetSelection(ControlId::HeadingList, 1);
    QCOMPARE(view.ListBoxSelection(ControlId::HeadingList), 1);
    view.ListBoxSetSelection(ControlId::HeadingList, -1);
    QCOMPARE(view.ListBoxSelection(ControlId::HeadingList), -1);
    view.ListBoxReset(ControlId::HeadingList);
    QCOMPARE(view.ListBoxCount(ControlId::HeadingList), 0);
}

void TestControlView::focusedControlIsTheRegisteredWidgetWithFocus()
{
    AllPages pages;
    pages.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&pages.window));
    pages.controls.Find(corvane::platform::BonusBrowseControl(3))->setFocus();
    QCOMPARE(pages.view.FocusedControl(), corvane::platform::BonusBrowseControl(3));
    pages.controls.Find(corvane::platform::BonusPathControl(2))->setFocus();
    QCOMPARE(corvane::platform::BonusRowOf(pages.view.FocusedControl()), 2);
    // A widget that is no control.
    auto* other = new QPushButton(&pages.window);
    other->show();
    other->setFocus();
    QCOMPARE(pages.view.FocusedControl(), ControlId::None);
}

void TestControlView::rowsOutOfRangeAreIgnored()
{
    AllPages pages;
    pages.view.ListAddRow(ControlId::SalaryList, {"a", "b"});
    pages.view.ListSetCell(ControlId::SalaryList, 5, 0, "x");
    pages.view.ListSetSelected(ControlId::SalaryList, -1, true);
    pages.view.ListSetFocusedRow(ControlId::SalaryList, 9);
    QCOMPARE(pages.view.ListCell(ControlId::SalaryList, 1, 0), std::string());
    QVERIFY(pages.view.ListSelectedRows(ControlId::SalaryList).empty());
    QCOMPARE(pages.view.ListBoxText(ControlId::HeadingList, 0), std::string());
}

CORVANE_GUI_TEST_MAIN(TestControlView)
#include "TestControlView.moc"
