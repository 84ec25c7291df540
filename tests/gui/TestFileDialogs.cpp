// The logic's file dialog requests as Qt's own dialog, and the wizard's filters.
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>
#include <QTemporaryDir>
#include <QTest>

#include "GuiSandbox.h"
#include "gui/qt/NameFilters.h"
#include "gui/qt/QtFileDialogs.h"
#include "gui/qt/QtText.h"
#include "platform/TextCodec.h"
#include "wizard/FileFilters.h"

namespace {

std::string Cp932(const char8_t* utf8)
{
    return corvane::platform::SystemTextCodec().Utf8ToText(reinterpret_cast<const char*>(utf8));
}

}  // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
    void openRequestSetsUpTheDialog();
    void saveRequestSetsUpTheDialog();
    void exportFilterListsLowerCaseTxtFiles();
    void qtsOwnDialogShowsWholeJapaneseDetails();
};

void TestFileDialogs::nameFilters_data()
{
    QTest::addColumn<QByteArray>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("export files") << QByteArray::fromStdString(corvane::ExportFileFilter())
                                  << QStringList(
                                         {QStringLiteral(u"TXTﾌｧｲﾙ(*.TXT)"), QStringLiteral(u"すべてのﾌｧｲﾙ(*.*)")});
    QTest::newRow("intermediate file") << QByteArray::fromStdString(corvane::IntermediateFileFilter())
                                       << QStringList({QStringLiteral(u"中間ファイル(*.XML)"),
                                                       QStringLiteral(u"全てのファイル(*.*)")});
    QTest::newRow("patterns not in the description") << QByteArray::fromStdString(Cp932(u8"集計表|*.txt;*.csv||"))
                                                     << QStringList({QStringLiteral(u"集計表 (*.txt *.csv)")});
    QTest::newRow("other patterns in the description")
        << QByteArray("Text (*.a)|*.b||") << QStringList({QStringLiteral("Text (*.a) (*.b)")});
    QTest::newRow("empty") << QByteArray() << QStringList();
}

void TestFileDialogs::nameFilters()
{
    QFETCH(QByteArray, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(corvane::qt::NameFilters(filter.toStdString()), expected);
}

void TestFileDialogs::openRequestSetsUpTheDialog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    corvane::platform::OpenFileRequest request;
    request.title = Cp932(u8"給与ファイルを選択（TXTファイル）※複数選択可");
    request.filter = corvane::ExportFileFilter();
    request.defaultExtension = "TXT";
    request.multiSelect = true;

    QFileDialog dialog;
    corvane::qt::ConfigureOpenDialog(dialog, request, dir.path());
    QCOMPARE(dialog.windowTitle(), QStringLiteral(u"給与ファイルを選択（TXTファイル）※複数選択可"));
    // The desktop's own dialog wherever its platform theme has one.
    QVERIFY(!dialog.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("TXT"));
    QCOMPARE(dialog.nameFilters().size(), 2);
    QCOMPARE(dialog.selectedNameFilter(), dialog.nameFilters().front());
    QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());

    // One file, started from the file already chosen.
    request.multiSelect = false;
    request.initialFileName = corvane::qt::ToPath(dir.filePath(QStringLiteral(u"従業員.txt")));
    QFile(dir.filePath(QStringLiteral(u"従業員.txt"))).open(QIODevice::WriteOnly);
    QFileDialog single;
    corvane::qt::ConfigureOpenDialog(single, request, QString());
    QCOMPARE(single.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(QDir(single.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    QCOMPARE(QFileInfo(single.selectedFiles().value(0)).fileName(), QStringLiteral(u"従業員.txt"));
}

void TestFileDialogs::saveRequestSetsUpTheDialog()
{
    corvane::platform::SaveFileRequest request;
    request.title = Cp932(u8"名前を付けて保存");
    request.filter = corvane::IntermediateFileFilter();
    request.defaultExtension = "XML";
    request.initialFileName = reinterpret_cast<const char*>(u8"サンプル商事株式会社.XML");
    QFileDialog dialog;
    corvane::qt::ConfigureSaveDialog(dialog, request, QString());
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("XML"));
    QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), QStringLiteral(u"サンプル商事株式会社.XML"));

    request.confirmOverwrite = false;
    QFileDialog quiet;
    corvane::qt::ConfigureSaveDialog(quiet, request, QString());
    QVERIFY(quiet.testOption(QFileDialog::DontConfirmOverwrite));
}

void TestFileDialogs::exportFilterListsLowerCaseTxtFiles()
{
    // Exports copied to Linux often end in ".txt": the TXT filter must show them.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"lower.txt", "UPPER.TXT", "other.xml"})
        QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    corvane::platform::OpenFileRequest request;
    request.filter = corvane::ExportFileFilter();
    QFileDialog dialog;
    corvane::qt::ConfigureOpenDialog(dialog, request, dir.path());
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model);
    dialog.show();
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QVERIFY(view);
    // The model gathers the folder on its own thread and may signal a parent
    // folder first: poll the view until the listing has settled.
    auto shown = [view] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList({QStringLiteral("UPPER.TXT"), QStringLiteral("lower.txt")}), 10000);
    dialog.close();
}

// Where the desktop has no dialog of its own: a folder's type in Japanese,
// and the size, type and date of every row whole in their columns.
void TestFileDialogs::qtsOwnDialogShowsWholeJapaneseDetails()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("2023")));
    QFile(dir.filePath(QStringLiteral("salary-04.txt"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(QStringLiteral(u"従業員一覧表（令和6年12月分）.txt"))).open(QIODevice::WriteOnly);
    corvane::platform::OpenFileRequest request;
    request.filter = corvane::ExportFileFilter();
    request.multiSelect = true;
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    corvane::qt::ConfigureOpenDialog(dialog, request, dir.path());
    dialog.show();

    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(view && model);
    const QModelIndex folder = model->index(dialog.directory().absolutePath());
    QTRY_COMPARE(model->rowCount(folder), 3);
    const QModelIndex sub = model->index(dir.filePath(QStringLiteral("2023")));
    QCOMPARE(model->index(sub.row(), 2, sub.parent()).data().toString(), QStringLiteral(u"ファイル フォルダー"));

    QCoreApplication::processEvents();
    const QFontMetrics metrics(view->font());
    for (int row = 0; row < 3; ++row) {
        for (int column = 1; column < 4; ++column) {
            const QString text = model->index(row, column, folder).data().toString();
            QVERIFY2(view->header()->sectionSize(column) >= metrics.horizontalAdvance(text),
                     qPrintable(QStringLiteral("column %1 clips %2").arg(column).arg(text)));
        }
    }
}

CORVANE_GUI_TEST_MAIN(TestFileDialogs)
#include "TestFileDialogs.moc"
