// The timed drill run shared by the four drill screens: menu and time boxes,
// "スタート", "次へ", "ストップ", "けっか", the time limit, the verdicts stored
// in the results table, the result lines and the results grid.
#include "drills/DrillScreen.h"

#include "core/AnswerWheels.h"
#include "core/CuteButton.h"
#include "core/PracticeState.h"
#include "core/Seams.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"
#include "drills/untDTM.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTimer>

namespace {

// Faces of the four run buttons, each its own colour.
const QColor StartFace{150, 222, 150};
const QColor NextFace = Style::NextButton;
const QColor StopFace{255, 190, 120};
const QColor ResultsFace = Style::SkyBlue;

// Where things stand on every drill screen.
constexpr int LeftColumn = 16;
constexpr int RightColumn = 800;
constexpr int WorkLeft = 166;
constexpr int WheelsTop = 200;
constexpr int GridTop = 112;
constexpr int GridHeight = 401;

// The problem row: numerators sit on the bars, denominators under them.
constexpr int SlotWidth = 106;
constexpr int WholeWidth = 26;
constexpr int FractionWidth = 46;
constexpr int OperatorWidth = 30;
constexpr int RowMiddle = 320; // the bars' height on the screen
constexpr int NumberHeight = 36;

const QString PromptMenu = QStringLiteral("「メニュー」を選んでね！");
const QString PromptTime = QStringLiteral("「時間」を選んでね！");
const QString PromptStart = QStringLiteral("「スタート」ボタンをおしてね！");
const QString PromptAnswer = QStringLiteral("答えは、整数、分母、分子を選び、◆をクリックしてね！");
const QString PromptNext = QStringLiteral("「次へ」ボタンで進めてね！");
const QString PromptDone = QStringLiteral("おつかれさま！");
const QString PromptGrid = QStringLiteral("もう一度「けっか」ボタンをおすと消えるよ！");
const QString TimeUp = QStringLiteral("時間だから、ドリルを終わるよ！");

QLabel* numberLabel(QWidget* parent, int number, const QRect& place) {
    auto* label = Style::label(parent, QStringLiteral("Label%1").arg(number), QString(),
                               Style::rounded(28, true), Style::Navy, place);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

DrillScreen::DrillScreen(AppContext& ctx, const DrillSetup& setup, QWidget* parent)
    : TopicScreen(ctx, setup.form, setup.title, QStringLiteral("ドリル"), parent), setup_(setup) {
    buildControls();
}

QString DrillScreen::nextInstruction() {
    return QStringLiteral("答えは、仮分数なら帯分数にし、できるだけ\n小さく約分する。");
}

void DrillScreen::buildControls() {
    prompt()->setText(QStringLiteral("じかんをえらんでね！"));

    auto* heading =
        Style::label(this, QStringLiteral("Label4"), QStringLiteral("問題番号："),
                     Style::rounded(18, true), Style::Navy, QRect(WorkLeft, 96, 620, 100));
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const char* const lines[] = {"問　題：", "○の数：", "点　数：", "時　間："};
    for (int i = 0; i < 4; ++i) {
        const QRect place(WorkLeft + (i % 2) * 260, 524 + (i / 2) * 34, 250, 30);
        Style::label(this, QStringLiteral("Label%1").arg(5 + i), QString::fromUtf8(lines[i]),
                     Style::rounded(20, true), Style::Navy, place);
    }

    auto* menu = new SimpleCombo(this, QStringLiteral("ComboBox1"), setup_.menuItems,
                                 QStringLiteral("  メニュー"), Style::White, Style::rounded(19),
                                 QPoint(LeftColumn, 100), 134);
    auto* time = new SimpleCombo(this, QStringLiteral("ComboBox2"), DrillTimeItems(),
                                 QStringLiteral("    時間"), Style::White, Style::rounded(19),
                                 QPoint(LeftColumn, 290), 134);
    connect(menu, &SimpleCombo::changed, this, &DrillScreen::menuChosen);
    connect(time, &SimpleCombo::changed, this, &DrillScreen::timeChosen);

    const struct {
        int number;
        const char* caption;
        QColor face;
        void (DrillScreen::*handler)();
    } buttons[] = {{3, "スタート", StartFace, &DrillScreen::startRun},
                   {4, "次へ", NextFace, &DrillScreen::nextProblem},
                   {5, "ストップ", StopFace, &DrillScreen::stopRun},
                   {6, "けっか", ResultsFace, &DrillScreen::toggleResults}};
    for (const auto& b : buttons) {
        auto* button = new TCuteButton(this, QStringLiteral("CuteButton%1").arg(b.number),
                                       QString::fromUtf8(b.caption), b.face, Style::Navy, 19,
                                       QRect(RightColumn, 110 + (b.number - 3) * 60, 136, 42));
        connect(button, &QPushButton::clicked, this, b.handler);
    }

    // Whole part ComboBox7, denominator 6 and 5, numerator 4 and 3; "◆" is ComboBox8.
    wheels_ =
        new AnswerWheels(this, AnswerWheels::fractionLayout(true, 3), 8, {QStringLiteral("◆")},
                         QPoint(WorkLeft + 4 * SlotWidth, WheelsTop), 25);
    wheels_->arm(); // a drill's wheels are always on the screen
    connect(wheels_, &AnswerWheels::submitted, this, [this](int) {
        // One verdict per problem: picks after it wait for "次へ" or "スタート".
        if (phase_ == Phase::Answering)
            JudgeDrillAnswer();
    });

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    if (ctx_.results)
        grid_->setModel(ctx_.results->model());
    grid_->setGeometry(setup_.gridLeft, GridTop, setup_.gridWidth, GridHeight);
    grid_->setFont(Style::rounded(16));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->horizontalHeader()->setFont(Style::rounded(13, true));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    const int widths[] = {40, setup_.problemColumn, 100, 100, 40};
    for (int column = 0; column < 5; ++column)
        grid_->setColumnWidth(column, widths[column]);
    grid_->setStyleSheet(
        QStringLiteral("QTableView { background-color: %1; color: %2; gridline-color: %3; }"
                       "QHeaderView::section { background-color: %4; color: %2; "
                       "border: 1px solid %3; padding: 2px; }")
            .arg(Style::Cream.name(), Style::Navy.name(), QColor(180, 180, 200).name(),
                 QColor(236, 233, 216).name()));
    grid_->hide();

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &DrillScreen::Timer3Timer);
}

void DrillScreen::addProblemRow(int operands, int firstOperator, int operators) {
    for (int slot = 0; slot < operands; ++slot) {
        const int x = WorkLeft + slot * SlotWidth;
        const int fractionX = x + WholeWidth;
        numberLabel(this, 9 + 3 * slot,
                    QRect(x, RowMiddle - NumberHeight / 2, WholeWidth, NumberHeight));
        numberLabel(this, 10 + 3 * slot,
                    QRect(fractionX, RowMiddle + 4, FractionWidth, NumberHeight));
        numberLabel(this, 11 + 3 * slot,
                    QRect(fractionX, RowMiddle - 2 - NumberHeight, FractionWidth, NumberHeight));
        makeBar(this, slot + 1, QRect(fractionX + 3, RowMiddle, FractionWidth - 6, 3), Style::Navy);
        if (slot < operators)
            numberLabel(this, firstOperator + slot,
                        QRect(fractionX + FractionWidth + 2, RowMiddle - NumberHeight / 2,
                              OperatorWidth, NumberHeight));
    }
}

void DrillScreen::showOperand(int slot, int whole, int den, int num) {
    label(9 + 3 * slot)->setText(whole > 0 ? QString::number(whole) : QString());
    const bool fraction = den > 0;
    label(10 + 3 * slot)->setText(fraction ? QString::number(den) : QString());
    label(11 + 3 * slot)->setText(fraction ? QString::number(num) : QString());
    shape(slot + 1)->setVisible(fraction);
}

// ------------------------------------------------------------ the protocol

void DrillScreen::ResetDrillScreen() {
    PracticeState& s = state();
    for (int& digit : s.DigitInput)
        digit = 0;
    s.Whole1 = s.Whole2 = s.Whole3 = s.Den3 = s.Num3 = 0;
    resetProblem();
    for (int n = 3; n <= setup_.lastLabel; ++n)
        label(n)->clear();
    setRunControls(false, false, false, false);
    for (int n = 2; n <= 8; ++n)
        comboBox(n)->setEnabled(false);
    wheels_->arm(); // no half-entered answer stays on the wheels
    for (int n = 1; n <= setup_.bars; ++n)
        shape(n)->hide();
    if (!grid_->isHidden())
        state().ResultsShown = 0; // no stale flag for the next screen
    grid_->hide();
}

void DrillScreen::ShowDrillWheels() {
    for (int n = 3; n <= 8; ++n)
        comboBox(n)->setEnabled(true);
    wheels_->arm();
}

void DrillScreen::JudgeDrillAnswer() {
    PracticeState& s = state();
    const MixedAnswer entered = EnteredAnswer(s.DigitInput);
    s.EnteredWhole = entered.whole;
    s.EnteredDen = entered.den;
    s.EnteredNum = entered.num;
    s.EnteredValue = entered.value();
    s.CorrectValue = problem_.expected.value();

    const bool right = IsRightAnswer(problem_.expected, entered);
    if (right)
        ++correctCount_;
    syncSharedCounters();
    if (ctx_.results) {
        const QString blank = QStringLiteral(" ");
        ctx_.results->AppendResult(problemCount_, blank + problem_.text,
                                   blank + answerText(problem_.expected),
                                   blank + answerText(entered),
                                   blank + (right ? QStringLiteral("○") : QStringLiteral("×")));
        keepStoreNotice();
    }

    phase_ = Phase::Judged;
    setRunControls(false, true, true, false);
    armPrompt(PromptNext);
    playCue(12); // the same for "○" and "×": the marks are in the grid
    showStoreNotice();
}

void DrillScreen::ShowDrillResults(qint64 endMs) {
    timer3_->stop();
    label(4)->clear();
    const QStringList lines =
        DrillResultLines(problemCount_, correctCount_, (endMs - startMs_) / 1000);
    for (int i = 0; i < lines.size(); ++i)
        label(5 + i)->setText(lines.at(i));
}

// ------------------------------------------------------------ the handlers

void DrillScreen::onShow() {
    timer3_->stop();
    ResetDrillScreen();
    comboBox(1)->arm(); // so the same kind of problem can be picked again
    comboBox(2)->arm();
    phase_ = Phase::WaitingMenu;
    armPrompt(PromptMenu);
    playCue(12);
}

void DrillScreen::onLeave() {
    // The time limit belongs to the run on this screen.
    timer3_->stop();
}

void DrillScreen::menuChosen(int index) {
    timer3_->stop(); // a new choice abandons the run
    ResetDrillScreen();
    menuChoice_ = index + 1;
    state().MenuChoice = menuChoice_;
    SimpleCombo* time = comboBox(2);
    time->setEnabled(true);
    time->arm();
    phase_ = Phase::WaitingTime;
    armPrompt(PromptTime);
    playCue(17);
}

void DrillScreen::timeChosen(int index) {
    timer3_->stop();
    ResetDrillScreen();
    timeLimit_ = DrillTimeLimit(index);
    setRunControls(true, false, false, false);
    phase_ = Phase::Ready;
    armPrompt(PromptStart);
    playCue(17);
}

void DrillScreen::startRun() {
    ResetDrillScreen();
    problemCount_ = 1;
    correctCount_ = 0;
    syncSharedCounters();
    state().ResultsShown = 0;
    startMs_ = ctx_.clock.monotonicMs();
    noticeShown_ = false;
    poseProblem(true);
    if (ctx_.results) {
        ctx_.results->ClearResults();
        keepStoreNotice();
    }
    playCue(12);
    timer3_->stop();
    if (timeLimit_ > 0) {
        limitTicks_ = 0;
        timer3_->start();
    }
    phase_ = Phase::Answering;
    armPrompt(PromptAnswer);
    playCue(11);
    showStoreNotice();
}

void DrillScreen::nextProblem() {
    if (phase_ != Phase::Judged)
        return;
    ResetDrillScreen();
    ++problemCount_;
    syncSharedCounters();
    poseProblem(false);
    playCue(11);
    phase_ = Phase::Answering;
    armPrompt(PromptAnswer);
}

void DrillScreen::poseProblem(bool firstOfRun) {
    problem_ = makeProblem(menuChoice_, firstOfRun);
    label(4)->setText(QStringLiteral("問題番号： ") + QString::number(problemCount_) +
                      QStringLiteral("\n\n") +
                      (firstOfRun ? setup_.startInstruction : nextInstruction()));
    ShowDrillWheels();
}

void DrillScreen::stopRun() {
    if (phase_ != Phase::Judged)
        return;
    endRun(ctx_.clock.monotonicMs());
}

void DrillScreen::endRun(qint64 endMs) {
    ShowDrillResults(endMs);
    setRunControls(true, false, false, true);
    phase_ = Phase::Stopped;
    armPrompt(PromptDone);
    playCue(19);
}

void DrillScreen::toggleResults() {
    // The grid's own visibility decides, whatever another screen left in
    // the shared flag.
    if (!grid_->isHidden()) {
        grid_->hide();
        state().ResultsShown = 0;
        armPrompt(PromptDone);
        return;
    }
    state().ResultsShown = 1;
    grid_->move(setup_.gridLeft, GridTop);
    grid_->show();
    grid_->raise();
    timer3_->stop();
    armPrompt(PromptGrid);
}

void DrillScreen::Timer3Timer() {
    if (!timer3_->isActive() || !runGoingOn() || timeLimit_ <= 0) {
        timer3_->stop();
        return;
    }
    if (++limitTicks_ < timeLimit_)
        return;
    // The run ends now, however long the child takes to close the message.
    const qint64 endMs = ctx_.clock.monotonicMs();
    timer3_->stop();
    ctx_.dialogs.information(TimeUp);
    if (runGoingOn())
        endRun(endMs);
}

// ------------------------------------------------------------ helpers

void DrillScreen::setRunControls(bool start, bool next, bool stop, bool results) {
    cuteButton(3)->setEnabled(start);
    cuteButton(4)->setEnabled(next);
    cuteButton(5)->setEnabled(stop);
    cuteButton(6)->setEnabled(results);
}

void DrillScreen::syncSharedCounters() {
    state().ProblemCount = problemCount_;
    state().CorrectCount = correctCount_;
}

void DrillScreen::keepStoreNotice() {
    if (noticeShown_ || ctx_.results->notice().isEmpty())
        return;
    pendingNotice_ = ctx_.results->notice();
    noticeShown_ = true;
}

void DrillScreen::showStoreNotice() {
    // Shown when the child's action is complete, so the screen behind the
    // message is already in its new state.
    if (pendingNotice_.isEmpty())
        return;
    const QString text = pendingNotice_;
    pendingNotice_.clear();
    ctx_.dialogs.error(text);
}
