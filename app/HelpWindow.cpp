// The help window over the program's help pages.
#include "app/HelpWindow.h"

#include "core/CuteButton.h"
#include "core/PracticeState.h"
#include "core/Seams.h"
#include "core/Style.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString HelpWindow::contentsPage(const QString& exeDir) {
    return exeDir + QStringLiteral("help/index.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Sorvelin の 使い方"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(false);
    browser_->setFont(Style::rounded(17));

    auto* home = new TCuteButton(this, QStringLiteral("HelpHome"), QStringLiteral("もくじ"),
                                 Style::LessonButton, Style::Navy, 15, QRect(0, 0, 90, 30));
    auto* back = new TCuteButton(this, QStringLiteral("HelpBack"), QStringLiteral("もどる"),
                                 Style::LessonButton, Style::Navy, 15, QRect(0, 0, 90, 30));
    auto* close = new TCuteButton(this, QStringLiteral("HelpClose"), QStringLiteral("とじる"),
                                  Style::Olive, Style::Cream, 15, QRect(0, 0, 90, 30));
    for (auto* b : {home, back, close})
        b->setFixedSize(90, 30);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(760, 620);
}

HelpWindow* HelpWindow::open(AppContext& ctx, QWidget* parent) {
    const QString page = contentsPage(ctx.state.ExeDir);
    if (!QFileInfo(page).isReadable()) {
        const QFileInfo info(page);
        ctx.dialogs.error(
            QStringLiteral("使い方のページ「%1」が見つかりませんでした。\nさがした場所：%2")
                .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
        return nullptr;
    }
    auto* window = parent ? parent->findChild<HelpWindow*>(QStringLiteral("HelpWindow")) : nullptr;
    if (!window)
        window = new HelpWindow(parent);
    window->browser_->setSource(QUrl::fromLocalFile(page));
    window->browser_->clearHistory();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
