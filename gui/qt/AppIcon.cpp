#include "gui/qt/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace corvane::qt {

namespace {

const QColor kTileTop(0x2f, 0x7f, 0xd0);
const QColor kTileBottom(0x17, 0x3f, 0x7a);
const QColor kArrow(0xf5, 0x9e, 0x1b);
const QColor kRule(0x9a, 0xa8, 0xb8);
const QColor kXmlSheet(0xe6, 0xf4, 0xe1);
const QColor kXmlMark(0x2e, 0x8b, 0x3c);

// A sheet of paper with a folded corner, in a 256 by 256 design.
void DrawSheet(QPainter& p, const QRectF& r, const QColor& fill)
{
    const qreal fold = r.width() * 0.28;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 60), 4));
    p.setBrush(fill);
    p.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(fill.darker(125));
    p.drawPath(corner);
}

// The design at 256 by 256; `detail` adds the rules that small sizes drop.
void DrawIcon(QPainter& p, bool detail)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The payroll export: rows of figures.
    const QRectF source(34, 40, 110, 142);
    DrawSheet(p, source, Qt::white);
    if (detail) {
        p.setPen(QPen(kRule, 9, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = source.top() + 52 + i * 22;
            p.drawLine(QPointF(source.left() + 18, y), QPointF(source.right() - 18, y));
        }
    }

    // The intermediate file.
    const QRectF target(116, 92, 108, 132);
    DrawSheet(p, target, kXmlSheet);
    p.setPen(QPen(kXmlMark, detail ? 12 : 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = target.center() + QPointF(0, 10);
    p.drawPolyline(QPolygonF({c + QPointF(-18, -24), c + QPointF(-38, 0), c + QPointF(-18, 24)}));
    p.drawPolyline(QPolygonF({c + QPointF(18, -24), c + QPointF(38, 0), c + QPointF(18, 24)}));

    // The conversion.
    QPainterPath arrow;
    arrow.moveTo(60, 196);
    arrow.lineTo(110, 196);
    arrow.lineTo(110, 176);
    arrow.lineTo(150, 212);
    arrow.lineTo(110, 248 - 0.0);
    arrow.lineTo(110, 228);
    arrow.lineTo(60, 228);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 70), 4));
    p.setBrush(kArrow);
    p.translate(-8, -14);
    p.drawPath(arrow);
    p.translate(8, 14);
}

}  // namespace

QPixmap AppIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(size / 256.0, size / 256.0);
    DrawIcon(p, size >= 32);
    return pixmap;
}

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(AppIconPixmap(size));
    return icon;
}

QPixmap StartPicture(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, size.height());
    band.setColorAt(0, kTileTop);
    band.setColorAt(1, kTileBottom);
    p.fillRect(pixmap.rect(), band);

    // Faint rows of a ledger behind the icon.
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int y = 12; y < size.height(); y += 14)
        p.drawLine(0, y, size.width(), y);

    const int iconSize = size.width() - 24;
    p.drawPixmap(12, size.height() / 5, AppIconPixmap(iconSize));
    return pixmap;
}

}  // namespace corvane::qt
