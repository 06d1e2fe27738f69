// The lesson protocol: what showing a lesson screen, choosing a sub-topic,
// the mode button, "次へ", the step button and the submit box do, in which
// order, with which prompts and cues.
#include "lessons/LessonScreen.h"

#include "core/AnswerWheels.h"
#include "core/CuteButton.h"
#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>

namespace LessonText {
QString stepCaption(int number) {
    QString digits = QString::number(number);
    for (QChar& c : digits)
        c = QChar(c.unicode() - u'0' + u'０');
    return QStringLiteral("ステップ") + digits;
}
} // namespace LessonText

namespace {
constexpr int MenuLeft = 16;
constexpr int MenuTop = 96;
constexpr int MenuWidth = 214;
constexpr int ButtonWidth = 170;
constexpr int ButtonHeight = 40;
constexpr int ButtonGap = 14;
} // namespace

LessonScreen::LessonScreen(AppContext& ctx, int number, const QString& chapterTitle,
                           const QString& topicTitle, const Setup& setup, QWidget* parent)
    : TopicScreen(ctx, number, chapterTitle, topicTitle, parent), setup_(setup) {
    menu_ = new SimpleCombo(this, QStringLiteral("ComboBox1"), setup.menuItems, setup.menuText,
                            Style::White, Style::rounded(17, true), QPoint(MenuLeft, MenuTop),
                            MenuWidth);
    connect(menu_, &SimpleCombo::changed, this, [this](int index) { menuChosen(index); });
    // Choosing the item that is already chosen shows that sub-topic afresh.
    menu_->setRepeatChoices(true);

    const int x = MenuLeft + (MenuWidth - ButtonWidth) / 2;
    int y = MenuTop + menu_->height() + 24;
    mode_ = new TCuteButton(this, QStringLiteral("CuteButton3"), LessonText::StudyMode,
                            Style::Green, Style::Cream, 18, QRect(x, y, ButtonWidth, ButtonHeight));
    y += ButtonHeight + ButtonGap;
    next_ =
        new TCuteButton(this, QStringLiteral("CuteButton4"), LessonText::Next, Style::NextButton,
                        Style::Navy, 18, QRect(x, y, ButtonWidth, ButtonHeight));
    connect(mode_, &QPushButton::clicked, this, [this] { modeClicked(); });
    connect(next_, &QPushButton::clicked, this, [this] { nextClicked(); });
    if (setup.variant == Variant::Steps) {
        y += ButtonHeight + ButtonGap;
        step_ = new TCuteButton(this, QStringLiteral("CuteButton5"), LessonText::stepCaption(1),
                                Style::LessonButton, Style::Navy, 18,
                                QRect(x, y, ButtonWidth, ButtonHeight));
        step_->setEnabled(false);
        connect(step_, &QPushButton::clicked, this, [this] { stepClicked(); });
    }
}

void LessonScreen::showExplanation(int) {}

StepOutcome LessonScreen::step(int) {
    return StepOutcome::done();
}

void LessonScreen::armWheels() {
    if (wheels_)
        wheels_->arm();
}

void LessonScreen::useWheels(AnswerWheels* wheels) {
    if (wheels_ == wheels)
        return;
    wheels_ = wheels;
    connect(wheels, &AnswerWheels::submitted, this, [this, wheels](int item) {
        if (wheels_ == wheels)
            submitted(item);
    });
}

QLabel* LessonScreen::addVerdictLabel(int number, const QPoint& topLeft) {
    verdict_ = Style::label(this, QStringLiteral("Label%1").arg(number), QString(),
                            Style::rounded(40, true), Style::Red, QRect(topLeft, QSize(60, 56)));
    verdict_->setAlignment(Qt::AlignCenter);
    return verdict_;
}

void LessonScreen::finish(const QString& text, int cue) {
    armPrompt(text);
    playCue(cue);
}

void LessonScreen::setNextAvailable(bool available) {
    if (setup_.variant == Variant::TestOnly)
        next_->setVisible(available);
    else
        next_->setEnabled(available);
}

void LessonScreen::onShow() {
    begin(true);
}

void LessonScreen::resetAtCreation() {
    begin(false);
}

void LessonScreen::begin(bool announce) {
    reset();
    PracticeState& s = state();
    s.ProblemCount = 0;
    s.StepIndex = 0;
    s.LessonMode = 1;
    mode_->setText(LessonText::StudyMode);
    QString prompt = LessonText::ChooseMenu;
    switch (setup_.variant) {
    case Variant::Explain:
        next_->setEnabled(true);
        prompt = LessonText::PressNext;
        break;
    case Variant::Steps:
        next_->setEnabled(false);
        rewindStepButton();
        break;
    case Variant::TestOnly:
        hideTestControls();
        break;
    }
    if (announce) {
        finish(prompt, 12);
    } else {
        // Still hidden: set the text, leave the shared blink and the sound alone.
        this->prompt()->setText(prompt);
    }
}

void LessonScreen::menuChosen(int index) {
    QString prompt = this->prompt()->text(); // kept by TestOnly screens, whatever the reset clears
    reset();
    PracticeState& s = state();
    s.LessonMode = 1;
    mode_->setText(LessonText::StudyMode);
    s.MenuChoice = index + 1;
    switch (setup_.variant) {
    case Variant::Explain:
        next_->setEnabled(false);
        showExplanation(s.MenuChoice);
        prompt = LessonText::ChooseMenu;
        break;
    case Variant::Steps:
        next_->setEnabled(true);
        // The reset has cleared the problem; there is nothing left to step through.
        rewindStepButton();
        prompt = LessonText::PressNext;
        break;
    case Variant::TestOnly:
        next_->hide();
        showExplanation(s.MenuChoice);
        break;
    }
    finish(prompt, 12);
}

void LessonScreen::modeClicked() {
    reset();
    PracticeState& s = state();
    s.ProblemCount = 0;
    QString prompt = LessonText::PressNext;
    if (s.LessonMode == 1) {
        s.LessonMode = 2;
        mode_->setText(LessonText::TestMode);
        setNextAvailable(true);
        if (step_)
            step_->setEnabled(false);
    } else {
        s.LessonMode = 1;
        s.StepIndex = 0;
        mode_->setText(LessonText::StudyMode);
        switch (setup_.variant) {
        case Variant::Explain:
            break;
        case Variant::Steps:
            next_->setEnabled(true);
            rewindStepButton();
            break;
        case Variant::TestOnly:
            hideTestControls();
            prompt = LessonText::ChooseMenu;
            break;
        }
    }
    finish(prompt, 12);
}

void LessonScreen::nextClicked() {
    PracticeState& s = state();
    ++s.ProblemCount;
    reset();
    const std::optional<QString> firstEntry = pose(s.MenuChoice);
    if (!firstEntry) {
        // Not one of this screen's sub-topics (a choice left from another
        // screen, or none yet): the work area stays clear.
        finish(LessonText::ChooseMenu, setup_.nextCue);
        return;
    }
    QString prompt = *firstEntry;
    if (setup_.variant == Variant::Steps) {
        next_->setEnabled(false);
        if (s.LessonMode == 1) {
            step_->setEnabled(true);
            step_->setText(LessonText::stepCaption(1));
            prompt = LessonText::PressFirstStep;
        } else {
            armWheels();
        }
    } else {
        if (setup_.variant == Variant::TestOnly)
            if (QLabel* answer = label(5))
                answer->show();
        armWheels();
    }
    finish(prompt, setup_.nextCue);
}

void LessonScreen::rewindStepButton() {
    step_->setEnabled(false);
    step_->setText(LessonText::stepCaption(1));
}

void LessonScreen::hideTestControls() {
    next_->hide();
    if (wheels_)
        wheels_->submitBox()->hide();
}

void LessonScreen::stepClicked() {
    PracticeState& s = state();
    ++s.StepIndex;
    const StepOutcome outcome = step(s.StepIndex);
    if (outcome.last) {
        next_->setEnabled(true);
        step_->setEnabled(false);
        if (outcome.recaption)
            step_->setText(LessonText::stepCaption(1));
        finish(LessonText::PressNext, 12);
        return;
    }
    step_->setText(
        LessonText::stepCaption(outcome.nextStep > 0 ? outcome.nextStep : s.StepIndex + 1));
    if (outcome.prompt.isEmpty())
        armPrompt();
    else
        armPrompt(outcome.prompt);
    playCue(17);
}

void LessonScreen::submitted(int item) {
    PracticeState& s = state();
    const int steps = s.StepIndex;
    const int entered = s.EnteredValue;
    ++s.StepIndex;
    s.EnteredValue = wheels_ ? wheels_->compose() : 0;
    const EntryOutcome outcome = enter(item);
    switch (outcome.kind) {
    case EntryOutcome::Kind::Ignore:
        // Not counted: the judged answer stays as it was.
        s.StepIndex = steps;
        s.EnteredValue = entered;
        return;
    case EntryOutcome::Kind::More:
        armWheels();
        finish(outcome.prompt, 17);
        return;
    case EntryOutcome::Kind::Judge:
        if (verdict_) {
            verdict_->setText(outcome.right ? LessonText::Right : LessonText::Wrong);
            verdict_->show();
        }
        playCue(outcome.right ? 14 : 13);
        showCorrectAnswer();
        if (setup_.variant == Variant::Steps) {
            next_->setEnabled(true);
            armPrompt(LessonText::PressNext);
        }
        return;
    }
}
