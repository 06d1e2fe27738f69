// The blink of a screen's prompt: after each arming the prompt disappears
// once for 50 ms and comes back. The tick counter is the shared BlinkCount.
#pragma once

#include <QObject>

class QLabel;
class QTimer;

class PromptBlink : public QObject {
    Q_OBJECT
public:
    // `timer` is the screen's Timer2; `counter` is PracticeState::BlinkCount.
    PromptBlink(QLabel* prompt, QTimer* timer, int& counter);

    // Restarts the count; starts the timer when it is not already running.
    void arm();
    // Stops the blink and leaves the prompt visible (the screen is hidden).
    void stop();
    // One timer tick.
    void tick();

private:
    QLabel* prompt_;
    QTimer* timer_;
    int& counter_;
};

// The status-bar clock text: "mm/dd  hh:mm AM/PM".
class QDateTime;
class QString;
QString clockText(const QDateTime& when);
