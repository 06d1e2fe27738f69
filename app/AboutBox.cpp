// The about box.
#include "app/AboutBox.h"

#include "core/CuteButton.h"
#include "core/Mascot.h"
#include "core/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QStringList AboutBox::lines() {
    return {QStringLiteral("Sorvelin"),
            QStringLiteral("バージョン %1").arg(QStringLiteral(SORVELIN_VERSION)),
            QStringLiteral("小学６年 算数"),
            QStringLiteral("家庭や学校で だれでも 自由に つかえる 学習ソフトです。")};
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(Style::rounded(16));
    auto* picture = new QLabel(this);
    picture->setPixmap(Mascot::pixmap());
    auto* text = new QVBoxLayout;
    const QStringList all = lines();
    for (int i = 0; i < all.size(); ++i) {
        auto* line = new QLabel(all[i], this);
        line->setObjectName(QStringLiteral("AboutLine%1").arg(i + 1));
        line->setFont(Style::rounded(i == 0 ? 22 : 16, i == 0));
        Style::setTextColor(line, Style::Navy);
        text->addWidget(line);
    }
    auto* ok = new TCuteButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                               Style::LessonButton, Style::Navy, 15, QRect(0, 0, 90, 30));
    ok->setFixedSize(90, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
