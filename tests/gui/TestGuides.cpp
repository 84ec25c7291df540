// The operation guides: made from Markdown with the pictures beside it, in an
// embedded Japanese font; a guide whose picture is missing is refused.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "gui/qt/Appearance.h"
#include "gui/qt/docgen/Guide.h"

using corvane::qt::WriteGuidePdf;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

}  // namespace

class TestGuides : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aGuideBecomesAPdfWithItsPicturesAndFont();
    void aMissingPictureOrSourceIsAnError();
};

void TestGuides::initTestCase()
{
    if (corvane::qt::JapaneseFontFamily().isEmpty())
        QFAIL("no Japanese font installed (fonts-noto-cjk)");
}

void TestGuides::aGuideBecomesAPdfWithItsPicturesAndFont()
{
    QTemporaryDir dir;
    QImage wide(2000, 300, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    QVERIFY(wide.save(dir.filePath(QStringLiteral("wide.png"))));
    WriteText(
        dir.filePath(QStringLiteral("guide.md")),
        QStringLiteral(
            "# 作成方法\n\n従業員一覧表のページ\n\n![画面](wide.png)\n\n| 行 | 内容 |\n|---|---|\n| 1 | 表題行 |\n"));
    const QString pdf = dir.filePath(QStringLiteral("guide.PDF"));
    QCOMPARE(WriteGuidePdf(dir.filePath(QStringLiteral("guide.md")), pdf), QString());

    const QByteArray bytes = ReadAll(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // The Japanese face travels with the file, so that any viewer shows it.
    QVERIFY(bytes.contains("/FontFile2"));
    QVERIFY(bytes.contains(corvane::qt::JapaneseFontFamily().remove(QLatin1Char(' ')).left(8).toLatin1()));
    // The picture itself is drawn, not the placeholder of a missing one.
    QVERIFY(bytes.contains("/Width 2000"));
}

void TestGuides::aMissingPictureOrSourceIsAnError()
{
    QTemporaryDir dir;
    WriteText(dir.filePath(QStringLiteral("guide.md")),
              QStringLiteral("# 作成方法\n\n![画面](../screenshots/none.png)\n"));
    const QString pdf = dir.filePath(QStringLiteral("guide.PDF"));
    const QString error = WriteGuidePdf(dir.filePath(QStringLiteral("guide.md")), pdf);
    QVERIFY2(error.contains(QStringLiteral("none.png")), qPrintable(error));
    QVERIFY(!QFile::exists(pdf));

    QVERIFY(WriteGuidePdf(dir.filePath(QStringLiteral("nothing.md")), pdf).contains(QStringLiteral("nothing.md")));
}

QTEST_MAIN(TestGuides)
#include "TestGuides.moc"
