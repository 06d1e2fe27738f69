// The common frame of the twenty topic screens.
#include "core/TopicScreen.h"

#include "core/CuteButton.h"
#include "core/Mascot.h"
#include "core/PracticeState.h"
#include "core/PromptBlink.h"
#include "core/Seams.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace Frame {

QLabel* addPicture(QWidget* screen, const QPoint& topLeft) {
    auto* image = new QLabel(screen);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(Mascot::pixmap());
    image->setGeometry(QRect(topLeft, QSize(64, 64)));
    return image;
}

QLabel* addStatusBar(QWidget* screen) {
    // A plain strip with two panels: the first always empty, the second the clock.
    const int height = 24;
    auto* status = new QWidget(screen);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setGeometry(0, screen->height() - height, screen->width(), height);
    status->setAutoFillBackground(true);
    QPalette palette = status->palette();
    palette.setColor(QPalette::Window, Style::StatusBar);
    palette.setColor(QPalette::WindowText, Qt::black);
    status->setPalette(palette);
    status->setFont(Style::status(12));
    auto* panel0 = new QLabel(status);
    panel0->setObjectName(QStringLiteral("Panel0"));
    panel0->setGeometry(0, 0, 680, height);
    panel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* panel1 = new QLabel(status);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(682, 0, screen->width() - 682, height);
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1->setAlignment(Qt::AlignCenter);
    return panel1;
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace Frame

TopicScreen::TopicScreen(AppContext& ctx, int number, const QString& chapterTitle,
                         const QString& topicTitle, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx) {
    setObjectName(QStringLiteral("Form%1").arg(number));
    setWindowTitle(QStringLiteral("Sorvelin"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Style::Background);
    setPalette(palette);
    setFont(Style::rounded(19));

    auto* title = Style::label(this, QStringLiteral("Label1"), chapterTitle,
                               Style::rounded(27, true), Style::Navy, QRect(0, 8, ClientWidth, 36));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto* topic = Style::label(this, QStringLiteral("Label2"), topicTitle, Style::rounded(24, true),
                               Style::TopicTitle, QRect(0, 46, ClientWidth, 32));
    topic->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    Frame::addPicture(this, QPoint(12, ClientHeight - 24 - 72));
    prompt_ = Style::label(this, QStringLiteral("Label3"), QString(), Style::rounded(16, true),
                           Style::Red, QRect(86, ClientHeight - 24 - 70, 560, 56));
    prompt_->setWordWrap(true);
    prompt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* quit =
        new TCuteButton(this, QStringLiteral("CuteButton1"), QStringLiteral("おわる"), Style::Navy,
                        Style::Cream, 15, QRect(ClientWidth - 102, ClientHeight - 24 - 44, 90, 30));
    auto* back = new TCuteButton(this, QStringLiteral("CuteButton2"), QStringLiteral("もくじへ"),
                                 Style::Olive, Style::Cream, 15,
                                 QRect(ClientWidth - 202, ClientHeight - 24 - 44, 90, 30));
    connect(quit, &QPushButton::clicked, this, [this] { ConfirmQuit(ctx_); });
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    clockPanel_ = Frame::addStatusBar(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TopicScreen::updateClock);
    timer1_->start();

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(1000);
    blink_ = new PromptBlink(prompt_, timer2_, ctx_.state.BlinkCount);
}

QLabel* TopicScreen::label(int n) const {
    return control<QLabel>("Label", n);
}
SimpleCombo* TopicScreen::comboBox(int n) const {
    return control<SimpleCombo>("ComboBox", n);
}
TCuteButton* TopicScreen::cuteButton(int n) const {
    return control<TCuteButton>("CuteButton", n);
}
QFrame* TopicScreen::shape(int n) const {
    return control<QFrame>("Shape", n);
}
QLabel* TopicScreen::image(int n) const {
    return control<QLabel>("Image", n);
}

PracticeState& TopicScreen::state() const {
    return ctx_.state;
}

void TopicScreen::armPrompt(const QString& text) {
    prompt_->setText(text);
    armPrompt();
}

void TopicScreen::armPrompt() {
    blink_->arm();
}

void TopicScreen::updateClock() {
    clockPanel_->setText(clockText(ctx_.clock.now()));
}

void TopicScreen::playCue(int n) {
    ctx_.PlaySoundCue(n);
}

void TopicScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    updateClock();
    onShow();
}

void TopicScreen::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    // A hidden screen must not keep counting the shared BlinkCount.
    blink_->stop();
}

void TopicScreen::closeEvent(QCloseEvent* event) {
    onLeave();
    event->accept();
}
