// Shared colours and fonts, and the check for a Japanese-capable font.
#include "core/Style.h"

#include <QFontDatabase>
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
    // One of the families of the screens' fonts must be installed and able
    // to write Japanese.
    const QStringList families = rounded(19).families() + status(12).families();
    for (const QString& family : families)
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
            return true;
    return false;
}

} // namespace Style
