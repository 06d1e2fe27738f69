// DrillScreen: the timed drill run that the four drill screens share. The
// child picks a kind of problem and a time limit, presses "スタート", answers
// problem after problem on the wheels and "◆", stops (or the time runs out)
// and sees the score; "けっか" lists every problem in the results grid.
// A drill adds only its problems: how they are drawn, shown and written.
#pragma once

#include "core/TopicScreen.h"
#include "drills/DrillLogic.h"

#include <QStringList>

class AnswerWheels;
class QTableView;
class QTimer;

// A problem as the run needs it: the expected answer and the problem text of
// the results table (without the leading blank).
struct DrillProblem {
    MixedAnswer expected;
    QString text;
};

// What tells the drill screens apart.
struct DrillSetup {
    int form = 0;             // 7, 11, 13 or 16
    QString title;            // Label1, e.g. "分数の計算・１"
    QStringList menuItems;    // ComboBox1
    QString startInstruction; // under the first problem number of a run
    int lastLabel = 0;        // the reset blanks Label3 … this label
    int bars = 0;             // the reset hides Shape1 … this shape
    int gridLeft = 0;         // left edge of the results grid
    int problemColumn = 300;  // width of the grid's problem column
    int gridWidth = 619;
};

class DrillScreen : public TopicScreen {
    Q_OBJECT
public:
    DrillScreen(AppContext& ctx, const DrillSetup& setup, QWidget* parent = nullptr);

    // The instruction under the problem number for every problem after the first.
    static QString nextInstruction();

protected:
    // Draws a problem of menu item `menu` (1-based) and shows it in the
    // problem row. `firstOfRun` is true at "スタート".
    virtual DrillProblem makeProblem(int menu, bool firstOfRun) = 0;
    // Clears what the drill keeps of its problem (labels and bars are
    // already blank and hidden).
    virtual void resetProblem() {}
    // The text of an expected or entered answer in the results table.
    virtual QString answerText(const MixedAnswer& answer) const {
        return FormatMixedNumber(answer);
    }

    // The problem row: `operands` slots, slot i with its whole part
    // Label(9+3i), denominator Label(10+3i), numerator Label(11+3i) and bar
    // Shape(i+1); slots 0 … operators−1 are followed by the operator labels
    // firstOperator, firstOperator+1, …
    void addProblemRow(int operands, int firstOperator, int operators);
    // Shows operand `slot`: the whole part when above 0, and the fraction over
    // its bar when it has a denominator.
    void showOperand(int slot, int whole, int den, int num);

    void onShow() override;
    void onLeave() override;

private:
    enum class Phase { WaitingMenu, WaitingTime, Ready, Answering, Judged, Stopped };

    void buildControls();
    void ResetDrillScreen();
    void ShowDrillWheels();
    void JudgeDrillAnswer();
    void ShowDrillResults(qint64 endMs);

    void menuChosen(int index);
    void timeChosen(int index);
    void startRun();
    void nextProblem();
    void stopRun();
    void toggleResults();
    void Timer3Timer();

    void poseProblem(bool firstOfRun);
    void endRun(qint64 endMs);
    bool runGoingOn() const { return phase_ == Phase::Answering || phase_ == Phase::Judged; }
    void setRunControls(bool start, bool next, bool stop, bool results);
    void syncSharedCounters();
    void keepStoreNotice();
    void showStoreNotice();

    DrillSetup setup_;
    AnswerWheels* wheels_ = nullptr;
    QTableView* grid_ = nullptr;
    QTimer* timer3_ = nullptr;

    Phase phase_ = Phase::WaitingMenu;
    int menuChoice_ = 0;
    int timeLimit_ = 0;    // seconds, 0 for none
    int limitTicks_ = 0;   // Timer3 ticks since "スタート"
    qint64 startMs_ = 0;   // monotonic time of "スタート"
    int problemCount_ = 0; // this run's own counters
    int correctCount_ = 0;
    DrillProblem problem_;
    bool noticeShown_ = false; // a store problem was reported in this run
    QString pendingNotice_;
};
