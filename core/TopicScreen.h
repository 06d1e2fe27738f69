// The frame every topic screen shares: window, chapter and topic titles,
// the blinking prompt, the picture, the status-bar clock, "おわる" and
// "もくじへ", the show-time reset hook and lookup of numbered controls.
#pragma once

#include "core/AppContext.h"

#include <QWidget>

class QLabel;
class QTimer;
class QFrame;
class PromptBlink;
class SimpleCombo;
class TCuteButton;
struct PracticeState;

class TopicScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 955;
    static constexpr int ClientHeight = 716;

    // `number` gives the instance name ("Form" + number).
    TopicScreen(AppContext& ctx, int number, const QString& chapterTitle, const QString& topicTitle,
                QWidget* parent = nullptr);

    // A numbered control of this screen by composed name, e.g.
    // control<QLabel>("Label", 7) is Label7. Null when there is none.
    template <class T> T* control(const char* prefix, int number) const {
        return findChild<T*>(QLatin1String(prefix) + QString::number(number));
    }
    QLabel* label(int n) const;
    SimpleCombo* comboBox(int n) const;
    TCuteButton* cuteButton(int n) const;
    QFrame* shape(int n) const;
    QLabel* image(int n) const;

    // Sets the prompt (Label3) when `text` is given and arms its blink.
    void armPrompt(const QString& text);
    void armPrompt();

    AppContext& context() const { return ctx_; }
    PracticeState& state() const;

    QLabel* prompt() const { return prompt_; }
    QTimer* clockTimer() const { return timer1_; }
    QTimer* blinkTimer() const { return timer2_; }

    // Writes the clock into the status bar now (Timer1 does it every second).
    void updateClock();

protected:
    // Runs every time the screen is shown: the screen's reset and its first prompt.
    virtual void onShow() {}
    // Runs when the screen is left ("もくじへ" or the close box).
    virtual void onLeave() {}

    void playCue(int n);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& ctx_;

private:
    QLabel* prompt_;
    QTimer* timer1_;
    QTimer* timer2_;
    QLabel* clockPanel_;
    PromptBlink* blink_;
};

// Helpers shared by the screen frame and the main menu.
namespace Frame {
// The 64 × 64 picture at the bottom left of every screen.
QLabel* addPicture(QWidget* screen, const QPoint& topLeft);
// The status bar with its empty panel and clock panel; returns the clock panel.
QLabel* addStatusBar(QWidget* screen);
// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);
} // namespace Frame
