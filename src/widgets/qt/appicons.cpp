#include "appicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

// One sheet of text: a white page with a folded corner and a few grey lines.
void DrawSheet(QPainter& painter, const QRectF& page) {
    const qreal fold = page.width() * 0.3;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 60), page.width() / 14.0));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);

    painter.setPen(QPen(QColor(150, 150, 150), page.height() / 24.0));
    const qreal margin = page.width() * 0.18;
    for (int line = 1; line <= 4; ++line) {
        const qreal y = page.top() + fold * 0.6 + line * (page.height() - fold) / 5.5;
        painter.drawLine(QPointF(page.left() + margin, y), QPointF(page.right() - margin, y));
    }
}

QPixmap DrawAppIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Two source sheets at the top, one result sheet below, joined by a dark red arrow.
    DrawSheet(painter, QRectF(s * 0.04, s * 0.04, s * 0.36, s * 0.44));
    DrawSheet(painter, QRectF(s * 0.32, s * 0.10, s * 0.36, s * 0.44));
    DrawSheet(painter, QRectF(s * 0.56, s * 0.46, s * 0.40, s * 0.50));

    const QColor darkRed(128, 0, 0);
    painter.setPen(QPen(darkRed, s / 12.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.24, s * 0.58), QPointF(s * 0.24, s * 0.78));
    painter.drawLine(QPointF(s * 0.24, s * 0.78), QPointF(s * 0.44, s * 0.78));
    painter.setPen(Qt::NoPen);
    painter.setBrush(darkRed);
    painter.drawPolygon(QPolygonF(
        {QPointF(s * 0.54, s * 0.78), QPointF(s * 0.42, s * 0.68), QPointF(s * 0.42, s * 0.88)}));
    return pixmap;
}

// A solid arrow in a 32x32 picture; up when `up` is true, else down.
QPixmap DrawArrow(bool up) {
    constexpr int kSize = 32;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!up) {
        painter.translate(0, kSize);
        painter.scale(1, -1);
    }
    const QPolygonF arrow({QPointF(16, 3), QPointF(29, 16), QPointF(21, 16), QPointF(21, 29),
                           QPointF(11, 29), QPointF(11, 16), QPointF(3, 16)});
    painter.setPen(QPen(QColor(0, 0, 96), 1.5));
    painter.setBrush(QColor(40, 80, 170));
    painter.drawPolygon(arrow);
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(DrawAppIcon(size));
    }
    return icon;
}

QIcon UpArrowIcon() {
    return QIcon(DrawArrow(true));
}

QIcon DownArrowIcon() {
    return QIcon(DrawArrow(false));
}
