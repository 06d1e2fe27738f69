// TForm1: the main menu ("もくじ"), the program's main window. Ten chapters
// with twenty topic buttons, the blinking start prompt, the clock, the help
// menu, "おわる", and the one-shot timer that plays the opening chime.
#pragma once

#include "core/AppContext.h"

#include <QMainWindow>
#include <map>

class QLabel;
class QTimer;
class PromptBlink;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation steps: sound off, program folder, start prompt,
    // blink and the start timer.
    TForm1(AppContext& ctx, const QString& exeDir);

    // The screens the topic buttons open, by form number (2 … 21).
    void setTopicScreens(const std::map<int, QWidget*>& screens);
    QWidget* topicScreen(int form) const;

    // Opens the help pages at their contents page.
    void showHelp();
    // Shows the about box.
    void showAbout();

    void updateClock();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildContents(QWidget* client);
    void openTopic(int form);
    void startTimerFired();

    AppContext& ctx_;
    std::map<int, QWidget*> screens_;
    QLabel* prompt_ = nullptr;
    QLabel* clockPanel_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
    PromptBlink* blink_ = nullptr;
};
