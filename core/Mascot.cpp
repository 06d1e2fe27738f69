// Draws the program's friendly picture with QPainter.
#include "core/Mascot.h"

#include <QPainter>
#include <QPainterPath>

namespace Mascot {

QImage image(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    const QColor outline(60, 50, 110);
    // Face.
    p.setPen(QPen(outline, 2));
    p.setBrush(QColor(255, 214, 120));
    p.drawEllipse(QRectF(8, 16, 48, 44));
    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 150, 200));
    p.drawEllipse(QRectF(14, 40, 9, 6));
    p.drawEllipse(QRectF(41, 40, 9, 6));
    // Eyes with a spark.
    p.setBrush(outline);
    p.drawEllipse(QRectF(20, 31, 7, 9));
    p.drawEllipse(QRectF(37, 31, 7, 9));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(22, 32, 3, 3));
    p.drawEllipse(QRectF(39, 32, 3, 3));
    // Smile.
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 38, 16, 12), 200 * 16, 140 * 16);
    // School cap: a board and a tassel.
    QPainterPath board;
    board.moveTo(32, 4);
    board.lineTo(60, 13);
    board.lineTo(32, 22);
    board.lineTo(4, 13);
    board.closeSubpath();
    p.setPen(QPen(outline, 1.5));
    p.setBrush(QColor(70, 90, 200));
    p.drawRect(QRectF(19, 14, 26, 8));
    p.drawPath(board);
    p.setPen(QPen(QColor(255, 190, 40), 2));
    p.drawLine(QPointF(32, 13), QPointF(52, 18));
    p.drawLine(QPointF(52, 18), QPointF(52, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 40));
    p.drawEllipse(QRectF(49.5, 26, 5, 5));
    return img;
}

const QPixmap& pixmap() {
    static const QPixmap cached = QPixmap::fromImage(image(64));
    return cached;
}

} // namespace Mascot
