// TCuteButton: the coloured push button of every screen (caption, face
// colour, text colour, rounded bold font, enabled state, click).
#pragma once

#include <QColor>
#include <QPushButton>

class TCuteButton : public QPushButton {
    Q_OBJECT
public:
    TCuteButton(QWidget* parent, const QString& name, const QString& caption, const QColor& face,
                const QColor& text, int pixelSize, const QRect& geometry);

    void setColors(const QColor& face, const QColor& text);
    QColor faceColor() const { return face_; }
    QColor textColor() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
    QColor text_;
};
