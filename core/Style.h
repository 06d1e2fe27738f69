// Colours and fonts shared by every screen: the rounded Japanese font for
// labels and buttons, the status-bar font, and the named colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace Style {

inline const QColor Background{234, 234, 255};
inline const QColor StatusBar{208, 208, 255};
inline const QColor Navy{0, 0, 128};
inline const QColor Cream{255, 251, 240};
inline const QColor Olive{128, 128, 0};
inline const QColor Teal{0, 128, 128};
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor SkyBlue{166, 202, 240};
inline const QColor TopicTitle{202, 55, 78};
inline const QColor LessonButton{189, 232, 215};
inline const QColor NextButton{255, 166, 255};
inline const QColor WholeWheel{237, 254, 249}; // numerator and whole-part wheels
inline const QColor DenWheel{252, 241, 197};   // denominator wheels
inline const QColor White{255, 255, 255};

// The rounded font of labels and buttons at a pixel size.
QFont rounded(int pixelSize, bool bold = false);
// The status-bar font.
QFont status(int pixelSize, bool bold = true);

// A label with a name, text, font, colour and place; AutoSize-like when
// the rectangle has no width.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QFont& font,
              const QColor& color, const QRect& geometry);

// Sets a widget's text colour through its palette.
void setTextColor(QWidget* widget, const QColor& color);

// True when a font that can show Japanese resolves on this machine.
bool japaneseFontAvailable();

} // namespace Style
