// The main menu screen: table of contents, start chime, help and about box.
#include "app/Unit1.h"

#include "app/AboutBox.h"
#include "app/Contents.h"
#include "app/HelpWindow.h"
#include "core/CuteButton.h"
#include "core/PracticeState.h"
#include "core/PromptBlink.h"
#include "core/Seams.h"
#include "core/Style.h"
#include "core/TopicScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {
constexpr int ButtonWidth = 215;
constexpr int ButtonHeight = 34;
constexpr int ButtonStep = 39;
constexpr int ChapterGap = 10;
constexpr int ContentsTop = 66;
} // namespace

TForm1::TForm1(AppContext& ctx, const QString& exeDir) : ctx_(ctx) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sorvelin"));

    // Cues requested while the other screens are created stay silent.
    ctx_.state.SoundOn = 0;
    ctx_.state.ExeDir = exeDir;

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(TopicScreen::ClientWidth, TopicScreen::ClientHeight);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Style::Background);
    client->setPalette(palette);
    client->setFont(Style::rounded(19));
    setCentralWidget(client);

    auto* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    help->setObjectName(QStringLiteral("Help1"));
    auto* tutorial = help->addAction(QStringLiteral("使い方"), this, &TForm1::showHelp);
    tutorial->setObjectName(QStringLiteral("utorial1"));
    auto* about = help->addAction(QStringLiteral("バージョン情報"), this, &TForm1::showAbout);
    about->setObjectName(QStringLiteral("About1"));
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    menuBar()->setFont(Style::rounded(15));

    auto* heading = Style::label(client, QStringLiteral("Label4"), QStringLiteral("もくじ"),
                                 Style::rounded(24, true), Style::Navy,
                                 QRect(0, 14, TopicScreen::ClientWidth, 36));
    heading->setAlignment(Qt::AlignCenter);
    buildContents(client);

    Frame::addPicture(client, QPoint(12, TopicScreen::ClientHeight - 24 - 72));
    prompt_ =
        Style::label(client, QStringLiteral("Label5"),
                     QStringLiteral("「ボタン」を選んで はじめてね！"), Style::rounded(16, true),
                     Style::Red, QRect(86, TopicScreen::ClientHeight - 24 - 56, 560, 30));
    auto* quit = new TCuteButton(
        client, QStringLiteral("CuteButton2"), QStringLiteral("おわる"), Style::Navy, Style::Cream,
        15, QRect(TopicScreen::ClientWidth - 102, TopicScreen::ClientHeight - 24 - 44, 90, 30));
    connect(quit, &QPushButton::clicked, this, [this] { ConfirmQuit(ctx_); });
    clockPanel_ = Frame::addStatusBar(client);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TForm1::updateClock);
    timer1_->start();
    updateClock();

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(500);
    blink_ = new PromptBlink(prompt_, timer2_, ctx_.state.BlinkCount);
    blink_->arm();

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    timer3_->setSingleShot(true);
    connect(timer3_, &QTimer::timeout, this, &TForm1::startTimerFired);
    timer3_->start();

    adjustSize();
}

void TForm1::buildContents(QWidget* client) {
    // Chapters 1 … 6 on the left, 7 … 10 on the right; each title stands
    // left of its first button, the buttons stacked under one another.
    const int columns[2][2] = {{24, 236}, {484, 700}}; // title x, button x
    int column = 0;
    int y = ContentsTop;
    int chapterLabel = 6; // Label6 … Label15, in chapter order
    for (const ContentsEntry& row : contents()) {
        if (!row.chapter.isEmpty()) {
            if (chapterLabel == 12) { // chapter 7 opens the right column
                column = 1;
                y = ContentsTop;
            } else if (y != ContentsTop) {
                y += ChapterGap;
            }
            auto* title = Style::label(client, QStringLiteral("Label%1").arg(chapterLabel++),
                                       row.chapter, Style::rounded(19, true), Style::Navy,
                                       QRect(columns[column][0], y, 206, ButtonHeight));
            title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        auto* button =
            new TCuteButton(client, QStringLiteral("CuteButton%1").arg(row.button), row.caption,
                            row.drill ? Style::SkyBlue : Style::LessonButton, Style::Navy, 19,
                            QRect(columns[column][1], y, ButtonWidth, ButtonHeight));
        const int form = row.form;
        connect(button, &QPushButton::clicked, this, [this, form] { openTopic(form); });
        y += ButtonStep;
    }
}

void TForm1::setTopicScreens(const std::map<int, QWidget*>& screens) {
    screens_ = screens;
}

QWidget* TForm1::topicScreen(int form) const {
    const auto it = screens_.find(form);
    return it == screens_.end() ? nullptr : it->second;
}

void TForm1::openTopic(int form) {
    QWidget* screen = topicScreen(form);
    if (!screen)
        return;
    // The screen is application-modal: the menu waits behind it, unchanged.
    // It lies exactly over the menu's own area, so nothing of the menu but
    // its menu bar shows around it.
    const QPoint client = centralWidget()->mapToGlobal(QPoint(0, 0));
    const QPoint frame = screen->geometry().topLeft() - screen->frameGeometry().topLeft();
    screen->move(client - frame);
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void TForm1::startTimerFired() {
    timer3_->stop();
    ctx_.state.SoundOn = 1;
    ctx_.PlaySoundCue(16);
}

void TForm1::updateClock() {
    clockPanel_->setText(clockText(ctx_.clock.now()));
}

void TForm1::showHelp() {
    HelpWindow::open(ctx_, this);
}

void TForm1::showAbout() {
    AboutBox box(this);
    box.exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program at once.
    event->accept();
    if (ctx_.quit)
        ctx_.quit();
}
