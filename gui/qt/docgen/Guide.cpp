#include "gui/qt/docgen/Guide.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include "gui/qt/Appearance.h"

namespace corvane::qt {

namespace {

constexpr qreal kMarginMm = 18;
constexpr int kBodyPointSize = 10;
// The text width of an A4 page between the margins, in the document's
// pixels (1/96 inch): wider pictures are scaled down to it.
constexpr qreal kTextWidth = (210 - 2 * kMarginMm) / 25.4 * 96;

// Headings in the program's blue, by level.
void StyleHeadings(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCharFormat format;
        format.setFontPointSize(level == 1 ? 17 : level == 2 ? 13 : 11);
        format.setFontWeight(QFont::Bold);
        if (level <= 2)
            format.setForeground(QColor(0x17, 0x3f, 0x7a));
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.mergeCharFormat(format);
    }
}

// Checks every picture of `doc` and fits the wide ones to the page; the
// names of the pictures that cannot be loaded.
QStringList FitImages(QTextDocument& doc)
{
    QStringList missing;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QVariant data = doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
            const QImage picture = data.value<QImage>();
            if (picture.isNull()) {
                missing << image.name();
                continue;
            }
            // Printing works on a copy of the document, which keeps added
            // resources but not loaded ones.
            doc.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            const qreal width = qMin<qreal>(picture.width(), kTextWidth);
            image.setWidth(width);
            image.setHeight(picture.height() * width / picture.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return missing;
}

}  // namespace

QString WriteGuidePdf(const QString& source, const QString& out)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(source);
    const QString markdown = QString::fromUtf8(file.readAll());

    QTextDocument doc;
    QFont font(JapaneseFontFamily());
    font.setPointSize(kBodyPointSize);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absolutePath() + QLatin1Char('/')));
    doc.setMarkdown(markdown);
    StyleHeadings(doc);
    const QStringList missing = FitImages(doc);
    if (!missing.isEmpty())
        return QStringLiteral("%1: pictures not found: %2").arg(source, missing.join(QStringLiteral(", ")));

    {
        // The file is complete when the writer goes.
        QPdfWriter writer(out);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        writer.setTitle(doc.begin().text());
        writer.setCreator(QStringLiteral("Corvane"));
        doc.print(&writer);
    }
    if (!QFileInfo(out).isFile() || QFileInfo(out).size() == 0)
        return QStringLiteral("cannot write %1").arg(out);
    return QString();
}

}  // namespace corvane::qt
