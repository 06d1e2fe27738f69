// The coloured push button used on every screen, painted by hand (a rounded
// face, a darker edge, the caption centred) so that dozens of them cost
// nothing at start-up.
#include "core/CuteButton.h"

#include "core/Style.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

TCuteButton::TCuteButton(QWidget* parent, const QString& name, const QString& caption,
                         const QColor& face, const QColor& text, int pixelSize,
                         const QRect& geometry)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setFont(Style::rounded(pixelSize, true));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setColors(face, text);
}

void TCuteButton::setColors(const QColor& face, const QColor& text) {
    face_ = face;
    text_ = text;
    update();
}

void TCuteButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor face = face_;
    QColor text = text_;
    if (!isEnabled()) {
        face = face_.lighter(112);
        face.setAlpha(150);
        text = QColor(150, 150, 150);
    } else if (isDown()) {
        face = face_.darker(115);
    } else if (underMouse()) {
        face = face_.lighter(108);
    }
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(isEnabled() ? face_.darker(140) : QColor(190, 190, 190), 2));
    painter.setBrush(face);
    painter.drawRoundedRect(box, 8, 8);
    painter.setPen(text);
    painter.setFont(font());
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    painter.drawText(rect().translated(shift), Qt::AlignCenter | Qt::TextShowMnemonic,
                     this->text());
    if (hasFocus()) {
        painter.setPen(QPen(text, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(box.adjusted(3, 3, -3, -3), 6, 6);
    }
}
