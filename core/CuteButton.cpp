// The coloured push button used on every screen.
#include "core/CuteButton.h"

#include "core/Style.h"

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
    const QColor edge = face.darker(140);
    setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px solid %3;"
                       " border-radius: 8px; padding: 2px; }"
                       "QPushButton:hover { background-color: %4; }"
                       "QPushButton:pressed { background-color: %5; }"
                       "QPushButton:disabled { background-color: %6; color: %7;"
                       " border-color: %8; }")
            .arg(face.name(), text.name(), edge.name(), face.lighter(108).name(),
                 face.darker(115).name(), face.lighter(112).name(), QColor(150, 150, 150).name(),
                 QColor(190, 190, 190).name()));
}
