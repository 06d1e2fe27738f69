// The screen for adding and subtracting fractions played the way a child
// does, by control name, with forced problems: the worked steps in study
// mode, the entries stage by stage in test mode, a menu choice the screen
// does not have, and any order of clicks leaving a tidy work area.
#include "app/Screens.h"
#include "core/PracticeState.h"
#include "core/SimpleCombo.h"
#include "lessons/Unit6.h"
#include "test_unit6_work.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <memory>

using AddSubPlay::Operands;
using Numbers = QList<int>;

namespace {

const QString PressNext = QStringLiteral("「次へ」ボタンで進めてね！");
const QString ChooseMenu = QStringLiteral("「メニュー」を選んでね！");

QString name(const char* prefix, int n) {
    return QLatin1String(prefix) + QString::number(n);
}

// TForm6 shown, with a problem of `kind` posed in study or test mode.
struct Lesson {
    Lesson(int kind, const Operands& operands, bool test) : operandCount(kind >= 5 ? 3 : 2) {
        screen.show();
        Ui::choose(w(), "ComboBox1", std::min(kind, 5) - 1);
        if (test)
            Ui::click(w(), "CuteButton3");
        AddSubPlay::force(app.random, kind, operands);
        Ui::click(w(), "CuteButton4");
        app.clearCues();
    }
    QWidget* w() { return &screen; }
    QString prompt() { return Ui::text(w(), "Label3"); }
    QString work() {
        return AddSubPlay::render(
            operandCount, [this](int n) { return Ui::text(w(), name("Label", n)); },
            [this](int n) { return Ui::visible(w(), name("Shape", n)); });
    }
    // Turns the wheels a child needs for whole × 10000 + denominator × 100 +
    // numerator (untouched wheels count 0), then "◆". Returns the wheels turned.
    int enter(int value) {
        const int whole = value / 10000, den = value / 100 % 100, num = value % 100;
        int turned = 0;
        auto turn = [&](int combo, int digit) {
            Ui::choose(w(), name("ComboBox", combo), digit);
            ++turned;
        };
        if (whole > 0)
            turn(7, whole);
        if (den >= 10)
            turn(5, den / 10);
        if (den > 0)
            turn(4, den % 10);
        if (num >= 10)
            turn(3, num / 10);
        if (num > 0)
            turn(2, num % 10);
        Ui::choose(w(), "ComboBox6", 0);
        return turned;
    }

    const int operandCount;
    TestApp app;
    TForm6 screen{app.ctx};
};

} // namespace

class AddSubScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void studySteps_data();
    void studySteps();
    void testStages_data();
    void testStages();
    void nextWithAChoiceOfAnotherScreen_data();
    void nextWithAChoiceOfAnotherScreen();
    void createdInItsResetStateAndRegistered();
    void anyOrderOfClicksKeepsTheWorkAreaTidy();
};

void AddSubScreenTest::studySteps_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<Operands>("operands");
    QTest::addColumn<QStringList>("steps"); // the work area after each step
    QTest::newRow("1/2 + 1/3, complete after step 2")
        << 1 << Operands{0, 2, 1, 0, 3, 1}
        << QStringList{"1/2 + 1/3 = 3/6 + 2/6", "1/2 + 1/3 = 3/6 + 2/6 | = 5/6"};
    QTest::newRow("1/2 + 3/4, mixed number at step 3")
        << 1 << Operands{0, 2, 1, 0, 4, 3}
        << QStringList{"1/2 + 3/4 = 2/4 + 3/4", "1/2 + 3/4 = 2/4 + 3/4 | = 5/4",
                       "1/2 + 3/4 = 2/4 + 3/4 | = 5/4 | = 1 1/4"};
    QTest::newRow("1/6 + 1/3, reduced at step 3")
        << 1 << Operands{0, 6, 1, 0, 3, 1}
        << QStringList{"1/6 + 1/3 = 1/6 + 2/6", "1/6 + 1/3 = 1/6 + 2/6 | = 3/6",
                       "1/6 + 1/3 = 1/6 + 2/6 | = 3/6 | = 1/2"};
    QTest::newRow("mixed numbers in four steps")
        << 2 << Operands{2, 2, 1, 1, 6, 5}
        << QStringList{"2 1/2 + 1 5/6 = 2 3/6 + 1 5/6", "2 1/2 + 1 5/6 = 2 3/6 + 1 5/6 | = 3 8/6",
                       "2 1/2 + 1 5/6 = 2 3/6 + 1 5/6 | = 3 8/6 | = 4 2/6",
                       "2 1/2 + 1 5/6 = 2 3/6 + 1 5/6 | = 3 8/6 | = 4 2/6 | = 4 1/3"};
    QTest::newRow("mixed difference")
        << 4 << Operands{3, 4, 3, 1, 2, 1}
        << QStringList{"3 3/4 - 1 1/2 = 3 3/4 - 1 2/4", "3 3/4 - 1 1/2 = 3 3/4 - 1 2/4 | = 2 1/4"};
    QTest::newRow("three operands whose sum is whole")
        << 5 << Operands{1, 2, 1, 0, 3, 1, 0, 6, 1}
        << QStringList{"1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6",
                       "1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6 | = 1 6/6",
                       "1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6 | = 1 6/6 | = 2"};
    QTest::newRow("three operands, the last subtracted")
        << 6 << Operands{2, 2, 1, 0, 3, 1, 0, 4, 1}
        << QStringList{"2 1/2 + 1/3 - 1/4 = 2 6/12 + 4/12 - 3/12",
                       "2 1/2 + 1/3 - 1/4 = 2 6/12 + 4/12 - 3/12 | = 2 7/12"};
}

void AddSubScreenTest::studySteps() {
    QFETCH(int, kind);
    QFETCH(Operands, operands);
    QFETCH(QStringList, steps);
    Lesson l(kind, operands, false);
    QCOMPARE(Ui::text(l.w(), "Label4"),
             QStringLiteral("次の計算をする。\n答えが仮分数になれば帯分数にし、\n"
                            "できるだけ小さい数に約分する。"));
    QCOMPARE(l.work(), steps.first().section(QStringLiteral(" = "), 0, 0) + QStringLiteral(" ="));
    QCOMPARE(l.prompt(), QStringLiteral("「ステップ｣ボタンで進めてね！。"));
    QVERIFY(!Ui::visible(l.w(), "ComboBox6"));

    QList<int> cues;
    for (int i = 0; i < steps.size(); ++i) {
        QVERIFY(!Ui::enabled(l.w(), "CuteButton4"));
        QCOMPARE(Ui::text(l.w(), "CuteButton5"), LessonText::stepCaption(i + 1));
        Ui::click(l.w(), "CuteButton5");
        QCOMPARE(l.work(), steps[i]);
        const bool last = i + 1 == steps.size();
        cues << (last ? 12 : 17);
        if (!last && i > 0)
            QCOMPARE(l.prompt(), QStringLiteral("「ステップ｣ボタンで進めてね！"));
    }
    QCOMPARE(l.app.state.StepIndex, steps.size());
    QVERIFY(Ui::enabled(l.w(), "CuteButton4"));
    QVERIFY(!Ui::enabled(l.w(), "CuteButton5"));
    QCOMPARE(Ui::text(l.w(), "CuteButton5"), QStringLiteral("ステップ１"));
    QCOMPARE(l.prompt(), PressNext);
    QCOMPARE(l.app.cueLog(), cues);
}

void AddSubScreenTest::testStages_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<Operands>("operands");
    QTest::addColumn<Numbers>("entries"); // whole × 10000 + denominator × 100 + numerator
    QTest::addColumn<Numbers>("stages");  // StepIndex after each entry
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("work"); // the work area at the end, the correct answer last
    QTest::addColumn<QString>("mark");

    const QString right = QStringLiteral("右の分数の通分けっかを選んで、◆をクリックしてね！");
    const QString middle = QStringLiteral("真ん中の分数の通分けっかを選んで、◆をクリックしてね！");
    const QString reduce = QStringLiteral("約分してね！");
    const QString toMixed = QStringLiteral("帯分数になおしてね！");
    const QString added = QStringLiteral("たし算をしたままの答えを選んでね！");
    const Operands half3rd{0, 2, 1, 0, 3, 1};
    const Operands wholeSum{1, 2, 1, 0, 3, 1, 0, 6, 1};
    const QString wholeSumWork =
        "1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6 | = 1 6/6 | = 2 | 正しい答え： 2";

    QTest::newRow("judged at the raw result")
        << 1 << half3rd << Numbers{603, 602, 605} << Numbers{1, 2, 4}
        << QStringList{right, added, PressNext}
        << "1/2 + 1/3 = 3/6 + 2/6 | = 5/6 | 正しい答え： 5/6"
        << "○";
    QTest::newRow("a wrong intermediate entry leads on")
        << 1 << half3rd << Numbers{602, 602, 605} << Numbers{1, 2, 4}
        << QStringList{right, added, PressNext}
        << "1/2 + 1/3 = 2/6 + 2/6 | = 5/6 | 正しい答え： 5/6"
        << "○";
    QTest::newRow("two operands: stages 1, 2, 4, 5, 6")
        << 1 << Operands{0, 6, 5, 0, 3, 2} << Numbers{605, 604, 609, 10603, 10201}
        << Numbers{1, 2, 4, 5, 6} << QStringList{right, added, toMixed, reduce, PressNext}
        << "5/6 + 2/3 = 5/6 + 4/6 | = 9/6 | = 1 3/6 | = 1 1/2 | 正しい答え： 1 1/2"
        << "○";
    QTest::newRow("difference reduced")
        << 3 << Operands{0, 6, 5, 0, 3, 1} << Numbers{605, 602, 603, 201} << Numbers{1, 2, 4, 5}
        << QStringList{right, QStringLiteral("ひき算をしたままの答えを選んでね！"), reduce,
                       PressNext}
        << "5/6 - 1/3 = 5/6 - 2/6 | = 3/6 | = 1/2 | 正しい答え： 1/2"
        << "○";
    QTest::newRow("a wrong mixed number")
        << 1 << Operands{0, 2, 1, 0, 4, 3} << Numbers{402, 403, 405, 10403} << Numbers{1, 2, 4, 5}
        << QStringList{right, added, toMixed, PressNext}
        << "1/2 + 3/4 = 2/4 + 3/4 | = 5/4 | = 1 3/4 | 正しい答え： 1 1/4"
        << "×";
    const QStringList threeFirst{middle, right,
                                 QStringLiteral("３つのたし算をしたままの答えを選んでね！")};
    QTest::newRow("a whole sum entered with the whole part alone")
        << 5 << wholeSum << Numbers{10603, 602, 601, 10606, 20000} << Numbers{1, 2, 3, 4, 5}
        << threeFirst + QStringList{toMixed, PressNext} << wholeSumWork << "○";
    QTest::newRow("a whole sum entered over 1")
        << 5 << wholeSum << Numbers{10603, 602, 601, 10606, 20100} << Numbers{1, 2, 3, 4, 5}
        << threeFirst + QStringList{toMixed, PressNext} << wholeSumWork << "○";
    QTest::newRow("a whole sum entered as the raw result")
        << 5 << wholeSum << Numbers{10603, 602, 601, 20000} << Numbers{1, 2, 3, 4}
        << threeFirst + QStringList{PressNext}
        << "1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6 | = 2 | 正しい答え： 2"
        << "○";
    QTest::newRow("a wrong whole sum")
        << 5 << wholeSum << Numbers{10603, 602, 601, 10606, 10000} << Numbers{1, 2, 3, 4, 5}
        << threeFirst + QStringList{toMixed, PressNext}
        << "1 1/2 + 1/3 + 1/6 = 1 3/6 + 2/6 + 1/6 | = 1 6/6 | = 1 | 正しい答え： 2"
        << "×";
    QTest::newRow("three operands, the last subtracted")
        << 6 << Operands{2, 2, 1, 0, 3, 1, 0, 4, 1} << Numbers{21206, 1204, 1203, 21207}
        << Numbers{1, 2, 3, 4}
        << QStringList{middle, right, QStringLiteral("たし算とひき算をしたままの答えを選んでね！"),
                       PressNext}
        << "2 1/2 + 1/3 - 1/4 = 2 6/12 + 4/12 - 3/12 | = 2 7/12 | 正しい答え： 2 7/12"
        << "○";
}

void AddSubScreenTest::testStages() {
    QFETCH(int, kind);
    QFETCH(Operands, operands);
    QFETCH(Numbers, entries);
    QFETCH(Numbers, stages);
    QFETCH(QStringList, prompts);
    QFETCH(QString, work);
    QFETCH(QString, mark);
    Lesson l(kind, operands, true);
    QCOMPARE(l.prompt(), QStringLiteral("左の分数の通分けっかを選んで、◆をクリックしてね！\n"
                                        "どちらも左の方が十の位だよ。"));
    QVERIFY(!Ui::enabled(l.w(), "CuteButton5"));

    QList<int> cues;
    for (int i = 0; i < entries.size(); ++i) {
        QVERIFY(!Ui::enabled(l.w(), "CuteButton4"));
        QCOMPARE(Ui::text(l.w(), "ComboBox7"), QStringLiteral("整")); // armed afresh
        for (int turned = l.enter(entries[i]); turned > 0; --turned)
            cues << 17;
        const bool last = i + 1 == entries.size();
        cues << (!last ? 17 : mark == QStringLiteral("○") ? 14 : 13);
        QCOMPARE(l.app.state.StepIndex, stages[i]);
        QCOMPARE(l.prompt(), prompts[i]);
        QCOMPARE(Ui::text(l.w(), "Label41").isEmpty(), !last);
    }
    QCOMPARE(l.work(), work);
    QCOMPARE(Ui::text(l.w(), "Label41"), mark);
    QCOMPARE(l.app.cueLog(), cues);
    QVERIFY(Ui::enabled(l.w(), "CuteButton4"));
    QVERIFY(Ui::visible(l.w(), "ComboBox6"));

    // Another "◆" after the verdict changes nothing.
    Ui::choose(l.w(), "ComboBox2", 7);
    l.screen.findChild<SimpleCombo*>("ComboBox6")->setItemIndex(-1);
    Ui::choose(l.w(), "ComboBox6", 0);
    QCOMPARE(l.work(), work);
    QCOMPARE(Ui::text(l.w(), "Label41"), mark);
}

void AddSubScreenTest::nextWithAChoiceOfAnotherScreen_data() {
    QTest::addColumn<int>("menuChoice");
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QString>("sign"); // of a posed problem; empty: none posed
    QTest::newRow("no choice yet, test mode") << 0 << true << "";
    QTest::newRow("no choice yet, study mode") << 0 << false << "";
    QTest::newRow("seventh item of another screen") << 7 << true << "";
    QTest::newRow("third item of another screen") << 3 << true << "-";
    QTest::newRow("fifth item of another screen, study") << 5 << false << "+";
}

void AddSubScreenTest::nextWithAChoiceOfAnotherScreen() {
    QFETCH(int, menuChoice);
    QFETCH(bool, testMode);
    QFETCH(QString, sign);
    TestApp app;
    app.state.MenuChoice = menuChoice;
    TForm6 screen(app.ctx);
    screen.show();
    // The mode button offers "次へ" before any choice on this screen; back
    // in study mode it stays offered.
    Ui::click(&screen, "CuteButton3");
    if (!testMode)
        Ui::click(&screen, "CuteButton3");
    app.clearCues();
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(app.cueLog(), QList<int>{12});
    QVERIFY(screen.blinkTimer()->isActive());
    const bool posed = !sign.isEmpty();
    QCOMPARE(Ui::text(&screen, "Label33"), sign);
    QCOMPARE(Ui::visible(&screen, "ComboBox6"), posed && testMode);
    QCOMPARE(Ui::enabled(&screen, "CuteButton5"), posed && !testMode);
    if (posed)
        return;
    // Nothing to step through and nothing to enter: the child is sent to the menu.
    QCOMPARE(Ui::text(&screen, "Label3"), ChooseMenu);
    QCOMPARE(Ui::text(&screen, "CuteButton5"), QStringLiteral("ステップ１"));
    for (int n = 2; n <= 7; ++n)
        QVERIFY(!Ui::visible(&screen, name("ComboBox", n)));
    for (int n = 4; n <= 44; ++n)
        QCOMPARE(Ui::text(&screen, name("Label", n)), QString());
    for (int n = 1; n <= 10; ++n)
        QVERIFY(!Ui::visible(&screen, name("Shape", n)));
    QVERIFY(Ui::enabled(&screen, "CuteButton4"));
    // A choice from the menu then poses problems as usual.
    Ui::choose(&screen, "ComboBox1", 0);
    app.random.push({0, 0, 0, 1}); // 1/2 and 1/3
    Ui::click(&screen, "CuteButton4");
    QCOMPARE(Ui::text(&screen, "Label33"), QStringLiteral("+"));
}

void AddSubScreenTest::createdInItsResetStateAndRegistered() {
    TestApp app;
    app.state.SoundOn = 0;
    app.state.LessonMode = 2;
    app.state.StepIndex = 4;
    app.state.DigitInput[0] = 3;
    app.state.Whole3 = 2;
    app.state.Num3 = 5;
    std::unique_ptr<QWidget> screen(createTopicScreen(app.ctx, 6, nullptr));
    QVERIFY(qobject_cast<TForm6*>(screen.get()));
    QCOMPARE(screen->objectName(), QStringLiteral("Form6"));
    QCOMPARE(app.state.LessonMode, 1);
    QCOMPARE(app.state.StepIndex, 0);
    QCOMPARE(app.state.DigitInput[0], 0);
    QCOMPARE(app.state.Whole3, 0);
    QCOMPARE(app.state.Num3, 0);
    QCOMPARE(Ui::text(screen.get(), "Label2"), QStringLiteral("たし算とひき算"));
    QCOMPARE(Ui::text(screen.get(), "ComboBox1"), QStringLiteral("         メニュー"));
    QVERIFY(app.audibleCues().isEmpty());
}

void AddSubScreenTest::anyOrderOfClicksKeepsTheWorkAreaTidy() {
    // A child clicking anything in any order, many times over: no crash, the
    // written labels and bars never overlap or leave the space left of the
    // wheels, and "次へ" and the step button are never offered together.
    TestApp app;
    TForm6 screen(app.ctx);
    screen.show();
    QRandomGenerator pick(61);
    // Between the menu column and the wheels, above the prompt.
    const QRect workArea(QPoint(LessonScreen::WorkLeft, 80), QPoint(723, 610));
    for (int action = 0; action < 4000; ++action) {
        switch (pick.bounded(8)) {
        case 0:
            if (pick.bounded(6) == 0)
                Ui::choose(&screen, "ComboBox1", pick.bounded(5));
            break;
        case 1:
            if (pick.bounded(8) == 0 && Ui::enabled(&screen, "CuteButton3"))
                Ui::click(&screen, "CuteButton3");
            break;
        case 2:
            if (Ui::enabled(&screen, "CuteButton4"))
                Ui::click(&screen, "CuteButton4");
            break;
        case 3:
            if (Ui::enabled(&screen, "CuteButton5"))
                Ui::click(&screen, "CuteButton5");
            break;
        case 4:
        case 5:
        case 6: {
            const int wheel = QList<int>{2, 3, 4, 5, 7}[pick.bounded(5)];
            if (Ui::visible(&screen, name("ComboBox", wheel)))
                Ui::choose(&screen, name("ComboBox", wheel), pick.bounded(10));
            break;
        }
        default:
            if (Ui::visible(&screen, "ComboBox6"))
                Ui::choose(&screen, "ComboBox6", 0);
            break;
        }
        QVERIFY(!(Ui::enabled(&screen, "CuteButton4") && Ui::enabled(&screen, "CuteButton5")));
        QList<QWidget*> shown;
        for (int n = 5; n <= 44; ++n)
            if (auto* l = screen.findChild<QLabel*>(name("Label", n)); l && !l->text().isEmpty())
                shown << l;
        for (int n = 1; n <= 10; ++n)
            if (QWidget* bar = Ui::find(&screen, name("Shape", n)); bar->isVisible())
                shown << bar;
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY2(workArea.contains(shown[i]->geometry()), qPrintable(shown[i]->objectName()));
            for (int j = 0; j < i; ++j)
                QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                         qPrintable(shown[i]->objectName() + " over " + shown[j]->objectName()));
        }
    }
    QVERIFY(app.random.outOfRange.isEmpty());
}

QTEST_MAIN(AddSubScreenTest)
#include "test_unit6_addsub_screen.moc"
