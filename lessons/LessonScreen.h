// The lesson protocol shared by every lesson screen: the menu box of
// sub-topics, the study/test mode button, "次へ", the step button of worked
// solutions and the submit box, with their prompts and cues. A screen adds
// its work area and supplies only its reset, problems, steps and judge.
#pragma once

#include "core/TopicScreen.h"
#include "lessons/LessonOutcome.h"

#include <QStringList>
#include <optional>

class AnswerWheels;
class QLabel;

// The prompts and captions that every lesson screen shares.
namespace LessonText {
inline const QString StudyMode = QStringLiteral("べんきょう");
inline const QString TestMode = QStringLiteral("テスト");
inline const QString Next = QStringLiteral("次へ");
inline const QString ChooseMenu = QStringLiteral("「メニュー」を選んでね！");
inline const QString PressNext = QStringLiteral("「次へ」ボタンで進めてね！");
inline const QString PressFirstStep = QStringLiteral("「ステップ｣ボタンで進めてね！。");
inline const QString PressStep = QStringLiteral("「ステップ｣ボタンで進めてね！");
inline const QString ChooseAnswer = QStringLiteral("答えを選んで、◆をクリックしてね！");
inline const QString Submit = QStringLiteral("◆"); // the usual item of a submit box
inline const QString Right = QStringLiteral("○");
inline const QString Wrong = QStringLiteral("×");
// "ステップ" and the step number in full-width digits: "ステップ２".
QString stepCaption(int number);
} // namespace LessonText

class LessonScreen : public TopicScreen {
    Q_OBJECT
public:
    // How a screen runs its sub-topics:
    //  Explain  — a menu choice shows an explanation; "次へ" poses a problem
    //             answered on the wheels, in either mode;
    //  Steps    — "次へ" poses a problem; study mode works it out step by
    //             step with the step button, test mode takes the answers;
    //  TestOnly — a menu choice shows an explanation; "次へ" is there only
    //             in test mode.
    enum class Variant { Explain, Steps, TestOnly };

    struct Setup {
        Variant variant = Variant::Explain;
        QString menuText;      // what the menu box reads before a choice, e.g. "     メニュー"
        QStringList menuItems; // the sub-topics; MenuChoice is the item index + 1
        int nextCue = 12;      // the cue of "次へ"
    };

    LessonScreen(AppContext& ctx, int number, const QString& chapterTitle,
                 const QString& topicTitle, const Setup& setup, QWidget* parent = nullptr);

    Variant variant() const { return setup_.variant; }
    SimpleCombo* menuBox() const { return menu_; }
    TCuteButton* modeButton() const { return mode_; }
    TCuteButton* nextButton() const { return next_; }
    TCuteButton* stepButton() const { return step_; } // null unless Variant::Steps

    // The work area lies right of the menu column.
    static constexpr int WorkLeft = 250;

protected:
    // ---- What a screen supplies ----

    // Clears the work area: empties and hides its labels, hides its wheels
    // and shapes, zeroes the registers and operands it uses.
    virtual void reset() = 0;
    // Shows the explanation of sub-topic `choice` (Explain and TestOnly).
    virtual void showExplanation(int choice);
    // Poses a problem of sub-topic `choice`: writes the statement into
    // Label4 and the operands and CorrectValue into the shared state. Returns
    // the prompt for the first entry, or nothing when `choice` is not one of
    // this screen's sub-topics (then no problem is posed).
    virtual std::optional<QString> pose(int choice) = 0;
    // Shows part `stepIndex` (1, 2, …) of the worked solution (Steps).
    virtual StepOutcome step(int stepIndex);
    // Takes the entry just submitted with the submit box's item `item`.
    // StepIndex already counts it and EnteredValue holds the composed wheels.
    virtual EntryOutcome enter(int item) = 0;
    // Writes the correct answer after the verdict.
    virtual void showCorrectAnswer() {}
    // Arms the answer wheels for the next entry. By default the wheels given
    // to useWheels(); screens with several wheel rows choose theirs.
    virtual void armWheels();

    // ---- Building blocks for screens ----

    // The answer wheels of the screen; their submit box feeds enter().
    void useWheels(AnswerWheels* wheels);
    AnswerWheels* wheels() const { return wheels_; }
    // The large red label that shows ○ or ×.
    QLabel* addVerdictLabel(int number, const QPoint& topLeft);
    QLabel* verdictLabel() const { return verdict_; }
    // The state a screen is in after being shown, without prompt blink or
    // cue: for the screens that run their reset once when they are created.
    void resetAtCreation();

    // ---- The protocol's handlers; a screen that mixes variants may
    // override one and call the base for the common part ----
    virtual void menuChosen(int index);
    virtual void modeClicked();
    virtual void nextClicked();
    virtual void stepClicked();
    virtual void submitted(int item);

    void onShow() override;

    // Arms the prompt with `text` and plays cue `cue`: how every action ends.
    void finish(const QString& text, int cue);

private:
    void begin(bool announce);
    void setNextAvailable(bool available);
    // The step button waits, disabled, at "ステップ１".
    void rewindStepButton();
    // "次へ" and the submit box are hidden (study mode of TestOnly screens).
    void hideTestControls();

    Setup setup_;
    SimpleCombo* menu_;
    TCuteButton* mode_;
    TCuteButton* next_;
    TCuteButton* step_ = nullptr;
    AnswerWheels* wheels_ = nullptr;
    QLabel* verdict_ = nullptr;
};
