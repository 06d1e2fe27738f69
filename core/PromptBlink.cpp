// Prompt blink and the status-bar clock text.
#include "core/PromptBlink.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

PromptBlink::PromptBlink(QLabel* prompt, QTimer* timer, int& counter)
    : QObject(timer), prompt_(prompt), timer_(timer), counter_(counter) {
    connect(timer_, &QTimer::timeout, this, &PromptBlink::tick);
}

void PromptBlink::arm() {
    counter_ = 0;
    if (!timer_->isActive())
        timer_->start();
}

void PromptBlink::stop() {
    timer_->stop();
    prompt_->setVisible(true);
}

void PromptBlink::tick() {
    ++counter_;
    if (counter_ > 2) {
        timer_->stop();
        prompt_->setVisible(true); // never leave the prompt hidden
        return;
    }
    if (counter_ % 2 == 1) {
        prompt_->setVisible(false);
        timer_->setInterval(50);
    } else {
        prompt_->setVisible(true);
        timer_->setInterval(500);
    }
}

QString clockText(const QDateTime& when) {
    return QLocale::c().toString(when, QStringLiteral("MM/dd  hh:mm AP"));
}
