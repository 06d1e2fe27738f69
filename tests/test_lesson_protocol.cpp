// The lesson protocol on a small practice screen of each kind (explanation
// then test, worked steps, "次へ" only in test mode): show, menu, mode
// button, "次へ", step button and submit box, with their prompts and cues.
#include "core/AnswerWheels.h"
#include "core/CuteButton.h"
#include "core/SimpleCombo.h"
#include "core/Style.h"
#include "lessons/LessonScreen.h"
#include "support/Fakes.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

using Variant = LessonScreen::Variant;

// Two sub-topics. A problem asks for two numbers on the wheels, the second
// is judged against CorrectValue; the worked solution has three steps.
class PracticeLesson : public LessonScreen {
public:
    PracticeLesson(AppContext& ctx, Variant variant)
        : LessonScreen(ctx, 2, QStringLiteral("れんしゅう"), QStringLiteral("れんしゅう"),
                       {variant,
                        QStringLiteral("  メニュー"),
                        {QStringLiteral("ひとつめ"), QStringLiteral("ふたつめ")},
                        12}) {
        work_ = Style::label(this, QStringLiteral("Label4"), QString(), Style::rounded(21),
                             Style::Navy, QRect(WorkLeft, 96, 600, 60));
        answer_ = Style::label(this, QStringLiteral("Label5"), QString(), Style::rounded(21),
                               Style::Navy, QRect(WorkLeft, 160, 600, 30));
        addVerdictLabel(7, QPoint(WorkLeft, 200));
        useWheels(new AnswerWheels(this, AnswerWheels::wholeNumberLayout(), 5,
                                   {QStringLiteral("◆")}, QPoint(WorkLeft, 260)));
    }

    int resets = 0;

protected:
    void reset() override {
        ++resets;
        state().StepIndex = 0;
        prompt()->clear(); // as on screens whose cleared range takes in the prompt
        work_->clear();
        answer_->clear();
        verdictLabel()->clear();
        wheels()->hide();
    }
    void showExplanation(int choice) override {
        work_->setText(QStringLiteral("せつめい%1").arg(choice));
    }
    std::optional<QString> pose(int choice) override {
        if (choice < 1 || choice > 2)
            return std::nullopt;
        work_->setText(QStringLiteral("もんだい%1").arg(choice));
        state().CorrectValue = 10 * choice;
        return QStringLiteral("１つ目");
    }
    StepOutcome step(int stepIndex) override {
        work_->setText(QStringLiteral("ステップ%1").arg(stepIndex));
        if (stepIndex == 2)
            return StepOutcome::more(QStringLiteral("まだあるよ"));
        return stepIndex >= 3 ? StepOutcome::done() : StepOutcome::more();
    }
    EntryOutcome enter(int) override {
        if (state().StepIndex == 1)
            return EntryOutcome::more(QStringLiteral("２つ目"));
        if (state().StepIndex == 2)
            return EntryOutcome::judge(state().EnteredValue == state().CorrectValue);
        return EntryOutcome::ignore();
    }
    void showCorrectAnswer() override {
        answer_->setText(QStringLiteral("正しい答え：%1").arg(state().CorrectValue));
    }

private:
    QLabel* work_;
    QLabel* answer_;
};

struct Fixture {
    explicit Fixture(Variant variant) : screen(app.ctx, variant) {
        screen.show();
        app.clearCues();
    }
    // What the child sees of "次へ": enabled for two variants, shown for the third.
    bool nextOffered() const {
        return Ui::visible(w(), "CuteButton4") && Ui::enabled(w(), "CuteButton4");
    }
    QWidget* w() const { return const_cast<PracticeLesson*>(&screen); }
    QString prompt() const { return Ui::text(w(), "Label3"); }

    TestApp app;
    PracticeLesson screen;
};

} // namespace

Q_DECLARE_METATYPE(LessonScreen::Variant)

class LessonProtocolTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void show_data();
    void show();
    void menuChoice_data();
    void menuChoice();
    void modeButton_data();
    void modeButton();
    void nextPosesProblemOfStaleChoice_data();
    void nextPosesProblemOfStaleChoice();
    void stepsWorkThroughTheSolution();
    void entriesThenVerdict_data();
    void entriesThenVerdict();
    void choosingTheChosenItemAgainShowsItAfresh();
    void creationResetIsSilent();
    void showingAgainResetsHalfEnteredAnswer();
};

void LessonProtocolTest::show_data() {
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("nextOffered");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("explain") << Variant::Explain << true << "「次へ」ボタンで進めてね！";
    QTest::newRow("steps") << Variant::Steps << false << "「メニュー」を選んでね！";
    QTest::newRow("test only") << Variant::TestOnly << false << "「メニュー」を選んでね！";
}

void LessonProtocolTest::show() {
    QFETCH(Variant, variant);
    QFETCH(bool, nextOffered);
    QFETCH(QString, prompt);
    TestApp app;
    app.state.LessonMode = 2;
    app.state.ProblemCount = 5;
    app.state.StepIndex = 3;
    app.state.MenuChoice = 2;
    PracticeLesson screen(app.ctx, variant);
    screen.show();
    QCOMPARE(screen.resets, 1);
    QCOMPARE(app.state.LessonMode, 1);
    QCOMPARE(app.state.ProblemCount, 0);
    QCOMPARE(app.state.StepIndex, 0);
    QCOMPARE(app.state.MenuChoice, 2); // left as another screen set it
    QCOMPARE(Ui::text(&screen, "CuteButton3"), QStringLiteral("べんきょう"));
    QCOMPARE(Ui::visible(&screen, "CuteButton4") && Ui::enabled(&screen, "CuteButton4"),
             nextOffered);
    QCOMPARE(Ui::text(&screen, "ComboBox1"), QStringLiteral("  メニュー"));
    QCOMPARE(Ui::visible(&screen, "CuteButton5"), variant == Variant::Steps);
    if (variant == Variant::Steps)
        QVERIFY(!Ui::enabled(&screen, "CuteButton5"));
    QCOMPARE(Ui::visible(&screen, "ComboBox5"), false);
    QCOMPARE(Ui::text(&screen, "Label3"), prompt);
    QVERIFY(screen.blinkTimer()->isActive());
    QCOMPARE(app.cueLog(), QList<int>{12});
}

void LessonProtocolTest::menuChoice_data() {
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QString>("work");
    QTest::addColumn<bool>("nextOffered");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("explain") << Variant::Explain << "せつめい2" << false
                             << "「メニュー」を選んでね！";
    QTest::newRow("steps") << Variant::Steps << "" << true << "「次へ」ボタンで進めてね！";
    // The prompt is left as the last problem set it.
    QTest::newRow("test only") << Variant::TestOnly << "せつめい2" << false << "１つ目";
}

void LessonProtocolTest::menuChoice() {
    QFETCH(Variant, variant);
    QFETCH(QString, work);
    QFETCH(bool, nextOffered);
    QFETCH(QString, prompt);
    Fixture f(variant);
    // In test mode with a problem on the screen, the choice returns to study mode.
    Ui::choose(f.w(), "ComboBox1", 0);
    Ui::click(f.w(), "CuteButton3");
    Ui::click(f.w(), "CuteButton4");
    f.app.clearCues();

    Ui::choose(f.w(), "ComboBox1", 1);
    QCOMPARE(f.app.state.MenuChoice, 2);
    QCOMPARE(f.app.state.LessonMode, 1);
    QCOMPARE(Ui::text(f.w(), "CuteButton3"), QStringLiteral("べんきょう"));
    QCOMPARE(Ui::text(f.w(), "Label4"), work);
    QCOMPARE(Ui::visible(f.w(), "ComboBox5"), false);
    QCOMPARE(f.nextOffered(), nextOffered);
    if (variant == Variant::Steps)
        QVERIFY(!Ui::enabled(f.w(), "CuteButton5"));
    QCOMPARE(f.prompt(), prompt);
    QCOMPARE(f.app.cueLog(), QList<int>{12});
}

void LessonProtocolTest::modeButton_data() {
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("nextOfferedInStudy");
    QTest::addColumn<QString>("studyPrompt");
    // Explain leaves "次へ" as the test mode left it.
    QTest::newRow("explain") << Variant::Explain << true << "「次へ」ボタンで進めてね！";
    QTest::newRow("steps") << Variant::Steps << true << "「次へ」ボタンで進めてね！";
    QTest::newRow("test only") << Variant::TestOnly << false << "「メニュー」を選んでね！";
}

void LessonProtocolTest::modeButton() {
    QFETCH(Variant, variant);
    QFETCH(bool, nextOfferedInStudy);
    QFETCH(QString, studyPrompt);
    Fixture f(variant);
    Ui::choose(f.w(), "ComboBox1", 0);
    Ui::click(f.w(), "CuteButton3");
    QCOMPARE(f.app.state.LessonMode, 2);
    QCOMPARE(Ui::text(f.w(), "CuteButton3"), QStringLiteral("テスト"));
    QVERIFY(f.nextOffered());
    QCOMPARE(f.prompt(), QStringLiteral("「次へ」ボタンで進めてね！"));

    Ui::click(f.w(), "CuteButton4");
    QCOMPARE(f.app.state.ProblemCount, 1);
    Ui::choose(f.w(), "ComboBox2", 4);
    Ui::choose(f.w(), "ComboBox5", 0);
    QCOMPARE(f.app.state.StepIndex, 1);
    f.app.clearCues();
    const int resets = f.screen.resets;

    // Back to study: the work area is cleared and the count restarts.
    Ui::click(f.w(), "CuteButton3");
    QCOMPARE(f.screen.resets, resets + 1);
    QCOMPARE(f.app.state.LessonMode, 1);
    QCOMPARE(f.app.state.ProblemCount, 0);
    QCOMPARE(f.app.state.StepIndex, 0);
    QCOMPARE(Ui::text(f.w(), "CuteButton3"), QStringLiteral("べんきょう"));
    QCOMPARE(Ui::text(f.w(), "Label4"), QString());
    QCOMPARE(Ui::visible(f.w(), "ComboBox5"), false);
    QCOMPARE(f.nextOffered(), nextOfferedInStudy);
    if (variant == Variant::Steps)
        QVERIFY(!Ui::enabled(f.w(), "CuteButton5"));
    QCOMPARE(f.prompt(), studyPrompt);
    QCOMPARE(f.app.cueLog(), QList<int>{12});
}

void LessonProtocolTest::nextPosesProblemOfStaleChoice_data() {
    QTest::addColumn<int>("menuChoice");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("wheels");
    QTest::newRow("second item chosen on another screen") << 2 << "もんだい2"
                                                          << "１つ目" << true;
    QTest::newRow("a choice this screen does not have") << 5 << ""
                                                        << "「メニュー」を選んでね！" << false;
    QTest::newRow("no choice yet in this run") << 0 << ""
                                               << "「メニュー」を選んでね！" << false;
}

void LessonProtocolTest::nextPosesProblemOfStaleChoice() {
    QFETCH(int, menuChoice);
    QFETCH(QString, work);
    QFETCH(QString, prompt);
    QFETCH(bool, wheels);
    Fixture f(Variant::Explain);
    f.app.state.MenuChoice = menuChoice;
    Ui::click(f.w(), "CuteButton4");
    QCOMPARE(f.app.state.ProblemCount, 1);
    QCOMPARE(Ui::text(f.w(), "Label4"), work);
    QCOMPARE(Ui::visible(f.w(), "ComboBox5"), wheels);
    QCOMPARE(f.prompt(), prompt);
    QVERIFY(f.screen.blinkTimer()->isActive());
    QCOMPARE(f.app.cueLog(), QList<int>{12});
    // Still one "次へ" away from a problem.
    QVERIFY(f.nextOffered());
}

void LessonProtocolTest::stepsWorkThroughTheSolution() {
    Fixture f(Variant::Steps);
    Ui::choose(f.w(), "ComboBox1", 0);
    f.app.clearCues();
    Ui::click(f.w(), "CuteButton4");
    QCOMPARE(Ui::text(f.w(), "Label4"), QStringLiteral("もんだい1"));
    QVERIFY(!Ui::enabled(f.w(), "CuteButton4"));
    QVERIFY(Ui::enabled(f.w(), "CuteButton5"));
    QCOMPARE(Ui::text(f.w(), "CuteButton5"), QStringLiteral("ステップ１"));
    QCOMPARE(f.prompt(), QStringLiteral("「ステップ｣ボタンで進めてね！。"));
    QCOMPARE(Ui::visible(f.w(), "ComboBox5"), false);

    const struct {
        const char* caption;
        const char* prompt;
    } steps[] = {{"ステップ２", "「ステップ｣ボタンで進めてね！。"}, // the prompt is kept
                 {"ステップ３", "まだあるよ"}};
    for (const auto& expected : steps) {
        Ui::click(f.w(), "CuteButton5");
        QCOMPARE(Ui::text(f.w(), "CuteButton5"), QString::fromUtf8(expected.caption));
        QCOMPARE(f.prompt(), QString::fromUtf8(expected.prompt));
        QVERIFY(!Ui::enabled(f.w(), "CuteButton4"));
    }
    Ui::click(f.w(), "CuteButton5");
    QCOMPARE(Ui::text(f.w(), "Label4"), QStringLiteral("ステップ3"));
    QCOMPARE(f.app.state.StepIndex, 3);
    QVERIFY(Ui::enabled(f.w(), "CuteButton4"));
    QVERIFY(!Ui::enabled(f.w(), "CuteButton5"));
    QCOMPARE(Ui::text(f.w(), "CuteButton5"), QStringLiteral("ステップ１"));
    QCOMPARE(f.prompt(), QStringLiteral("「次へ」ボタンで進めてね！"));
    QCOMPARE(f.app.cueLog(), (QList<int>{12, 17, 17, 12}));
}

void LessonProtocolTest::entriesThenVerdict_data() {
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<int>("ones");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("cue");
    QTest::newRow("explain right") << Variant::Explain << 0 << "○" << 14;
    QTest::newRow("explain wrong") << Variant::Explain << 3 << "×" << 13;
    QTest::newRow("steps right") << Variant::Steps << 0 << "○" << 14;
    QTest::newRow("steps wrong") << Variant::Steps << 1 << "×" << 13;
    QTest::newRow("test only right") << Variant::TestOnly << 0 << "○" << 14;
}

void LessonProtocolTest::entriesThenVerdict() {
    QFETCH(Variant, variant);
    QFETCH(int, ones);
    QFETCH(QString, mark);
    QFETCH(int, cue);
    Fixture f(variant);
    Ui::choose(f.w(), "ComboBox1", 1);
    Ui::click(f.w(), "CuteButton3"); // test mode
    Ui::click(f.w(), "CuteButton4");
    QCOMPARE(f.prompt(), QStringLiteral("１つ目"));
    QCOMPARE(Ui::text(f.w(), "ComboBox2"), QStringLiteral("一"));
    QCOMPARE(Ui::text(f.w(), "ComboBox5"), QString());
    f.app.clearCues();

    Ui::choose(f.w(), "ComboBox3", 5);
    Ui::choose(f.w(), "ComboBox5", 0);
    QCOMPARE(f.app.state.StepIndex, 1);
    QCOMPARE(f.app.state.EnteredValue, 50);
    // Re-armed for the second number.
    QCOMPARE(Ui::text(f.w(), "ComboBox3"), QStringLiteral("十"));
    QCOMPARE(f.app.state.DigitInput[3], 0);
    QCOMPARE(f.prompt(), QStringLiteral("２つ目"));

    Ui::choose(f.w(), "ComboBox3", 2);
    Ui::choose(f.w(), "ComboBox2", ones);
    Ui::choose(f.w(), "ComboBox5", 0);
    QCOMPARE(f.app.state.EnteredValue, 20 + ones);
    QCOMPARE(Ui::text(f.w(), "Label7"), mark);
    QCOMPARE(Ui::text(f.w(), "Label5"), QStringLiteral("正しい答え：20"));
    QCOMPARE(f.app.cueLog(), (QList<int>{17, 17, 17, 17, cue}));
    // The wheels stay for the child to look at.
    QVERIFY(Ui::visible(f.w(), "ComboBox2"));
    if (variant == Variant::Steps) {
        QVERIFY(Ui::enabled(f.w(), "CuteButton4"));
        QCOMPARE(f.prompt(), QStringLiteral("「次へ」ボタンで進めてね！"));
    } else {
        QCOMPARE(f.prompt(), QStringLiteral("２つ目"));
    }
}

void LessonProtocolTest::choosingTheChosenItemAgainShowsItAfresh() {
    Fixture f(Variant::Explain);
    Ui::choose(f.w(), "ComboBox1", 0);
    Ui::click(f.w(), "CuteButton3");
    QCOMPARE(Ui::text(f.w(), "Label4"), QString());
    f.app.clearCues();
    QListWidget* list = f.screen.menuBox()->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(Ui::text(f.w(), "Label4"), QStringLiteral("せつめい1"));
    QCOMPARE(f.app.state.LessonMode, 1);
    QCOMPARE(f.app.cueLog(), QList<int>{12});
    // A click on another item is one choice, not two.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(Ui::text(f.w(), "Label4"), QStringLiteral("せつめい2"));
    QCOMPARE(f.app.cueLog(), (QList<int>{12, 12}));
}

void LessonProtocolTest::creationResetIsSilent() {
    TestApp app;
    app.state.SoundOn = 0;
    app.state.LessonMode = 2;
    app.state.DigitInput[4] = 7;
    struct Created : PracticeLesson {
        explicit Created(AppContext& ctx) : PracticeLesson(ctx, Variant::Explain) {
            resetAtCreation();
        }
    } screen(app.ctx);
    QCOMPARE(screen.resets, 1);
    QCOMPARE(app.state.LessonMode, 1);
    QVERIFY(app.cueLog().isEmpty());
    QVERIFY(!screen.blinkTimer()->isActive());
}

void LessonProtocolTest::showingAgainResetsHalfEnteredAnswer() {
    Fixture f(Variant::Explain);
    Ui::choose(f.w(), "ComboBox1", 0);
    Ui::click(f.w(), "CuteButton3");
    Ui::click(f.w(), "CuteButton4");
    Ui::choose(f.w(), "ComboBox3", 4);
    Ui::choose(f.w(), "ComboBox5", 0);
    Ui::click(f.w(), "CuteButton2"); // もくじへ
    QVERIFY(!f.screen.isVisible());
    f.screen.show();
    QCOMPARE(Ui::text(f.w(), "Label4"), QString());
    QCOMPARE(Ui::visible(f.w(), "ComboBox5"), false);
    QCOMPARE(f.app.state.StepIndex, 0);
    QCOMPARE(f.app.state.LessonMode, 1);
    QCOMPARE(Ui::text(f.w(), "CuteButton3"), QStringLiteral("べんきょう"));
}

QTEST_MAIN(LessonProtocolTest)
#include "test_lesson_protocol.moc"
