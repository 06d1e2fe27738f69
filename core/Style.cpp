// Shared colours and fonts, and the check for a Japanese-capable font.
#include "core/Style.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>

namespace Style {

QFont rounded(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("HG丸ｺﾞｼｯｸM-PRO"), QStringLiteral("MotoyaLMaru"),
                      QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont status(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("MotoyaLMaru")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QFont& font,
              const QColor& color, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    setTextColor(l, color);
    if (geometry.width() > 0) {
        l->setGeometry(geometry);
    } else {
        l->move(geometry.topLeft());
        l->adjustSize();
    }
    return l;
}

bool japaneseFontAvailable() {
    const QFont font = rounded(19);
    const QFontMetrics metrics(font);
    // 算 and も must both have glyphs in the font the families resolve to.
    return metrics.inFontUcs4(0x7B97) && metrics.inFontUcs4(0x3082);
}

} // namespace Style
